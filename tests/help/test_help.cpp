// Tip of the day, the about window's edition line, and the help documents.
#include "core/AppGlobals.h"
#include "core/Modulo.h"
#include "help/GuideTexts.h"
#include "help/TipModel.h"
#include "output/HelpDocuments.h"
#include "support/DocumentRecorder.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <iterator>

namespace {

QString tipsFile(const QTemporaryDir &dir, const QByteArray &bytes)
{
    const QString path = dir.filePath(TipModel::kFileName);
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write(bytes);
    return path;
}

} // namespace

TEST(Tips, NextWrapsAroundPreviousStopsAtTheFirst)
{
    QTemporaryDir dir;
    TipModel tips(tipsFile(dir, "uno\r\ndue, con \"virgolette\"\r\ntre\xe0\r\n"));
    EXPECT_EQ(tips.Tips().size(), 3);
    EXPECT_EQ(tips.lblTipText(), QStringLiteral("uno"));
    tips.ShowPreviousTip();
    EXPECT_EQ(tips.CurrentTip(), 1);
    tips.ShowNextTip();
    EXPECT_EQ(tips.lblTipText(), QStringLiteral("due, con \"virgolette\""));
    tips.ShowNextTip();
    EXPECT_EQ(tips.lblTipText(), QStringLiteral("treà"));
    tips.ShowPreviousTip();
    EXPECT_EQ(tips.CurrentTip(), 2);
    tips.ShowNextTip();
    tips.ShowNextTip();
    EXPECT_EQ(tips.CurrentTip(), 1);
}

TEST(Tips, MissingSingleLineAndEmptyFiles)
{
    QTemporaryDir dir;
    TipModel missing(dir.filePath(QStringLiteral("manca.TXT")));
    EXPECT_EQ(
        missing.lblTipText(),
        QStringLiteral("Impossibile trovare il file SuggerimentiVicania.TXT\r\n\r\nCreare un file di testo "
                       "denominato SuggerimentiVicania.TXT utilizzando il Blocco note e inserendo un "
                       "suggerimento per ogni riga. Inserire il file nella stessa directory dell'applicazione. "));
    missing.ShowNextTip();
    missing.ShowPreviousTip();
    EXPECT_EQ(missing.lblTipText(), TipModel::missingFileText());
    EXPECT_EQ(TipModel(QString()).lblTipText(), TipModel::missingFileText());

    TipModel single(tipsFile(dir, "solo questo"));
    single.ShowNextTip();
    single.ShowNextTip();
    EXPECT_EQ(single.lblTipText(), QStringLiteral("solo questo"));

    TipModel empty(tipsFile(dir, ""));
    EXPECT_TRUE(empty.Tips().isEmpty());
    EXPECT_TRUE(empty.lblTipText().isEmpty());
    empty.ShowNextTip();
    EXPECT_TRUE(empty.lblTipText().isEmpty());
}

TEST(Tips, TheShippedFileHasTwentyTipsOrMore)
{
    TipModel shipped(QStringLiteral(VICANIA_RESOURCES "/SuggerimentiVicania.TXT"));
    EXPECT_GE(shipped.Tips().size(), 20);
    for (qsizetype i = 0; i < shipped.Tips().size(); ++i)
        EXPECT_FALSE(shipped.Tips()[i].trimmed().isEmpty()) << "tip " << i + 1;
}

TEST(About, EditionLineFollowsTheReleaseValues)
{
    Modulo::InitDialogTitles();
    const AppGlobals &g = appGlobals();
    EXPECT_EQ(HelpDocuments::editionLine(g.ProgramVersion, g.ReleaseDate, g.ReleaseCode),
              QStringLiteral("edizione professionale - versione 1.03.05   2018- 2019"));
    EXPECT_EQ(
        HelpDocuments::editionLine(QStringLiteral("2.00.00"), QStringLiteral("01/03/2020"), QStringLiteral("150621")),
        QStringLiteral("edizione professionale - versione 2.00.00   2020- 2021"));
}

