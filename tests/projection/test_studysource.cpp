// A study's optional lines: the source of imported data goes with the study
// through its file and its recovered copy; a study without it is untouched.
#include "estimate/StudySnapshot.h"
#include "output/SourceTexts.h"
#include "storage/RecoveryCopy.h"
#include "storage/StudyFile.h"
#include "storage/Windows1252.h"
#include "support/Scripted.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QByteArray kLine1 = R"("2024","11865","0,80","31","15","50","3","85,4","2,09","1,26","2034")";
const QByteArray kLine2 = R"("Stima","Roccaventosa","","","","","","","")";

StudySource source()
{
    StudySource s;
    s.code = QStringLiteral("099001");
    s.name = QStringLiteral("Roccaventosa");
    s.years = {{2022, QStringLiteral("P2_2022.zip"), false}, {2023, QStringLiteral("P2_2023.csv"), true}};
    s.inputs = {{QStringLiteral("tassofert"), QStringLiteral("0,80"), QStringLiteral("255 × 35 ÷ 2 = 0,80"),
                 QStringLiteral("ISTAT, «Nati vivi - Totale»"), false, false},
                {QStringLiteral("mortinfanti"), QStringLiteral("3"), QStringLiteral("ipotesi dell'utente"),
                 QStringLiteral("ipotesi"), true, false}};
    s.check = StudySource::Check{2022, 2023, 12000, 11870, 11865, 5, QStringLiteral("+0,04")};
    return s;
}

QByteArray fileWith(const QByteArray &extra)
{
    return kLine1 + "\r\n" + kLine2 + "\r\n" + extra;
}

QByteArray savedAgain(const QByteArray &bytes)
{
    QTemporaryDir dir;
    const QString in = dir.filePath(QStringLiteral("Vicania-dati-in")),
                  out = dir.filePath(QStringLiteral("Vicania-dati-out"));
    QFile f(in);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size());
    f.close();
    Window w;
    EXPECT_EQ(w.m().files().apriStudio(in), ProjectionModel::OpenResult::Opened);
    w.m().calcola_Click();
    w.dialogs.choices.push_back(out);
    EXPECT_EQ(w.m().files().salvafile_Click(), ProjectionModel::SaveResult::Saved);
    QFile g(out);
    return g.open(QIODevice::ReadOnly) ? g.readAll() : QByteArray();
}

} // namespace

TEST(SourceLine, StudiesWithAndWithoutItAreSavedAgainByteForByte)
{
    const QByteArray line = *Windows1252::encode(
        QStringLiteral("\"fonte\",\"comune\",\"099001\",\"Roccaventosa\",\"anno\",\"2023\",\"P2_2023.csv\",\"p\","
                       "\"dato\",\"aspvita\",\"85,4\",\"Pm ÷ (D – B × m ÷ 1000) = 85,4\",\"ISTAT, «Morti»\",\"\"\r\n"));
    EXPECT_EQ(savedAgain(fileWith({})), fileWith({}));
    EXPECT_EQ(savedAgain(fileWith(line)), fileWith(line));
    // Lines this program does not know are not kept; the others keep their order.
    EXPECT_EQ(savedAgain(fileWith("\"altro\",\"x\"\r\n" + line)), fileWith(line));
    const QByteArray plan = "\"ipotesi\",\"tassofert\",\"0,7\",\"0,9\"\r\n"
                            "\"dimensionamento\",\"famiglia\",\"2,21\",\"regola\",\"L.R. 24/2017\"\r\n";
    EXPECT_EQ(savedAgain(fileWith(plan.split('\n')[1] + "\n" + line + plan.split('\n')[0] + "\n")),
              fileWith(line + plan));
}

