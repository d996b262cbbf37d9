// vicania-cli end to end: the real program on real files.
#include "output/Outputs.h"
#include "storage/Windows1252.h"
#include "support/Cases.h"
#include "support/CliRun.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QString writeStudy(const QTemporaryDir &dir, const QString &name, const QString &line1, const QString &line2)
{
    const QString path = dir.filePath(name);
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(*Windows1252::encode(line1 + QStringLiteral("\r\n") + line2 + QStringLiteral("\r\n")));
    return path;
}

const QString kTitle = QStringLiteral(R"("Prova","Borgo","analisi","Comune","Borgo","lunedì, 7 dic 2026","","","")");

} // namespace

TEST(Cli, PrintsTheStateAndTheGridOfTheWorkedExample)
{
    QTemporaryDir dir;
    const QString path =
        writeStudy(dir, QStringLiteral("Vicania-dati-prova"),
                   QStringLiteral(R"("2000","10000","1,5","25","14","49","5","80","10","4","2003")"), kTitle);
    const CliRun r = cli({QStringLiteral("esegui"), path});
    EXPECT_EQ(r.code, 0);
    EXPECT_TRUE(r.err.isEmpty()) << r.err.join(u'\n').toStdString();
    ASSERT_EQ(r.out.size(), 6 + 4);
    EXPECT_EQ(r.out[0], QStringLiteral("anno1=2000"));
    EXPECT_EQ(r.out[1], QStringLiteral("abitnoti=10000"));
    EXPECT_EQ(r.out[2], QStringLiteral("anno2=2003"));
    EXPECT_EQ(r.out[3], QStringLiteral("popolazione=10065"));
    EXPECT_EQ(r.out[4], QStringLiteral("operazioni=52"));
    EXPECT_EQ(r.out[5], QStringLiteral("Anno;Abitanti;Immigrati;Emigrati;Donne;Nascite;Mortalità;Morti;+/- abit."));
    EXPECT_EQ(r.out[6], QStringLiteral("2000;10000;0;0;2500;107;1;125;-18"));
    EXPECT_TRUE(r.out[7].startsWith(QStringLiteral("2001;10042;100;40;")));
    EXPECT_TRUE(r.out[9].startsWith(QStringLiteral("2003;10065;0;0;")));
}

TEST(Cli, WritesADocumentWithoutAnOfficeAndSaysSo)
{
    QTemporaryDir dir;
    const QString line1 = QStringLiteral(R"("2000","10000","1,5","25","14","49","5","80","10","4","2003")");
    const QString bare = writeStudy(dir, QStringLiteral("Vicania-dati-senza"), line1, kTitle);
    const QString report = dir.filePath(QStringLiteral("relazione.docx"));
    CliRun r = cli({QStringLiteral("esegui"), bare, QStringLiteral("--relazione"), report});
    EXPECT_EQ(r.code, 0);
    EXPECT_TRUE(QFile::exists(report));
    ASSERT_EQ(r.err.size(), 1);
    EXPECT_EQ(r.err[0], QStringLiteral("Attenzione: nessuno studio professionale è impostato, né nel programma né "
                                       "nello studio: il documento non riporta né il nome né l'indirizzo dello "
                                       "studio."));
    // The study's own office signs it: nothing to say.
    const QString withOffice = writeStudy(
        dir, QStringLiteral("Vicania-dati-con"), line1,
        QStringLiteral(
            R"("Prova","Borgo","analisi","Comune","Borgo","lunedì, 7 dic 2026","","Studio Rossi","Via Roma 1")"));
    r = cli({QStringLiteral("esegui"), withOffice, QStringLiteral("--solo-dati"), report});
    EXPECT_EQ(r.code, 0);
    EXPECT_TRUE(r.err.isEmpty()) << r.err.join(u'\n').toStdString();
}

// The options come from the table of outputs: each one the usage lists is a
// row, in the same order, and each row writes its file.
TEST(Cli, WritesEveryOutputOfTheTableByTheOptionItsUsageLists)
{
    // The options of esegui, before the usage of importa.
    const QString usage =
        cli({QStringLiteral("--help")}).err.join(u' ').section(QStringLiteral("Uso: vicania-cli importa"), 0, 0);
    QStringList listed, rows;
    for (const QRegularExpressionMatch &m : QRegularExpression(QStringLiteral(R"(\[(--[a-z-]+))")).globalMatch(usage))
        listed << m.captured(1);
    for (const Outputs::Output &o : Outputs::all())
        rows << QString::fromLatin1(o.cliOption);
    EXPECT_EQ(listed, rows);

    QTemporaryDir dir;
    const QString study = writeStudy(
        dir, QStringLiteral("Vicania-dati-tutti"),
        QStringLiteral(R"("2000","10000","1,5","25","14","49","5","80","10","4","2003")"),
        QStringLiteral(R"("Prova","Borgo","analisi","Comune","Borgo","lunedì, 7 dic 2026","","Studio Rossi","Via")"));
    for (const QString &option : std::as_const(listed)) {
        const QString extension = option == QLatin1String("--grafico") ? QStringLiteral(".png")
                                  : option == QLatin1String("--xlsx")  ? QStringLiteral(".xlsx")
                                  : option == QLatin1String("--csv") || option == QLatin1String("--ipotesi") ||
                                          option == QLatin1String("--dimensionamento")
                                      ? QStringLiteral(".csv")
                                      : QStringLiteral(".docx");
        const QString file = dir.filePath(option.mid(2) + extension);
        QStringList args{QStringLiteral("esegui"), study};
        // The hypotheses and the sizing are written only for a study that has them.
        if (option == QLatin1String("--ipotesi"))
            args << QStringLiteral("--ipotesi-valori") << QStringLiteral("tassofert=1,2:1,8");
        if (option == QLatin1String("--dimensionamento"))
            args << QStringLiteral("--dimensionamento-valori") << QStringLiteral("famiglia=2,3");
        args << option;
        if (option == QLatin1String("--pagina-guida"))
            args << QStringLiteral("manuale");
        const CliRun r = cli(args << file);
        EXPECT_EQ(r.code, 0) << option.toStdString() << ": " << r.err.join(u'\n').toStdString();
        EXPECT_GT(QFileInfo(file).size(), 0) << option.toStdString();
    }
}