TEST(GuideDocuments, OnePageInTheOrderOfTheWordProcessor)
{
    Modulo::InitDialogTitles();
    DocumentRecorder r;
    HelpDocuments::guidePage(r, QStringLiteral("Dati di calcolo"), QStringLiteral("Testo."));
    EXPECT_EQ(r.operations,
              QStringList({"newDocument", "lineSpacing12", "pageSetupA4", "fontName Century Gothic", "fontSize 20",
                           "type Vicania¶", "fontSize 16", "type stima del numero di abitanti in una località¶¶¶",
                           "type Guida: Dati di calcolo¶¶", "fontSize 12", "type Testo.¶", "numberPages", "alignAll 3",
                           "properties Guida: Dati di calcolo|Vicania"}));
}

TEST(GuideDocuments, AllPagesWithSixBreaksAndNoCommonSetUp)
{
    DocumentRecorder r;
    QStringList titles, texts;
    for (int i = 0; i < GuideTexts::kPageCount; ++i) {
        titles << GuideTexts::title(i);
        texts << GuideTexts::text(i);
    }
    HelpDocuments::contents(r, titles, texts);
    EXPECT_EQ(r.operations.count(QStringLiteral("type §")), 6);
    EXPECT_FALSE(r.operations.contains(QStringLiteral("pageSetupA4")));
    EXPECT_FALSE(r.operations.contains(QStringLiteral("lineSpacing12")));
    EXPECT_EQ(r.operations.count(QStringLiteral("fontSize 12")), 1);
    EXPECT_EQ(r.operations.indexOf(QStringLiteral("fontSize 12")),
              r.operations.indexOf(QStringLiteral("type Guida: MANUALE D'USO RAPIDO¶¶")) + 1);
    // Justified last of all the word processor's operations; then the title.
    EXPECT_EQ(r.operations.mid(r.operations.size() - 2),
              QStringList({"alignAll 3", "properties Guida di Vicania|Vicania"}));
}

namespace {

// How each page begins, in the order of the contents.
const char *const kPageStarts[] = {
    "Il programma Vicania simula il calcolo degli abitanti di una zona",
    "'Vicania' è un programma di semplice e veloce utilizzo per la stima del numero degli abitanti di un luogo.",
    "E' possibile memorizzare in appositi files i dati immessi e richiamarli al momento opportuno.",
    "La finestra di calcolo richiede l'introduzione dei dati completi per poter procedere con la simulazione.",
    "I risultati delle iterazioni sono riportati nella tabella a sfondo celeste.",
    // One sentence, split only to fit the line.
    ("Un esempio di calcolo, con i dati di prova archiviati nel software, consente di vedere come funziona il "
     "programma"),
    "Questa finestra riguarda i dati destinati al frontespizio della Relazione da stampare."};

class GuidePageText : public testing::TestWithParam<int> {};

} // namespace

TEST_P(GuidePageText, BeginsAsTheContentsPromiseOnOneLine)
{
    const int page = GetParam();
    ASSERT_LT(page, std::ssize(kPageStarts));
    EXPECT_TRUE(GuideTexts::text(page).startsWith(QString::fromUtf8(kPageStarts[page])));
    EXPECT_FALSE(GuideTexts::text(page).contains(u'\n'));
}

// Each case is named after the window that shows its page.
INSTANTIATE_TEST_SUITE_P(GuideTexts, GuidePageText, testing::Range(0, GuideTexts::kPageCount),
                         [](const testing::TestParamInfo<int> &c) {
                             return GuideTexts::windowNames().value(c.param).toStdString();
                         });

TEST(GuideTexts, TheDataPageIsCalledDatiDiCalcolo)
{
    EXPECT_EQ(GuideTexts::title(3), QStringLiteral("Dati di calcolo"));
}
