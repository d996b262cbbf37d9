// vicania-cli importa: ISTAT's tables to a study with its source, on the
// test files whose numbers tests/istat works out by hand.
#include "support/Cases.h"
#include "support/CliRun.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QString data(const char *name)
{
    return QStringLiteral(ISTAT_DATA "/") + QString::fromUtf8(name);
}

QStringList threeYears()
{
    return {data("P2_2023_it_099_Roccaventosa.csv"), data("P2_2021_it_099_Roccaventosa.csv"),
            data("P2_2022_it_099_Roccaventosa.zip")};
}

QList<QByteArray> fileLines(const QString &path)
{
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << path.toStdString();
    return f.readAll().split('\n');
}

} // namespace

// Three years and the ages (see tests/istat for the arithmetic); the study
// runs as any other, and its first two lines are the inputs as printed.
TEST(CliImport, WritesTheStudyWithItsSourceAndPrintsEachDerivation)
{
    QTemporaryDir dir;
    const QString study = dir.filePath(QStringLiteral("Vicania-dati-rocca"));
    const CliRun r = cli(QStringList{QStringLiteral("importa"), QStringLiteral("--posas"),
                                     data("POSAS_2024_it_099_Roccaventosa.zip"), QStringLiteral("--comune"),
                                     QStringLiteral("099001"), QStringLiteral("--anno-arrivo"), QStringLiteral("2034"),
                                     QStringLiteral("--studio"), study} +
                         threeYears());
    ASSERT_EQ(r.code, 0) << r.err.join(u'\n').toStdString();
    QStringList values;
    for (const QString &line : r.out.mid(0, 10))
        values << line.section(u';', 0, 1);
    EXPECT_EQ(values, QStringList({"anno1;2024", "abitnoti;11865", "tassofert;0,80", "pdf;31", "iniziofert;15",
                                   "finefert;50", "mortinfanti;3", "aspvita;85,4", "immigr;2,09", "emigr;1,26"}));
    EXPECT_EQ(r.out.value(2).section(u';', 2),
              "B × F × 100 ÷ (Pm × quota) = 255 × 35 × 100 ÷ (((35.870 + 35.735) ÷ 2) × 31) = 0,80");
    EXPECT_TRUE(r.out.value(10).startsWith(
        "Verifica sul passato: partendo da 12.000 abitanti al 1° gennaio 2021, il calcolo dà "));

    const QList<QByteArray> lines = fileLines(study);
    ASSERT_GE(lines.size(), 3);
    EXPECT_EQ(lines[0], "\"2024\",\"11865\",\"0,80\",\"31\",\"15\",\"50\",\"3\",\"85,4\",\"2,09\",\"1,26\",\"2034\"\r");
    EXPECT_EQ(lines[1], "\"\",\"Roccaventosa\",\"\",\"\",\"\",\"\",\"\",\"\",\"\"\r");
    EXPECT_TRUE(lines[2].startsWith("\"fonte\",\"comune\",\"099001\",\"Roccaventosa\",\"anno\",\"2021\","));

    const CliRun run = cli({QStringLiteral("esegui"), study, QStringLiteral("calcola")});
    EXPECT_EQ(run.code, 0) << run.err.join(u'\n').toStdString();
    EXPECT_TRUE(run.out.contains(QStringLiteral("anno2=2034")));
}

namespace {

struct Wrong {
    const char *name;
    QStringList args; // after "importa --studio FILE"
    int code;
    const char *message; // the first line on the error output
    friend void PrintTo(const Wrong &row, std::ostream *os) { *os << row.name; }
};

std::vector<Wrong> wrongs()
{
    const QString p2023 = data("P2_2023_it_099_Roccaventosa.csv");
    return {
        {"Ambiguous",
         {QStringLiteral("--comune"), QStringLiteral("castelmare"), p2023},
         1,
         "«castelmare» indica più comuni: Castelmare (098003), Castelmare (099003). Scegline uno con il suo codice."},
        {"NotFound",
         {QStringLiteral("--comune"), QStringLiteral("Lucca"), p2023},
         1,
         "Nessun comune del file «P2_2023_it_099_Roccaventosa.csv» ha il nome o il codice «Lucca»."},
        {"NoSuchFile", {data("P2_1999.csv")}, 2, "Il file «P2_1999.csv» non si può leggere."},
        {"SeveralWithoutComune",
         {p2023},
         3,
         "Indica il comune con --comune (codice o nome): il file \"P2_2023_it_099_Roccaventosa.csv\" ne elenca 4."},
        {"UnknownOption",
         {QStringLiteral("--provincia"), QStringLiteral("Lucca"), p2023},
         3,
         "Opzione sconosciuta: --provincia"},
        {"NotAYear",
         {QStringLiteral("--anno-arrivo"), QStringLiteral("duemila"), p2023},
         3,
         "L'anno di arrivo \"duemila\" non è un anno che il calcolo accetta."},
        {"NoFiles", {}, 3, "Manca almeno un file del bilancio demografico ISTAT (P2)."},
    };
}

class ImportRefused : public testing::TestWithParam<Wrong> {};

} // namespace

TEST_P(ImportRefused, ExitsWithItsCodeAndSaysWhyWritingNothing)
{
    QTemporaryDir dir;
    const QString study = dir.filePath(QStringLiteral("Vicania-dati-no"));
    const CliRun r = cli(QStringList{QStringLiteral("importa"), QStringLiteral("--studio"), study} + GetParam().args);
    EXPECT_EQ(r.code, GetParam().code);
    EXPECT_EQ(r.err.value(0).toStdString(), GetParam().message);
    EXPECT_FALSE(QFile::exists(study));
}

INSTANTIATE_TEST_SUITE_P(Commands, ImportRefused, testing::ValuesIn(wrongs()), RowName());

TEST(CliImport, RefusesWithoutTheStudyToWrite)
{
    const CliRun r = cli({QStringLiteral("importa"), data("P2_2023_it_099_Roccaventosa.csv")});
    EXPECT_EQ(r.code, 3);
    EXPECT_EQ(r.err.value(0), "Manca --studio con il file dello studio da scrivere.");
}
