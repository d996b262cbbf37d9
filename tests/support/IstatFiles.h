// Small ISTAT tables written for a test, in the forms ISTAT publishes.
//
// Two years of demographic balance (P2) of three municipalities of the
// province of Lucca; 046017 Lucca, worked by hand:
//   2022: P1 10.000, B 80, D 120, balances +30 +20 -10 = +40, P31 10.000
//   2023: P1 10.000, B 70, D 130, balances -50 +10 +0 = -40, P31 9.900 (p)
//   Pm = (20.000 + 19.900) ÷ 2 = 19.950; B 150, D 250, I 40, E 40
//   immigr = emigr = 1000 × 40 ÷ 19.950 = 2,005 -> 2,01
//   aspvita = 19.950 ÷ (250 - 150 × 3 ÷ 1000) = 79,94 -> 79,9
//   the women check asks 50 × 35 ÷ 79,9 = 21,9 -> 22; with the window's 25,
//   tassofert = 150 × 35 × 100 ÷ (19.950 × 25) = 1,0526 -> 1,05
#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

struct IstatFiles {
    QTemporaryDir dir;

    QString write(const QString &name, const QByteArray &text)
    {
        const QString path = dir.filePath(name);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size())
            qFatal("cannot write %s", qPrintable(path));
        return path;
    }

    static QByteArray heading()
    {
        return "Codice comune;Comune;Popolazione al 1° gennaio - Totale;Nati vivi - Totale;Morti - Totale;"
               "Saldo migratorio interno - Totale;Saldo migratorio con l'estero - Totale;"
               "Saldo migratorio per altri motivi - Totale;Popolazione al 31 dicembre - Totale;Informazioni\n";
    }

    // With a byte-order mark.
    static QByteArray text2022()
    {
        return "\xEF\xBB\xBF\"Bilancio demografico e popolazione residente al 31 dicembre 2022\"\n" + heading() +
               "046007;Capannori;46.000;300;450;100;50;0;46.000;\n"
               "046016;Lucchio;200;1;3;0;0;0;198;\n"
               "046017;Lucca;10.000;80;120;30;20;-10;10.000;\n";
    }
    // Provisional.
    static QByteArray text2023()
    {
        return "\"Bilancio demografico e popolazione residente al 31 dicembre 2023\"\n" + heading() +
               "046007;Capannori;46.000;290;460;120;50;0;46.000;p\n"
               "046016;Lucchio;198;0;4;1;0;0;195;p\n"
               "046017;Lucca;10.000;70;130;-50;10;0;9.900;p\n";
    }
    QString balance2022() { return write(QStringLiteral("P2_2022_it_046_Lucca.csv"), text2022()); }
    QString balance2023() { return write(QStringLiteral("P2_2023_it_046_Lucca.csv"), text2023()); }

    // A table of another kind: no births, no deaths.
    QString notABalance()
    {
        return write(QStringLiteral("P2_2021_it_046_Lucca.csv"),
                     "\"Bilancio demografico 2021\"\nCodice comune;Comune;Popolazione al 1° gennaio - Totale\n"
                     "046017;Lucca;10.000\n");
    }
};
