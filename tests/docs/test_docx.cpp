// The .docx writer: how tables are measured, how pages are kept whole, and
// how a file is written without ever losing the previous one.
#include "support/Cases.h"
#include "word/DocumentModel.h"
#include "word/DocxFile.h"
#include "word/PageFlow.h"
#include "word/TableLayout.h"
#include "word/TextWidth.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <csignal>
#include <gtest/gtest.h>
#include <numeric>
#include <sys/resource.h>
#include <sys/stat.h>

namespace {

DocumentModel::Table table(const QList<QStringList> &rows, double size = 10)
{
    DocumentModel d;
    d.setFontSize(size);
    d.addTable(int(rows.size()), int(rows[0].size()));
    for (int r = 0; r < rows.size(); ++r)
        for (int c = 0; c < rows[r].size(); ++c)
            d.setCell(r + 1, c + 1, rows[r][c]);
    return std::get<DocumentModel::Table>(d.blocks()[0]);
}

int sum(const QList<int> &v)
{
    return std::accumulate(v.begin(), v.end(), 0);
}

QByteArray documentXml(const DocumentModel &d)
{
    for (const auto &[name, bytes] : DocxFile::parts(d))
        if (name == QLatin1String("word/document.xml"))
            return bytes;
    return {};
}

// The w:p elements of the body, each as its XML text.
QStringList bodyParagraphs(const DocumentModel &d)
{
    const QByteArray xml = documentXml(d);
    QStringList out;
    qsizetype from = 0;
    while ((from = xml.indexOf("<w:p>", from)) >= 0) {
        const qsizetype to = xml.indexOf("</w:p>", from);
        out << QString::fromUtf8(xml.mid(from, to - from));
        from = to;
    }
    return out;
}

} // namespace

TEST(TextWidth, WiderTextsAndSizesMeasureWider)
{
    EXPECT_GT(TextWidth::twips(QStringLiteral("mmmm"), 10), TextWidth::twips(QStringLiteral("iiii"), 10));
    EXPECT_NEAR(TextWidth::twips(QStringLiteral("abitanti"), 20), 2 * TextWidth::twips(QStringLiteral("abitanti"), 10),
                1);
    EXPECT_EQ(TextWidth::widestWord(QStringLiteral("età mediana"), 10),
              TextWidth::twips(QStringLiteral("mediana"), 10));
    // Letters outside the table still count, and count wide.
    EXPECT_GE(TextWidth::twips(QStringLiteral("漢"), 10), 200);
}

TEST(TextWidth, LinesBreakBetweenWordsAndInsideAWordTooLongForOne)
{
    const int width = TextWidth::twips(QStringLiteral("abitanti"), 12) + TextWidth::twips(QStringLiteral(" "), 12) +
                      TextWidth::twips(QStringLiteral("noti"), 12);
    EXPECT_EQ(TextWidth::lines(QString(), 12, width), 1);
    EXPECT_EQ(TextWidth::lines(QStringLiteral("abitanti noti"), 12, width), 1);
    EXPECT_EQ(TextWidth::lines(QStringLiteral("abitanti noti"), 12, width - 1), 2);
    EXPECT_EQ(TextWidth::lines(QStringLiteral("abitanti noti abitanti noti"), 12, width), 2);
    // Thirty letters where ten fit.
    EXPECT_EQ(TextWidth::lines(QString(30, u'm'), 12, TextWidth::twips(QString(10, u'm'), 12)), 3);
}

namespace {

// Lines of text at 12 points, 48 of which fill an A4 page as estimated.
DocumentModel lines(int count)
{
    DocumentModel d;
    d.setLineSpacing12();
    for (int i = 0; i < count; ++i)
        d.typeText(QStringLiteral("riga\r"));
    return d;
}

} // namespace

