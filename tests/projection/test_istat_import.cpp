// The ISTAT import as its dialog drives it, without a window: files chosen
// through the scripted dialogs, the search, the notes under the preview.
#include "projection/IstatImport.h"
#include "support/Cases.h"
#include "support/IstatFiles.h"
#include "support/Scripted.h"

#include <gtest/gtest.h>

namespace {

QStringList labels(const IstatImport &import)
{
    QStringList out;
    for (const IstatImport::Municipality &m : import.shown())
        out << m.label;
    return out;
}

struct Search {
    const char *name;
    const char *typed;
    QStringList shown;
    friend void PrintTo(const Search &row, std::ostream *os) { *os << row.name; }
};

const Search kSearches[] = {
    {"Nothing", "", {"046007 Capannori", "046016 Lucchio", "046017 Lucca"}},
    {"PartOfAName", "lucc", {"046016 Lucchio", "046017 Lucca"}},
    {"CaseAndSpaces", "  LUCCA ", {"046017 Lucca"}},
    {"Code", "046017", {"046017 Lucca"}},
    {"CodeWithoutItsZero", "46007", {"046007 Capannori"}},
    {"CodeAndName", "046 lucchio", {"046016 Lucchio"}},
    {"NoMatch", "Pisa", {}},
};

class IstatSearch : public testing::TestWithParam<Search> {};

} // namespace

TEST_P(IstatSearch, FiltersTheLatestYearByNameAndCode)
{
    IstatFiles files;
    ScriptedDialogs dialogs;
    IstatImport import(dialogs, QStringLiteral("25"));
    import.addBalances({files.balance2022(), files.balance2023()});
    import.setSearch(QString::fromUtf8(GetParam().typed));
    EXPECT_EQ(labels(import), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(Typed, IstatSearch, testing::ValuesIn(kSearches), RowName());

TEST(IstatImportFiles, SeveralChosenAtOnceAreListedByYearAndARefusedOneIsNotAdded)
{
    IstatFiles files;
    ScriptedDialogs dialogs;
    IstatImport import(dialogs, QStringLiteral("25"));
    EXPECT_EQ(import.message(), QStringLiteral("Aggiungi uno o più bilanci demografici (P2) dell'ISTAT, un file per "
                                               "anno, poi scegli il comune."));
    dialogs.fileLists.push_back(QStringList{files.balance2023(), files.notABalance(), files.balance2022()});
    import.chooseBalances();
    ASSERT_EQ(dialogs.requests.size(), 1);
    EXPECT_EQ(dialogs.requests[0].title, QStringLiteral("Bilanci demografici ISTAT (P2)"));
    ASSERT_EQ(import.balances().size(), 2u);
    EXPECT_EQ(import.balances()[0].year, 2022);
    EXPECT_EQ(import.balances()[1].year, 2023);
    EXPECT_EQ(import.fileMessage().toStdString(),
              "Il file «P2_2021_it_046_Lucca.csv» non è un bilancio demografico ISTAT dei comuni: manca la colonna "
              "«Nati vivi - Totale».");

    // Another file of a year already there is refused; the same file again is no change.
    import.addBalances({files.write(QStringLiteral("altro.csv"), IstatFiles::text2023()), files.balance2022()});
    EXPECT_EQ(import.balances().size(), 2u);
    EXPECT_EQ(import.fileMessage().toStdString(),
              "I file «P2_2023_it_046_Lucca.csv» e «altro.csv» sono entrambi del 2023: serve un solo file per anno.");
    EXPECT_EQ(import.message(),
              QStringLiteral("Scegli il comune nell'elenco: qui compariranno i dati ricavati dai file dell'ISTAT."));
}

namespace {

struct Notes {
    const char *name;
    bool bothYears;
    const char *windowShare;
    QStringList notes; // the last one, the check on the past, by its beginning
    friend void PrintTo(const Notes &row, std::ostream *os) { *os << row.name; }
};

// One year of Lucca: Pm 10.000, aspvita 10.000 ÷ (120 - 0,24) = 83,5; the
// women check asks 50 × 35 ÷ 83,5 = 20,96 -> 21.
const Notes kNotes[] = {
    {"TwoYearsOneProvisional",
     true,
     "25",
     {"Dati provvisori (segnati dall'ISTAT con «p»): 2023.",
      "Verifica sul passato: partendo da 10.000 abitanti al 1° gennaio 2022, il calcolo dà "}},
    {"OneYearShareRaised",
     false,
     "10",
     {"La quota di donne in età feconda è alzata a 21%: con una quota minore il calcolo non passerebbe il controllo "
      "delle donne in età feconda.",
      "Verifica sul passato: con un solo anno di bilancio non si può fare; aggiungi i bilanci degli anni "
      "precedenti."}},
};

class IstatNotes : public testing::TestWithParam<Notes> {};

} // namespace

TEST_P(IstatNotes, SayWhatThePreviewCannotShowInItsTable)
{
    const Notes &row = GetParam();
    IstatFiles files;
    ScriptedDialogs dialogs;
    IstatImport import(dialogs, QString::fromUtf8(row.windowShare));
    import.addBalances(row.bothYears ? QStringList{files.balance2022(), files.balance2023()}
                                     : QStringList{files.balance2022()});
    import.choose(QStringLiteral("046017"));
    ASSERT_EQ(import.state(), IstatImport::State::Derived) << import.message().toStdString();
    const QStringList notes = import.notes();
    ASSERT_EQ(notes.size(), row.notes.size());
    for (qsizetype i = 0; i + 1 < notes.size(); ++i)
        EXPECT_EQ(notes[i].toStdString(), row.notes[i].toStdString());
    EXPECT_TRUE(notes.last().startsWith(row.notes.last())) << notes.last().toStdString();
}

INSTANTIATE_TEST_SUITE_P(Imports, IstatNotes, testing::ValuesIn(kNotes), RowName());

TEST(IstatImportAssumptions, ATextThatIsNoNumberRefusesAndNothingCanBeApplied)
{
    IstatFiles files;
    Window w;
    IstatImport import(w.dialogs, QStringLiteral("25"));
    import.addBalances({files.balance2022()});
    import.choose(QStringLiteral("046017"));
    import.setAssumption(IstatImport::Assumption::InfantMortality, QStringLiteral("tre"));
    EXPECT_EQ(import.state(), IstatImport::State::Refused);
    EXPECT_EQ(import.message().toStdString(), "Il dato \"Mortalità infantile su 1000\" non è un numero valido: digita "
                                              "solo cifre, con la virgola per i decimali.");
    EXPECT_FALSE(import.apply(w.m().files()));
    EXPECT_EQ(w.m().text(ProjectionInput::anno1), QString());
    import.setAssumption(IstatImport::Assumption::InfantMortality, QStringLiteral("2,5"));
    EXPECT_EQ(import.state(), IstatImport::State::Derived);
}
