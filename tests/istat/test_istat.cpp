// Reading ISTAT's tables and deriving the projection's inputs from them, with
// every expected number worked out by hand from the test files.
#include "estimate/ProjectionEngine.h"
#include "istat/IstatCsv.h"
#include "istat/IstatDerivation.h"
#include "istat/IstatFile.h"
#include "support/Cases.h"

#include <gtest/gtest.h>

namespace {

QString data(const char *name)
{
    return QStringLiteral(ISTAT_DATA "/") + QString::fromUtf8(name);
}

BalanceTable balance(const char *name)
{
    auto read = BalanceFile::read(data(name));
    if (const auto *no = std::get_if<IstatRefusal>(&read))
        ADD_FAILURE() << no->message.toStdString();
    return std::get<BalanceTable>(std::move(read));
}

struct Reading {
    const char *name;
    const char *file;
    int year;
    qint64 p1, p31, births, deaths, inflow, outflow;
    bool provisional, gross;
    friend void PrintTo(const Reading &row, std::ostream *os) { *os << row.name; }
};

// Roccaventosa (099001), or Valfonda (099002) in the gross-flows file.
const Reading kReadings[] = {
    // balances 30 + 20 - 10 = +40; the BOM and thousands separators read
    {"BareCsvWithByteOrderMark", "P2_2021_it_099_Roccaventosa.csv", 2021, 12000, 11990, 90, 140, 40, 0, false, false},
    // -60 + 15 + 0 = -45; quoted names
    {"ZipWithQuotedNames", "P2_2022_it_099_Roccaventosa.zip", 2022, 11990, 11880, 85, 150, 0, 45, false, false},
    // "censita" and "e per altri motivi" (a total, 35, not added again): 10 + 25
    {"ProvisionalNewerHeadings", "P2_2023_it_099_Roccaventosa.csv", 2023, 11880, 11865, 80, 130, 35, 0, true, false},
    // gross flows preferred to balances: 100 + 20 + 5 in, 110 + 10 + 5 out
    {"GrossFlows", "P2_2019_Valfonda.csv", 2019, 5000, 4980, 40, 60, 125, 125, false, true},
};

class BalanceReading : public testing::TestWithParam<Reading> {};

} // namespace

TEST_P(BalanceReading, FindsTheColumnsByTheirWords)
{
    const Reading &r = GetParam();
    const BalanceTable t = balance(r.file);
    EXPECT_EQ(t.year, r.year);
    EXPECT_EQ(t.grossFlows, r.gross);
    const BalanceRow *row = t.find(r.gross ? 99002 : 99001);
    ASSERT_NE(row, nullptr);
    EXPECT_EQ(row->code, r.gross ? QStringLiteral("099002") : QStringLiteral("099001"));
    EXPECT_EQ(row->name, r.gross ? QStringLiteral("Valfonda") : QStringLiteral("Roccaventosa"));
    EXPECT_EQ(std::vector<qint64>({row->p1, row->p31, row->births, row->deaths, row->inflow, row->outflow}),
              std::vector<qint64>({r.p1, r.p31, r.births, r.deaths, r.inflow, r.outflow}));
    EXPECT_EQ(row->provisional, r.provisional);
}

INSTANTIATE_TEST_SUITE_P(Files, BalanceReading, testing::ValuesIn(kReadings), RowName());

TEST(AgeReading, ReadsEachAgeAndTheTotalFromAZip)
{
    auto read = AgeFile::read(data("POSAS_2024_it_099_Roccaventosa.zip"));
    ASSERT_TRUE(std::holds_alternative<AgeTable>(read));
    const AgeTable &t = std::get<AgeTable>(read);
    EXPECT_EQ(t.year, 2024);
    const AgeGroup *g = t.find(99001);
    ASSERT_NE(g, nullptr);
    EXPECT_EQ(g->ages[15]->women, 100);
    EXPECT_EQ(g->ages[100]->total, 90);
    EXPECT_EQ(g->all->total, 11190);
}