TEST(PageFlow, PagesEndWhereTheyAreFullOrAskedToAndKeepWhatIsKeptTogether)
{
    EXPECT_EQ(PageFlow::estimate(lines(40)).pages, 1);
    EXPECT_EQ(PageFlow::estimate(lines(60)).pages, 2);
    DocumentModel asked = lines(3);
    asked.startNewPage();
    asked.typeText(QStringLiteral("nuova\r\fancora\r"));
    EXPECT_EQ(PageFlow::estimate(asked).pages, 3);
    // Lines 43 to 52 kept together (the paragraphs begun after the call):
    // all on the next page.
    DocumentModel kept = lines(41);
    kept.keepRestTogether();
    for (int i = 0; i < 10; ++i)
        kept.typeText(QStringLiteral("insieme\r"));
    EXPECT_EQ(PageFlow::estimate(kept).firstPage[42], 2);
    EXPECT_EQ(PageFlow::estimate(lines(52)).firstPage[42], 1);
    // A table's rows go on over the page, its heading repeated: on half pages
    // 23 rows, then the heading and 22 more on each.
    DocumentModel rows;
    rows.setLineSpacing12();
    rows.addTable(90, 2);
    rows.repeatHeadingRows(1);
    EXPECT_EQ(PageFlow::estimate(rows).pages, 2);
    EXPECT_EQ(PageFlow::estimate(rows, 0.5).pages, 5);
}

namespace {

QMap<QString, QByteArray> partsOf(const DocumentModel &d)
{
    QMap<QString, QByteArray> out;
    for (const auto &[name, bytes] : DocxFile::parts(d))
        out.insert(name, bytes);
    return out;
}

} // namespace

TEST(DocxFooter, PageNumbersAreFieldsInAFooterOfTheirOwn)
{
    DocumentModel plain;
    plain.typeText(QStringLiteral("uno\fdue\r"));
    EXPECT_FALSE(partsOf(plain).contains(QStringLiteral("word/footer1.xml")));
    EXPECT_FALSE(partsOf(plain)[QStringLiteral("word/document.xml")].contains("footerReference"));

    // Without a count of its own, the footer holds the estimated one.
    plain.numberPages(false);
    QMap<QString, QByteArray> p = partsOf(plain);
    const QByteArray footer = p[QStringLiteral("word/footer1.xml")];
    EXPECT_TRUE(footer.contains(">Pagina </w:t>") && footer.contains("> di </w:t>"));
    EXPECT_LT(footer.indexOf(" PAGE "), footer.indexOf(" NUMPAGES "));
    EXPECT_GT(footer.indexOf(">2</w:t>"), footer.indexOf(" NUMPAGES "));
    EXPECT_TRUE(
        p[QStringLiteral("word/document.xml")].contains("<w:footerReference w:type=\"default\" r:id=\"rIdFooter1\"/>"));
    EXPECT_FALSE(p[QStringLiteral("word/document.xml")].contains("titlePg"));
    EXPECT_TRUE(p[QStringLiteral("word/_rels/document.xml.rels")].contains("Target=\"footer1.xml\""));
    EXPECT_TRUE(p[QStringLiteral("[Content_Types].xml")].contains("PartName=\"/word/footer1.xml\""));

    // A report: the count its text states, and a cover without a number.
    DocumentModel report;
    report.typeText(QStringLiteral("copertina\r"));
    report.setAppendedPageCount(12, QStringLiteral("n. "), 7, QStringLiteral(" pagine."));
    report.numberPages(true);
    p = partsOf(report);
    EXPECT_GT(p[QStringLiteral("word/footer1.xml")].indexOf(">7</w:t>"),
              p[QStringLiteral("word/footer1.xml")].indexOf(" NUMPAGES "));
    EXPECT_FALSE(p[QStringLiteral("word/footer2.xml")].contains("instrText"));
    EXPECT_TRUE(
        p[QStringLiteral("word/document.xml")].contains("<w:footerReference w:type=\"first\" r:id=\"rIdFooter2\"/>"));
    EXPECT_TRUE(p[QStringLiteral("word/document.xml")].contains("<w:titlePg/>"));
}

