// vicania-cli's hypotheses: the values set before the commands, the CSV of
// the three, each column what a plain run of the study with those values
// typed in prints.
#include "storage/Windows1252.h"
#include "support/CliRun.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QString kTitle = QStringLiteral(R"("Prova","Borgo","","","","","","","")");

QString studyWith(const QTemporaryDir &dir, const QString &name, const QString &tassofert, const QString &immigr)
{
    const QString path = dir.filePath(name);
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(*Windows1252::encode(
        QStringLiteral(R"("2000","10000","%1","25","14","49","5","80","%2","1","2040")").arg(tassofert, immigr) +
        QStringLiteral("\r\n") + kTitle + QStringLiteral("\r\n")));
    return path;
}

// Year and inhabitants of each grid line vicania-cli prints.
QStringList inhabitants(const CliRun &r)
{
    QStringList out;
    for (const QString &line : r.out.mid(6))
        out << line.section(u';', 0, 1);
    return out;
}

} // namespace

TEST(CliHypotheses, EachColumnIsARunWithItsValuesTyped)
{
    QTemporaryDir dir;
    const QString csv = dir.filePath(QStringLiteral("ipotesi.csv"));
    const CliRun r = cli({QStringLiteral("esegui"), studyWith(dir, QStringLiteral("Vicania-dati-c"), "1,5", "3"),
                          QStringLiteral("--ipotesi-valori"), QStringLiteral("tassofert=1,2:1,9;immigr=0:6"),
                          QStringLiteral("--ipotesi"), csv});
    ASSERT_EQ(r.code, 0) << r.err.join(u'\n').toStdString();
    QFile f(csv);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray bytes = f.readAll();
    ASSERT_TRUE(bytes.startsWith("\xEF\xBB\xBF"
                                 "Anno;Bassa;Centrale;Alta\r\n"));
    const QStringList lines = QString::fromUtf8(bytes.mid(3)).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 1 + 41 + 1);
    const std::pair<int, std::pair<const char *, const char *>> columns[] = {
        {1, {"1,2", "0"}}, {2, {"1,5", "3"}}, {3, {"1,9", "6"}}};
    for (const auto &[column, values] : columns) {
        const CliRun plain =
            cli({QStringLiteral("esegui"),
                 studyWith(dir, QStringLiteral("Vicania-dati-%1").arg(column), values.first, values.second)});
        QStringList got;
        for (const QString &line : lines.mid(1, 41))
            got << line.section(u';', 0, 0) + u';' + line.section(u';', column, column);
        EXPECT_EQ(got, inhabitants(plain)) << column;
        EXPECT_EQ(lines.back().section(u';', column, column), plain.out[3].section(u'=', 1)) << column;
    }
    EXPECT_TRUE(lines.back().startsWith(QStringLiteral("Risultato;")));
}

TEST(CliHypotheses, ARefusedHypothesisIsNamedAndWrongValuesAreAWrongCommand)
{
    QTemporaryDir dir;
    const QString study = studyWith(dir, QStringLiteral("Vicania-dati-r"), "1,5", "3");
    const QString csv = dir.filePath(QStringLiteral("ipotesi.csv"));
    CliRun r = cli({QStringLiteral("esegui"), study, QStringLiteral("--ipotesi-valori"),
                    QStringLiteral("aspvita=40:82"), QStringLiteral("--ipotesi"), csv});
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.err.value(0), "Il calcolo dell'ipotesi bassa non si può fare: Attenzione: la percentuale delle donne "
                              "in età feconda è troppa bassa rispetto agli abitanti! Aumentarla.");
    EXPECT_FALSE(QFile::exists(csv));

    r = cli({QStringLiteral("esegui"), study, QStringLiteral("--ipotesi-valori"), QStringLiteral("anno2=2030:2040")});
    EXPECT_EQ(r.code, 3);
    EXPECT_EQ(r.err.value(0), "Dato sconosciuto in --ipotesi-valori: \"anno2\" (si possono dare: tassofert, aspvita, "
                              "immigr, emigr)");
    r = cli({QStringLiteral("esegui"), study, QStringLiteral("--ipotesi-valori"), QStringLiteral("tassofert=1,2")});
    EXPECT_EQ(r.code, 3);
}