TEST(Cli, RunsTheCommandsInOrder)
{
    const CliRun r = cli({QStringLiteral("esegui"), QStringLiteral(VICANIA_EXAMPLE), QStringLiteral("calcola"),
                          QStringLiteral("verifica")});
    EXPECT_EQ(r.code, 0);
    ASSERT_GE(r.out.size(), 6);
    // The example estimates 1991 back from the 2021 census; Verifica runs forwards again.
    EXPECT_EQ(r.out[0], QStringLiteral("anno1=1991"));
    EXPECT_EQ(r.out[2], QStringLiteral("anno2=2021"));
    EXPECT_EQ(r.out.size(), 6 + 31);
    EXPECT_TRUE(r.out[6].startsWith(QStringLiteral("1991;")));
}

TEST(Cli, ReportsStopsRefusalsAndUnreadableFiles)
{
    QTemporaryDir dir;
    // A share of 10 fails the women check: the message goes to standard error.
    const QString women =
        writeStudy(dir, QStringLiteral("Vicania-dati-donne"),
                   QStringLiteral(R"("2000","10000","1,5","10","14","49","5","80","","","2003")"), kTitle);
    CliRun r = cli({QStringLiteral("esegui"), women});
    EXPECT_EQ(r.code, 1);
    ASSERT_EQ(r.err.size(), 1);
    EXPECT_TRUE(r.err[0].startsWith(QStringLiteral("Attenzione: la percentuale delle donne")));
    EXPECT_TRUE(r.out.contains(QStringLiteral("popolazione=")));

    // The span refusal asks to leave; the answer is Yes and the run ends.
    const QString span =
        writeStudy(dir, QStringLiteral("Vicania-dati-lungo"),
                   QStringLiteral(R"("1800","10000","1,5","25","14","49","5","80","","","2100")"), kTitle);
    r = cli({QStringLiteral("esegui"), span, QStringLiteral("calcola"), QStringLiteral("calcola")});
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(
        r.err,
        QStringList({QStringLiteral("Attenzione: la massima differenza di anni non può superare il valore di 199."),
                     QStringLiteral("Vuoi uscire da Vicania?")}));
    EXPECT_EQ(r.out.size(), 6 + 200);

    const QString shortFile = writeStudy(dir, QStringLiteral("corto"), QStringLiteral(R"("2000","10")"), QString());
    r = cli({QStringLiteral("esegui"), shortFile});
    EXPECT_EQ(r.code, 2);
    EXPECT_TRUE(r.out.isEmpty());
    EXPECT_FALSE(r.err.isEmpty());

    r = cli({QStringLiteral("esegui"), dir.filePath(QStringLiteral("manca"))});
    EXPECT_EQ(r.code, 2);
    EXPECT_TRUE(r.err.join(u' ').contains(QStringLiteral("manca")));

    r = cli({QStringLiteral("esegui"), women, QStringLiteral("stampa")});
    EXPECT_EQ(r.code, 3);
}

namespace {

struct Absurd {
    const char *name;
    const char *known;
    friend void PrintTo(const Absurd &row, std::ostream *os) { *os << row.known << " inhabitants"; }
};

const Absurd kAbsurd[] = {{"Huge", "1e308"}, {"TwentyDigits", "99999999999999999999"}, {"Negative", "-5"}};

class AbsurdKnownInhabitants : public testing::TestWithParam<Absurd> {};

} // namespace

TEST_P(AbsurdKnownInhabitants, AreRefusedNeverPrintedAsNan)
{
    QTemporaryDir dir;
    const QString study = writeStudy(dir, QStringLiteral("Vicania-dati-assurdo"),
                                     QStringLiteral(R"("2000","%1","1,5","25","14","49","5","80","","","2003")")
                                         .arg(QLatin1String(GetParam().known)),
                                     kTitle);
    for (const QStringList &commands :
         {QStringList{QStringLiteral("calcola")},
          QStringList{QStringLiteral("calcola"), QStringLiteral("verifica"), QStringLiteral("riequilibra")}}) {
        SCOPED_TRACE(commands.join(u' ').toStdString());
        const CliRun r = cli(QStringList{QStringLiteral("esegui"), study} + commands);
        EXPECT_EQ(r.code, 1);
        EXPECT_TRUE(r.out.contains(QStringLiteral("popolazione=")));
        EXPECT_FALSE(r.out.join(u'\n').contains(QStringLiteral("nan")));
        EXPECT_TRUE(r.err.join(u' ').contains(QStringLiteral("Numero di abitanti nell'anno di partenza")));
    }
}

INSTANTIATE_TEST_SUITE_P(Cli, AbsurdKnownInhabitants, testing::ValuesIn(kAbsurd), RowName());