namespace {

struct Layout {
    const char *name;
    QList<QStringList> rows;
    friend void PrintTo(const Layout &row, std::ostream *os) { *os << row.name; }
};

const Layout kLayouts[] = {
    {"YearHeadings",
     {{"anno", "abitanti", "immigrati", "emigrati", "fecondità", "nascite", "mortalità", "età mediana", "aumento"},
      {"", "n.", "n.", "n.", "n.", "n.", "n.", "n", "n."},
      {"2021", "4873", "29", "44", "1121", "49", "0", "60", "-11"}}},
    {"LongSecondColumn", {{"Dati: tipo", "valore"}, {"Numero di abitanti nell'anno di partenza", "4873"}}},
    {"ALongText", {{"ricerca", QString(40, u'x') + QStringLiteral(" ") + QString(300, u'y')}}},
};

class TableWidths : public testing::TestWithParam<Layout> {};

} // namespace

TEST_P(TableWidths, EveryWordWholeAndTheGridExactlyTheTextWidth)
{
    const int width = DocxFile::page(false).textWidth();
    const DocumentModel::Table t = table(GetParam().rows);
    const QList<int> widths = TableLayout::columnWidths(t, width);
    EXPECT_EQ(sum(widths), width);
    for (int col = 1; col <= t.columns; ++col) {
        // The overlong word aside, no word has to break.
        if (TableLayout::minimumWidth(t, col) < width / 2) {
            EXPECT_GE(widths[col - 1], TableLayout::minimumWidth(t, col)) << "column " << col;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(TableLayout, TableWidths, testing::ValuesIn(kLayouts), RowName());

TEST(TableLayout, TheLabelColumnTakesWhatItsTextNeeds)
{
    // The value column takes the rest.
    const QList<int> data = TableLayout::columnWidths(table(kLayouts[1].rows, 12), DocxFile::page(false).textWidth());
    EXPECT_GT(data[0], TextWidth::twips(QStringLiteral("Numero di abitanti nell'anno di partenza"), 12));
}

TEST(TableLayout, AColumnWrittenByHandIsTheWidest)
{
    DocumentModel::Table t = table(
        {{"luogo", "inizio", "abitanti", "mort.infantile", "morte mediana"}, {"nome", "anno", "n.", "n.", "età"}});
    t.wideColumn = 1;
    const QList<int> widths = TableLayout::columnWidths(t, DocxFile::page(true).textWidth());
    EXPECT_EQ(sum(widths), DocxFile::page(true).textWidth());
    EXPECT_EQ(*std::max_element(widths.begin(), widths.end()), widths[0]);
    EXPECT_GE(widths[3], TableLayout::minimumWidth(t, 4));
}

TEST(DocxPages, EmptyParagraphsBeforeANewPageOrTheEndTakeNoRoom)
{
    DocumentModel d;
    d.typeText(QStringLiteral("testo\r\r\r"));
    d.startNewPage();
    d.typeText(QStringLiteral("nuova pagina\r\r"));
    d.addTable(1, 1);
    d.appendParagraph();
    const QStringList p = bodyParagraphs(d);
    // testo, two empty ones, the new page's text, its empty one; the table's
    // cell; the two after the table.
    ASSERT_EQ(p.size(), 8);
    const QString compact = QStringLiteral("w:line=\"20\" w:lineRule=\"exact\"");
    EXPECT_FALSE(p[0].contains(compact));
    EXPECT_TRUE(p[1].contains(compact) && p[2].contains(compact));
    EXPECT_TRUE(p[3].contains(QStringLiteral("<w:pageBreakBefore/>")) && !p[3].contains(compact));
    // Before the table: an empty paragraph followed by text is a real line.
    EXPECT_FALSE(p[4].contains(compact));
    EXPECT_TRUE(p[6].contains(compact) && p[7].contains(compact));
}

TEST(DocxPages, ATableTakesThePageBreakOfTheParagraphItReplaces)
{
    DocumentModel d;
    d.typeText(QStringLiteral("prima\r"));
    d.appendParagraph();
    d.startNewPage();
    d.addTable(2, 2);
    d.repeatHeadingRows(1);
    d.setRowHeight(2, 2, 22.68);
    const auto &t = std::get<DocumentModel::Table>(d.blocks()[2]);
    EXPECT_TRUE(t.pageBreakBefore);
    const QByteArray xml = documentXml(d);
    EXPECT_EQ(xml.count("<w:pageBreakBefore/>"), 1);
    EXPECT_EQ(xml.count("<w:tblHeader/>"), 1);
    EXPECT_EQ(xml.count("<w:cantSplit/>"), 2);
    EXPECT_TRUE(xml.contains("<w:trHeight w:val=\"454\" w:hRule=\"atLeast\"/>"));
}

TEST(DocxPages, ThePageCountIsAFieldHoldingItsValue)
{
    DocumentModel d;
    d.appendParagraph();
    d.setAppendedPageCount(12, QStringLiteral("n. "), 7, QStringLiteral(" pagine."));
    EXPECT_EQ(std::get<DocumentModel::Paragraph>(d.blocks().last()).text(), QStringLiteral("n. 7 pagine."));
    const QByteArray xml = documentXml(d);
    EXPECT_TRUE(xml.contains("NUMPAGES"));
    const qsizetype separate = xml.indexOf("fldCharType=\"separate\"");
    EXPECT_LT(separate, xml.indexOf("<w:t xml:space=\"preserve\">7</w:t>"));
    EXPECT_GT(xml.indexOf("fldCharType=\"end\""), xml.indexOf(">7<"));
}

TEST(DocxWrite, NeverReplacesAPipeAndWritesThroughALink)
{
    QTemporaryDir dir;
    const QString fifo = dir.filePath(QStringLiteral("canale.docx"));
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    DocumentModel d;
    d.typeText(QStringLiteral("testo\r"));
    QString error;
    EXPECT_FALSE(d.save(fifo, &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_FALSE(QFileInfo(fifo).isFile());
    const QString real = dir.filePath(QStringLiteral("vero.docx")), link = dir.filePath(QStringLiteral("link.docx"));
    ASSERT_TRUE(d.save(real, &error));
    ASSERT_TRUE(QFile::link(real, link));
    ASSERT_TRUE(d.save(link, &error)) << error.toStdString();
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_TRUE(QFileInfo(real).isFile());
}

TEST(DocxWrite, AFailedWriteKeepsThePreviousFileAndTouchesNoOther)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("relazione.docx"));
    DocumentModel first;
    first.typeText(QStringLiteral("prima versione\r"));
    QString error;
    ASSERT_TRUE(first.save(path, &error)) << error.toStdString();
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray before = file.readAll();
    file.close();

    // A user's own file under the name a careless writer would use.
    QFile part(path + QStringLiteral(".part"));
    ASSERT_TRUE(part.open(QIODevice::WriteOnly));
    part.write("appunti");
    part.close();

    // A disk that fills up half-way: files may not grow past 1 KiB.
    DocumentModel second;
    // Text that does not compress, so the package is larger than the limit.
    QRandomGenerator random(7);
    QString noise;
    for (int i = 0; i < 20000; ++i)
        noise += QChar(u'a' + random.bounded(26));
    second.typeText(noise + u'\r');
    rlimit old{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
    const auto previous = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = old;
    small.rlim_cur = 1024;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool saved = second.save(path, &error);
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, previous);
    EXPECT_FALSE(saved);
    EXPECT_FALSE(error.isEmpty());

    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), before);
    ASSERT_TRUE(part.open(QIODevice::ReadOnly));
    EXPECT_EQ(part.readAll(), QByteArray("appunti"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 2);

    // A write that succeeds replaces the file and still leaves the other.
    ASSERT_TRUE(second.save(path, &error));
    EXPECT_GT(QFileInfo(path).size(), before.size());
    EXPECT_TRUE(QFile::exists(path + QStringLiteral(".part")));
}
