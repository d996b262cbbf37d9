// The plan's sizing against results worked out by hand: households rounded
// half up, dwellings rounded up with the vacant share, volume only for
// growth, the decree's standards on the inhabitants of the target year.
#include "estimate/PlanSizing.h"
#include "support/Cases.h"

#include <QStringList>

#include <gtest/gtest.h>

namespace {

struct Case {
    const char *name;
    qint64 start, target;
    int years;
    std::vector<std::pair<const char *, const char *>> typed;
    // abitanti_inizio ... carenza_totale, in the CSV's order
    std::vector<const char *> expected;
    friend void PrintTo(const Case &row, std::ostream *os) { *os << row.name; }
};

const Case kCases[] = {
    // 2,21 – 30 × 0,01 = 1,91; 10.000 ÷ 2,21 = 4.524,9; 10.040 ÷ 1,91 = 5.256,5;
    // 732 × 1,05 = 768,6 -> 769; 40 × 100; verde 90.360 – 50.000
    {"Growth",
     10000,
     10040,
     30,
     {{"famiglia", "2,21"}, {"variazione", "-0,01"}, {"esist_verde", "50000"}},
     {"10000", "10040", "40", "1,91", "4525", "5257", "769", "4000", "45180", "20080", "90360", "25100", "180720",
      "45180", "20080", "40360", "25100", "130720"}},
    // no new households, no volume; the standards on 9.500
    {"Decline",
     10000,
     9500,
     10,
     {{"famiglia", "2,5"}},
     {"10000", "9500", "-500", "2,50", "4000", "3800", "0", "0", "42750", "19000", "85500", "23750", "171000", "42750",
      "19000", "85500", "23750", "171000"}},
    // 2,4 – 0,4 = 2,00: 3.333,3 -> 3.333 and 4.000 households; 667 + 25 of
    // backlog with no vacancy; school space provided beyond the need
    {"NoChangeSmallerHouseholdsBacklog",
     8000,
     8000,
     20,
     {{"famiglia", "2,4"},
      {"variazione", "-0,02"},
      {"sfitto", "0"},
      {"pregresso", "25"},
      {"esist_istruzione", "40000"}},
     {"8000", "8000", "0", "2,00", "3333", "4000", "692", "0", "36000", "16000", "72000", "20000", "144000", "0",
      "16000", "72000", "20000", "108000"}},
    // 300 × 1,10 = 330; a regional 12 m² of green; parking 14.000 – 10.000
    {"TenPercentVacantRegionalGreen",
     5000,
     5600,
     10,
     {{"famiglia", "2"}, {"sfitto", "10"}, {"std_verde", "12"}, {"esist_parcheggi", "10000"}},
     {"5000", "5600", "600", "2,00", "2500", "2800", "330", "60000", "25200", "11200", "67200", "14000", "117600",
      "25200", "11200", "67200", "4000", "107600"}},
    // halves round up: 500,5 -> 501, 501,5 -> 502, 4.513,5 -> 4.514, 2.507,5 -> 2.508; 1,05 -> 2
    {"HalvesRoundUp",
     1001,
     1003,
     1,
     {{"famiglia", "2"}},
     {"1001", "1003", "2", "2,00", "501", "502", "2", "200", "4514", "2006", "9027", "2508", "18055", "4514", "2006",
      "9027", "2508", "18055"}},
};

PlanSizing::Inputs inputs(const Case &c)
{
    PlanSizing::Inputs in;
    for (const auto &[key, value] : c.typed)
        in.typed[std::size_t(*PlanSizing::byKey(QString::fromLatin1(key)))] = QString::fromUtf8(value);
    return in;
}

class Sizing : public testing::TestWithParam<Case> {};

} // namespace

TEST_P(Sizing, MatchesTheHandComputation)
{
    const Case &c = GetParam();
    const auto result = PlanSizing::compute(inputs(c), c.start, c.target, c.years);
    ASSERT_TRUE(std::holds_alternative<PlanSizing::Result>(result)) << std::get<QString>(result).toStdString();
    QStringList got, expected;
    for (const auto &[name, value] : PlanSizing::resultLines(std::get<PlanSizing::Result>(result)))
        got << name + u'=' + value;
    const char *names[] = {"abitanti_inizio",      "abitanti_arrivo",     "differenza",        "componenti_arrivo",
                           "famiglie_inizio",      "famiglie_arrivo",     "abitazioni",        "volume_m3",
                           "richiesto_istruzione", "richiesto_interesse", "richiesto_verde",   "richiesto_parcheggi",
                           "richiesto_totale",     "carenza_istruzione",  "carenza_interesse", "carenza_verde",
                           "carenza_parcheggi",    "carenza_totale"};
    for (std::size_t i = 0; i < c.expected.size(); ++i)
        expected << QString::fromLatin1(names[i]) + u'=' + QString::fromLatin1(c.expected[i]);
    EXPECT_EQ(got, expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, Sizing, testing::ValuesIn(kCases), RowName());

TEST(SizingRefusals, NameTheFieldOrTheHouseholdSize)
{
    PlanSizing::Inputs in;
    EXPECT_EQ(std::get<QString>(PlanSizing::compute(in, 100, 100, 1)),
              "Manca il dato «Componenti per famiglia nell'anno di partenza».");
    in.typed[std::size_t(PlanSizing::Input::famiglia)] = QStringLiteral("2,2");
    in.typed[std::size_t(PlanSizing::Input::sfitto)] = QStringLiteral("60");
    EXPECT_EQ(std::get<QString>(PlanSizing::compute(in, 100, 100, 1)),
              "Il dato «Abitazioni non occupate per la mobilità» deve essere compreso tra 0 e 50.");
    in.typed[std::size_t(PlanSizing::Input::sfitto)] = QStringLiteral("cinque");
    EXPECT_EQ(std::get<QString>(PlanSizing::compute(in, 100, 100, 1)),
              "Il dato «Abitazioni non occupate per la mobilità» non è un numero valido: «cinque».");
    in.typed[std::size_t(PlanSizing::Input::sfitto)] = QString();
    in.typed[std::size_t(PlanSizing::Input::variazione)] = QStringLiteral("-0,1");
    EXPECT_EQ(std::get<QString>(PlanSizing::compute(in, 100, 100, 30)),
              "I componenti per famiglia nell'anno di arrivo (-0,80) sono zero o meno: controlla i componenti per "
              "famiglia e la loro variazione annua.");
}