namespace {

struct Case {
    const char *name;
    std::vector<const char *> files;
    const char *ages; // or null
    const char *municipality;
    double share; // the window's
    // anno1, abitnoti, tassofert, pdf, iniziofert, finefert, mortinfanti, aspvita, immigr, emigr
    std::vector<const char *> values;
    bool raised;
    friend void PrintTo(const Case &row, std::ostream *os) { *os << row.name; }
};

// Three years of Roccaventosa: sum P1 = 12.000 + 11.990 + 11.880 = 35.870,
// sum P31 = 11.990 + 11.880 + 11.865 = 35.735, Pm = 71.605 ÷ 2 = 35.802,5;
// B = 255, D = 420, I = 40 + 0 + 35 = 75, E = 0 + 45 + 0 = 45.
// immigr 1000 × 75 ÷ 35.802,5 = 2,0948; emigr 1000 × 45 ÷ 35.802,5 = 1,2569;
// aspvita 35.802,5 ÷ (420 - 255 × 3 ÷ 1000) = 85,3996 -> 85,4;
// the women check asks 50 × 35 ÷ 85,4 = 20,49 -> 21.
const Case kCases[] = {
    // tassofert 255 × 35 × 100 ÷ (35.802,5 × 21) = 1,1871
    {"ThreeYearsShareRaised",
     {"P2_2023_it_099_Roccaventosa.csv", "P2_2021_it_099_Roccaventosa.csv", "P2_2022_it_099_Roccaventosa.zip"},
     nullptr,
     "roccaventosa",
     20,
     {"2024", "11865", "1,19", "21", "15", "50", "3", "85,4", "2,09", "1,26"},
     true},
    // POSAS: women 15-49 = 35 × 100 = 3.500 of 11.190, 31,28 % -> 31;
    // tassofert 255 × 35 × 100 ÷ (35.802,5 × 31) = 0,8041
    {"ThreeYearsWithAges",
     {"P2_2021_it_099_Roccaventosa.csv", "P2_2022_it_099_Roccaventosa.zip", "P2_2023_it_099_Roccaventosa.csv"},
     "POSAS_2024_it_099_Roccaventosa.zip",
     "099001",
     20,
     {"2024", "11865", "0,80", "31", "15", "50", "3", "85,4", "2,09", "1,26"},
     false},
    // Pm = (11.880 + 11.865) ÷ 2 = 11.872,5; immigr 1000 × 35 ÷ 11.872,5 = 2,948;
    // aspvita 11.872,5 ÷ (130 - 0,24) = 91,496; check 50 × 35 ÷ 91,5 = 19,1 -> 20 ≤ 25;
    // tassofert 80 × 35 × 100 ÷ (11.872,5 × 25) = 0,9434
    {"OneYearBalances",
     {"P2_2023_it_099_Roccaventosa.csv"},
     nullptr,
     "99001",
     25,
     {"2024", "11865", "0,94", "25", "15", "50", "3", "91,5", "2,95", "0,00"},
     false},
    // Pm = (5.000 + 4.980) ÷ 2 = 4.990; immigr = emigr = 1000 × 125 ÷ 4.990 = 25,050;
    // aspvita 4.990 ÷ (60 - 0,12) = 83,33; tassofert 40 × 35 × 100 ÷ (4.990 × 30) = 0,9352
    {"OneYearGrossFlows",
     {"P2_2019_Valfonda.csv"},
     nullptr,
     "Valfonda",
     30,
     {"2020", "4980", "0,94", "30", "15", "50", "3", "83,3", "25,05", "25,05"},
     false},
};

const IstatInput kOrder[] = {IstatInput::StartYear,       IstatInput::KnownInhabitants, IstatInput::FertilityRate,
                             IstatInput::WomenShare,      IstatInput::FertileStart,     IstatInput::FertileEnd,
                             IstatInput::InfantMortality, IstatInput::MedianAge,        IstatInput::Immigration,
                             IstatInput::Emigration};

IstatOutcome<IstatDerivation> deriveCase(const Case &c)
{
    std::vector<BalanceTable> tables;
    for (const char *file : c.files)
        tables.push_back(balance(file));
    std::optional<AgeTable> ages;
    if (c.ages)
        ages = std::get<AgeTable>(AgeFile::read(data(c.ages)));
    IstatChoices choices;
    choices.municipality = QString::fromUtf8(c.municipality);
    choices.currentShare = c.share;
    return IstatDerive::derive(tables, ages ? &*ages : nullptr, choices);
}

class Derivation : public testing::TestWithParam<Case> {};

} // namespace

TEST_P(Derivation, GivesTheHandComputedValues)
{
    const auto d = deriveCase(GetParam());
    ASSERT_TRUE(std::holds_alternative<IstatDerivation>(d)) << std::get<IstatRefusal>(d).message.toStdString();
    const IstatDerivation &got = std::get<IstatDerivation>(d);
    std::vector<std::string> values;
    for (const IstatInput input : kOrder)
        values.push_back(got.input(input).value.toStdString());
    EXPECT_EQ(values, std::vector<std::string>(GetParam().values.begin(), GetParam().values.end()));
    EXPECT_EQ(got.input(IstatInput::WomenShare).raised, GetParam().raised);
    EXPECT_TRUE(got.input(IstatInput::InfantMortality).assumption);
}

INSTANTIATE_TEST_SUITE_P(Files, Derivation, testing::ValuesIn(kCases), RowName());