TEST(SourceLine, AReaderOfTwoLinesReadsTheSameStudy)
{
    const QStringList line = source().line();
    StudyRecord r = *StudyFile::parse(fileWith({}));
    r.setLine(line.front(), line);
    const QByteArray bytes = *StudyFile::serialize(r);
    const QStringList twenty = StudyFile::splitFields(StudyFile::decode(bytes)).mid(0, StudyFile::kFieldCount);
    EXPECT_EQ(twenty, StudyFile::splitFields(StudyFile::decode(fileWith({}))));
    const auto back = StudyFile::parse(bytes);
    ASSERT_TRUE(back);
    EXPECT_EQ(StudySource::fromLine(*back->line(QStringLiteral("fonte"))), source());
}

TEST(SourceLine, ItsTextsAreMadeStorableAndDamagedLinesAreNotRead)
{
    StudySource s = source();
    s.name = QStringLiteral("Valle \"Alta\" ≥ 2\nbis");
    EXPECT_EQ(StudySource::fromLine(s.line())->name, QStringLiteral("Valle 'Alta' ? 2 bis"));
    QStringList cut = source().line();
    cut.removeLast();
    EXPECT_FALSE(StudySource::fromLine(cut));
    EXPECT_FALSE(StudySource::fromLine(
        {QStringLiteral("fonte"), QStringLiteral("anno"), QStringLiteral("duemila"), QStringLiteral("f"), QString()}));
}

TEST(SourceLine, TheRecoveryCopyCarriesItAndClearingTheDataDropsIt)
{
    QTemporaryDir dir;
    RecoveryCopy::setFolder(dir.path());
    StudyRecord r = *StudyFile::parse(fileWith({}));
    r.setLine(QStringLiteral("fonte"), source().line());
    {
        const auto slot = RecoveryCopy::Slot::create();
        ASSERT_TRUE(slot && slot->write({r, QString(), QDateTime::currentDateTime()}));
    }
    const auto left = RecoveryCopy::left();
    RecoveryCopy::setFolder(QString());
    ASSERT_EQ(left.size(), 1U);
    EXPECT_EQ(left.front().copy.study, r);

    Window w;
    w.m().files().applyStudy(r);
    EXPECT_EQ(w.m().files().study().lines, r.lines);
    w.m().cancelladati_Click();
    EXPECT_TRUE(w.m().files().study().lines.empty());
}

// A value changed by hand keeps its derivation and says what the study holds now.
TEST(SourceLine, TheDocumentsMarkAnInputChangedByHand)
{
    StudySnapshot snap;
    snap.inputs[ProjectionInputs::index(ProjectionInput::tassofert)].text = QStringLiteral("1,5");
    snap.inputs[ProjectionInputs::index(ProjectionInput::mortinfanti)].text = QStringLiteral("3,0");
    const QStringList p = SourceTexts::paragraphs(source(), snap);
    ASSERT_EQ(p.size(), 5);
    EXPECT_EQ(p[0], "I dati di partenza sono ricavati dalle tabelle dell'ISTAT (Istituto nazionale di statistica) per "
                    "il comune di Roccaventosa (codice ISTAT 099001): bilancio demografico dei comuni degli anni "
                    "2022–2023 (P2_2022.zip, P2_2023.csv). I dati del 2023 sono provvisori.");
    EXPECT_EQ(p[2], "Tasso di fecondità (%): 255 × 35 ÷ 2 = 0,80. Modificato a mano: nello studio vale 1,5.");
    EXPECT_EQ(p[3], "Mortalità infantile su 1000: 3, ipotesi dell'utente.");
    EXPECT_EQ(SourceTexts::rows(source(), snap)[2].second,
              "255 × 35 ÷ 2 = 0,80. Fonte: ISTAT, «Nati vivi - Totale». Modificato a mano: nello studio vale 1,5.");
    EXPECT_EQ(p[4], "Verifica sul passato: partendo da 12.000 abitanti al 1° gennaio 2022, il calcolo dà 11.870 "
                    "abitanti al 31 dicembre 2023; l'ISTAT ne conta 11.865: differenza +5 (+0,04%).");
}
