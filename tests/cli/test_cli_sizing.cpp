// vicania-cli's plan sizing: the figures set before the commands, the CSV of
// the results, one column or one per hypothesis.
#include "storage/Windows1252.h"
#include "support/CliRun.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QStringList csvLines(const QString &path)
{
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << path.toStdString();
    const QByteArray bytes = f.readAll();
    EXPECT_TRUE(bytes.startsWith("\xEF\xBB\xBF"));
    return QString::fromUtf8(bytes.mid(3)).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
}

QString study(const QTemporaryDir &dir)
{
    const QString path = dir.filePath(QStringLiteral("Vicania-dati-piano"));
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(R"("2000","10000","1,5","25","14","49","5","80","3","1","2030")"
            "\r\n"
            R"("Piano","Borgo","","","","","","","")"
            "\r\n");
    return path;
}

} // namespace

// The worked example grows to 10.040 in 2030 (see tests/projection/test_sizing.cpp).
TEST(CliSizing, WritesEachResultAndAColumnPerHypothesis)
{
    QTemporaryDir dir;
    const QString one = dir.filePath(QStringLiteral("uno.csv")), three = dir.filePath(QStringLiteral("tre.csv")),
                  hypotheses = dir.filePath(QStringLiteral("ipotesi.csv"));
    const QString values = QStringLiteral("famiglia=2,21;variazione=-0,01;esist_verde=50000");
    CliRun r = cli({QStringLiteral("esegui"), study(dir), QStringLiteral("--dimensionamento-valori"), values,
                    QStringLiteral("--dimensionamento"), one});
    ASSERT_EQ(r.code, 0) << r.err.join(u'\n').toStdString();
    EXPECT_EQ(csvLines(one).join(u' '),
              "voce;valore abitanti_inizio;10000 abitanti_arrivo;10040 differenza;40 componenti_arrivo;1,91 "
              "famiglie_inizio;4525 famiglie_arrivo;5257 abitazioni;769 volume_m3;4000 richiesto_istruzione;45180 "
              "richiesto_interesse;20080 richiesto_verde;90360 richiesto_parcheggi;25100 richiesto_totale;180720 "
              "carenza_istruzione;45180 carenza_interesse;20080 carenza_verde;40360 carenza_parcheggi;25100 "
              "carenza_totale;130720");

    r = cli({QStringLiteral("esegui"), study(dir), QStringLiteral("--dimensionamento-valori"), values,
             QStringLiteral("--ipotesi-valori"), QStringLiteral("tassofert=1,2:1,9"),
             QStringLiteral("--dimensionamento"), three, QStringLiteral("--ipotesi"), hypotheses});
    ASSERT_EQ(r.code, 0) << r.err.join(u'\n').toStdString();
    const QStringList lines = csvLines(three);
    ASSERT_EQ(lines.size(), 19);
    EXPECT_EQ(lines[0], "voce;bassa;centrale;alta");
    // Each hypothesis's inhabitants are its result; the central column is the study's own.
    EXPECT_EQ(lines[2], "abitanti_arrivo;" + csvLines(hypotheses).last().section(u';', 1));
    for (int i = 1; i < lines.size(); ++i)
        EXPECT_EQ(lines[i].section(u';', 2, 2), csvLines(one)[i].section(u';', 1, 1)) << i;
}

TEST(CliSizing, RefusesAHouseholdSizeOfZeroAndUnknownKeys)
{
    QTemporaryDir dir;
    const QString csv = dir.filePath(QStringLiteral("no.csv"));
    CliRun r = cli({QStringLiteral("esegui"), study(dir), QStringLiteral("--dimensionamento-valori"),
                    QStringLiteral("famiglia=0,6;variazione=-0,02"), QStringLiteral("--dimensionamento"), csv});
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.err.value(0), "I componenti per famiglia nell'anno di arrivo (0,00) sono zero o meno: controlla i "
                              "componenti per famiglia e la loro variazione annua.");
    EXPECT_FALSE(QFile::exists(csv));
    r = cli({QStringLiteral("esegui"), study(dir), QStringLiteral("--dimensionamento-valori"),
             QStringLiteral("abitanti=3")});
    EXPECT_EQ(r.code, 3);
    EXPECT_TRUE(r.err.value(0).startsWith("Dato sconosciuto in --dimensionamento-valori: \"abitanti\""));
}