TEST(DerivationTexts, PutTheNumbersIntoTheFormulasAndNameTheSources)
{
    const auto d = std::get<IstatDerivation>(deriveCase(kCases[0]));
    EXPECT_EQ(d.input(IstatInput::Immigration).formula.toStdString(),
              "1000 × I ÷ Pm = 1000 × 75 ÷ ((35.870 + 35.735) ÷ 2) = 2,09");
    EXPECT_EQ(d.input(IstatInput::MedianAge).formula.toStdString(),
              "Pm ÷ (D – B × m ÷ 1000) = ((35.870 + 35.735) ÷ 2) ÷ (420 – 255 × 3 ÷ 1000) = 85,4");
    EXPECT_EQ(d.input(IstatInput::WomenShare).formula.toStdString(),
              "quota già nella finestra = 20; alzata a 21: la verifica delle donne chiede almeno 50 × F ÷ A = 50 × 35 "
              "÷ 85,4 = 20,49, arrotondato per eccesso");
    EXPECT_EQ(d.input(IstatInput::Immigration).source.toStdString(),
              "ISTAT, bilancio demografico 2021–2023, dati provvisori del 2023 (P2_2021_it_099_Roccaventosa.csv, "
              "P2_2022_it_099_Roccaventosa.zip, P2_2023_it_099_Roccaventosa.csv): «Saldo migratorio interno - "
              "Totale», «Saldo migratorio con l'estero - Totale», «Saldo migratorio per altri motivi - Totale», "
              "«Popolazione al 1° gennaio - Totale», «Popolazione al 31 dicembre - Totale», «Popolazione censita al "
              "1° gennaio - Totale»; dai saldi migratori, anno per anno, la loro somma quando positiva");
    EXPECT_TRUE(d.anyProvisional());
    const auto withAges = std::get<IstatDerivation>(deriveCase(kCases[1]));
    EXPECT_EQ(withAges.input(IstatInput::WomenShare).formula.toStdString(),
              "100 × donne di età da 15 a meno di 50 anni ÷ abitanti = 100 × 3.500 ÷ 11.190 = 31,28, arrotondato a 31");
}

TEST(PastCheck, EqualsASeparateRunOfTheSameNumbers)
{
    const auto d = std::get<IstatDerivation>(deriveCase(kCases[0]));
    ASSERT_TRUE(d.pastCheck);
    // Calcola with anno1 2021, anno2 2024 and the values of the first case.
    ProjectionParams p;
    p.startYear = 2021;
    p.span = 3;
    p.fertilityRate = 1.19;
    p.fertileSpan = 35;
    p.infantMortality = 3;
    p.medianAgeAtDeath = 85.4;
    p.immigrationRate = 2.09;
    p.emigrationRate = 1.26;
    p.womenShare = 21;
    ProjectionTable table;
    table.inhabitants[1] = 12000;
    const ProjectionOutcome out = ProjectionEngine::run(p, table);
    ASSERT_TRUE(out.carried);
    const auto computed = qint64(*out.carried);
    EXPECT_EQ(d.pastCheck->computed, computed);
    EXPECT_EQ(d.pastCheck->observed, 11865);
    EXPECT_EQ(d.pastCheck->difference, computed - 11865);
    // -10 ÷ 11.865 = -0,084 %
    EXPECT_EQ(d.pastCheck->text.toStdString(),
              "Verifica sul passato: partendo da 12.000 abitanti al 1° gennaio 2021, il calcolo dà 11.855 abitanti al "
              "31 dicembre 2023; l'ISTAT ne conta 11.865: differenza -10 (-0,08%).");
    EXPECT_FALSE(std::get<IstatDerivation>(deriveCase(kCases[2])).pastCheck);
}

TEST(BalanceReading, ReadsATableSavedAgainByASpreadsheet)
{
    // Latin-1, CR LF, a quoted name holding the separator and a doubled quote.
    const QByteArray text = "Bilancio demografico 2022\r\n"
                            "Codice comune;Comune;Popolazione al 1\xB0 gennaio - Totale;Nati vivi - Totale;"
                            "Morti - Totale;Saldo migratorio interno - Totale;Saldo migratorio con l'estero - Totale;"
                            "Popolazione al 31 dicembre - Totale\r\n"
                            "40012;Forl\xEC;1.000;10;8;-5;-5;992\r\n"
                            "40013;\"Sant'Anna; \"\"alta\"\"\";1.000;10;8;5;5;1.012\r\n";
    const auto read = BalanceFile::parse(QStringLiteral("P2.csv"), text);
    ASSERT_TRUE(std::holds_alternative<BalanceTable>(read)) << std::get<IstatRefusal>(read).message.toStdString();
    const BalanceTable &t = std::get<BalanceTable>(read);
    EXPECT_EQ(t.year, 2022);
    EXPECT_EQ(t.find(40012)->name, QStringLiteral("Forlì"));
    EXPECT_EQ(t.find(40012)->outflow, 10);
    EXPECT_EQ(t.find(40013)->name, QStringLiteral("Sant'Anna; \"alta\""));
    EXPECT_EQ(t.find(40013)->p31, 1012);
}

TEST(TableYear, IsTheDateOfTheTitleThenTheFileName)
{
    using IstatCsv::year;
    EXPECT_EQ(year(QStringLiteral("Bilancio demografico e popolazione residente al 31 dicembre 2023 (aggiornato al "
                                  "15/03/2024)"),
                   QStringLiteral("P2.csv")),
              2023);
    EXPECT_EQ(year(QStringLiteral("Bilancio demografico, dati al 15/03/2024"), QStringLiteral("P2_2023_it_Comuni.zip")),
              2023);
    EXPECT_EQ(year(QStringLiteral("Bilancio demografico 2022"), QStringLiteral("P2.csv")), 2022);
}
