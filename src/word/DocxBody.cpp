#include "DocxBody.h"

#include "DocumentModel.h"
#include "DocxFooter.h"
#include "DocxPage.h"
#include "DocxParts.h"
#include "DocxXml.h"
#include "TableLayout.h"
#include "core/XmlText.h"

namespace DocxBody {

namespace {

using Alignment = DocumentWriter::Alignment;
using DocxPage::Page;
using DocxPage::page;
using DocxXml::Writer;
using XmlText::safe;

QString jc(Alignment a)
{
    switch (a) {
    case Alignment::Center:
        return QStringLiteral("center");
    case Alignment::Right:
        return QStringLiteral("right");
    case Alignment::Justify:
        return QStringLiteral("both");
    case Alignment::Left:
        break;
    }
    return QStringLiteral("left");
}

QString number(qint64 n)
{
    return QString::number(n);
}

void runProperties(Writer &x, const QString &font, double size)
{
    x.start(QStringLiteral("w:rPr"));
    const QString f = font.isEmpty() ? QString::fromLatin1(DocxParts::kFont) : safe(font);
    x.empty(QStringLiteral("w:rFonts"), {{QStringLiteral("w:ascii"), f},
                                         {QStringLiteral("w:hAnsi"), f},
                                         {QStringLiteral("w:cs"), f},
                                         {QStringLiteral("w:eastAsia"), f}});
    const QString half = number(qRound(size * 2));
    x.val(QStringLiteral("w:sz"), half);
    x.val(QStringLiteral("w:szCs"), half);
    x.end();
}

// How a paragraph sits on its page, beyond its text.
struct Placement {
    bool pageBreakBefore = false;
    bool keepWithNext = false;
    // An empty paragraph with only empty ones after it before a new page or
    // the end: it is kept one point tall, so it can never make a page alone.
    bool compact = false;
};

void paragraphProperties(Writer &x, bool spacing12, Alignment a, const QString &font, double size,
                         const Placement &place = {})
{
    x.start(QStringLiteral("w:pPr"));
    if (place.keepWithNext) {
        x.empty(QStringLiteral("w:keepNext"));
        x.empty(QStringLiteral("w:keepLines"));
    }
    if (place.pageBreakBefore)
        x.empty(QStringLiteral("w:pageBreakBefore"));
    if (place.compact)
        x.empty(QStringLiteral("w:spacing"), {{QStringLiteral("w:before"), QStringLiteral("0")},
                                              {QStringLiteral("w:after"), QStringLiteral("0")},
                                              {QStringLiteral("w:line"), QStringLiteral("20")},
                                              {QStringLiteral("w:lineRule"), QStringLiteral("exact")}});
    else if (spacing12)
        // At least 12 points: titles larger than the body keep their height.
        x.empty(QStringLiteral("w:spacing"), {{QStringLiteral("w:before"), QStringLiteral("0")},
                                              {QStringLiteral("w:after"), QStringLiteral("0")},
                                              {QStringLiteral("w:line"), QStringLiteral("240")},
                                              {QStringLiteral("w:lineRule"), QStringLiteral("atLeast")}});
    x.val(QStringLiteral("w:jc"), jc(a));
    runProperties(x, font, size);
    x.end();
}

void textRun(Writer &x, const QString &text, const QString &font, double size)
{
    x.start(QStringLiteral("w:r"));
    runProperties(x, font, size);
    // Tabs become tab elements; everything else is escaped text.
    const QStringList pieces = safe(text).split(u'\t');
    for (qsizetype i = 0; i < pieces.size(); ++i) {
        if (i > 0)
            x.empty(QStringLiteral("w:tab"));
        if (pieces[i].isEmpty())
            continue;
        x.start(QStringLiteral("w:t"));
        x.attr(QStringLiteral("xml:space"), QStringLiteral("preserve"));
        x.w.writeCharacters(pieces[i]);
        x.end();
    }
    x.end();
}

void fieldChar(Writer &x, const DocumentModel::Run &r, const char *type)
{
    x.start(QStringLiteral("w:r"));
    runProperties(x, r.font, r.size);
    x.empty(QStringLiteral("w:fldChar"), {{QStringLiteral("w:fldCharType"), QString::fromLatin1(type)}});
    x.end();
}

// The word processor counts the pages itself; the run keeps the last count.
void pageCountField(Writer &x, const DocumentModel::Run &r)
{
    fieldChar(x, r, "begin");
    x.start(QStringLiteral("w:r"));
    runProperties(x, r.font, r.size);
    x.start(QStringLiteral("w:instrText"));
    x.attr(QStringLiteral("xml:space"), QStringLiteral("preserve"));
    x.w.writeCharacters(QStringLiteral(" NUMPAGES \\* Arabic "));
    x.end();
    x.end();
    fieldChar(x, r, "separate");
    textRun(x, r.text, r.font, r.size);
    fieldChar(x, r, "end");
}

const QString kDrawing = QStringLiteral("http://schemas.openxmlformats.org/drawingml/2006/main");
const QString kPicture = QStringLiteral("http://schemas.openxmlformats.org/drawingml/2006/picture");
const QString kPlacing = QStringLiteral("http://schemas.openxmlformats.org/drawingml/2006/wordprocessingDrawing");

// English Metric Units, 635 to a twip: the picture as wide as the text, as
// tall as its proportions say, shrunk whole if that passes the page.

void pictureGraphic(Writer &x, const DocumentModel::Picture &pic, int n, QSize emu)
{
    x.start(QStringLiteral("a:graphic"));
    x.start(QStringLiteral("a:graphicData"));
    x.attr(QStringLiteral("uri"), kPicture);
    x.start(QStringLiteral("pic:pic"));
    x.start(QStringLiteral("pic:nvPicPr"));
    x.empty(QStringLiteral("pic:cNvPr"), {{QStringLiteral("id"), number(n)},
                                          {QStringLiteral("name"), QStringLiteral("picture%1.png").arg(n)},
                                          {QStringLiteral("descr"), safe(pic.description)}});
    x.empty(QStringLiteral("pic:cNvPicPr"));
    x.end();
    x.start(QStringLiteral("pic:blipFill"));
    x.empty(QStringLiteral("a:blip"), {{QStringLiteral("r:embed"), DocxParts::pictureRelationship(n)}});
    x.start(QStringLiteral("a:stretch"));
    x.empty(QStringLiteral("a:fillRect"));
    x.end();
    x.end();
    x.start(QStringLiteral("pic:spPr"));
    x.start(QStringLiteral("a:xfrm"));
    x.empty(QStringLiteral("a:off"),
            {{QStringLiteral("x"), QStringLiteral("0")}, {QStringLiteral("y"), QStringLiteral("0")}});
    x.empty(QStringLiteral("a:ext"),
            {{QStringLiteral("cx"), number(emu.width())}, {QStringLiteral("cy"), number(emu.height())}});
    x.end();
    x.start(QStringLiteral("a:prstGeom"));
    x.attr(QStringLiteral("prst"), QStringLiteral("rect"));
    x.empty(QStringLiteral("a:avLst"));
    x.end();
    x.end();
    x.end();
    x.end();
    x.end();
}

// A picture in the line of text (DrawingML inline), as Word inserts one.
void pictureRun(Writer &x, const DocumentModel::Run &r, const DocumentModel &d, const Page &pg)
{
    const DocumentModel::Picture &pic = d.pictures()[r.picture];
    const int n = r.picture + 1;
    const QSize emu = DocxPage::pictureSize(pic.pixels, pg);
    x.start(QStringLiteral("w:r"));
    runProperties(x, r.font, r.size);
    x.start(QStringLiteral("w:drawing"));
    x.start(QStringLiteral("wp:inline"));
    for (const QString side : {"distT", "distB", "distL", "distR"})
        x.attr(side, QStringLiteral("0"));
    x.empty(QStringLiteral("wp:extent"),
            {{QStringLiteral("cx"), number(emu.width())}, {QStringLiteral("cy"), number(emu.height())}});
    x.empty(QStringLiteral("wp:effectExtent"), {{QStringLiteral("l"), QStringLiteral("0")},
                                                {QStringLiteral("t"), QStringLiteral("0")},
                                                {QStringLiteral("r"), QStringLiteral("0")},
                                                {QStringLiteral("b"), QStringLiteral("0")}});
    x.empty(QStringLiteral("wp:docPr"), {{QStringLiteral("id"), number(n)},
                                         {QStringLiteral("name"), QStringLiteral("Grafico %1").arg(n)},
                                         {QStringLiteral("descr"), safe(pic.description)}});
    x.start(QStringLiteral("wp:cNvGraphicFramePr"));
    x.empty(QStringLiteral("a:graphicFrameLocks"), {{QStringLiteral("noChangeAspect"), QStringLiteral("1")}});
    x.end();
    pictureGraphic(x, pic, n, emu);
    x.end();
    x.end();
    x.end();
}

void paragraph(Writer &x, const DocumentModel::Paragraph &p, const DocumentModel &d, bool compact)
{
    x.start(QStringLiteral("w:p"));
    paragraphProperties(x, d.hasLineSpacing12(), p.alignment, p.font, p.size,
                        {p.pageBreakBefore, p.keepWithNext, compact});
    for (const DocumentModel::Run &r : p.runs) {
        if (r.picture >= 0) {
            pictureRun(x, r, d, page(d.isLandscape()));
        } else if (r.pageBreak) {
            x.start(QStringLiteral("w:r"));
            runProperties(x, r.font, r.size);
            x.empty(QStringLiteral("w:br"), {{QStringLiteral("w:type"), QStringLiteral("page")}});
            x.end();
        } else if (r.pageCountField) {
            pageCountField(x, r);
        } else {
            textRun(x, r.text, r.font, r.size);
        }
    }
    x.end();
}

void cellParagraphs(Writer &x, const QString &text, const DocumentModel::Table &t, Alignment a, bool spacing12,
                    bool pageBreakBefore)
{
    // A line break inside a cell starts a new paragraph of the cell.
    QString normal = text;
    normal.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
    for (const QString &line : normal.split(u'\n')) {
        x.start(QStringLiteral("w:p"));
        paragraphProperties(x, spacing12, a, t.font, t.size, {pageBreakBefore, false, false});
        pageBreakBefore = false;
        if (!line.isEmpty())
            textRun(x, line, t.font, t.size);
        x.end();
    }
}

void tableProperties(Writer &x, const DocumentModel::Table &t, int textWidth)
{
    x.start(QStringLiteral("w:tblPr"));
    x.val(QStringLiteral("w:tblStyle"),
          QString::fromLatin1(t.styled ? DocxParts::kColourStyle : DocxParts::kGridStyle));
    x.empty(QStringLiteral("w:tblW"),
            {{QStringLiteral("w:w"), number(textWidth)}, {QStringLiteral("w:type"), QStringLiteral("dxa")}});
    // The grid below is the table's: no word processor widens a column
    // because of a long text.
    x.empty(QStringLiteral("w:tblLayout"), {{QStringLiteral("w:type"), QStringLiteral("fixed")}});
    x.empty(QStringLiteral("w:tblLook"), {{QStringLiteral("w:val"), QStringLiteral("04A0")},
                                          {QStringLiteral("w:firstRow"), QStringLiteral("1")},
                                          {QStringLiteral("w:lastRow"), QStringLiteral("0")},
                                          {QStringLiteral("w:firstColumn"), QStringLiteral("0")},
                                          {QStringLiteral("w:lastColumn"), QStringLiteral("0")},
                                          {QStringLiteral("w:noHBand"), QStringLiteral("0")},
                                          {QStringLiteral("w:noVBand"), QStringLiteral("1")}});
    x.end();
}

void rowProperties(Writer &x, const DocumentModel::Table &t, int r)
{
    x.start(QStringLiteral("w:trPr"));
    // A row never splits over two pages; heading rows repeat on each page.
    x.empty(QStringLiteral("w:cantSplit"));
    if (t.rowHeight[r] > 0)
        x.empty(QStringLiteral("w:trHeight"), {{QStringLiteral("w:val"), number(qRound(t.rowHeight[r] * 20))},
                                               {QStringLiteral("w:hRule"), QStringLiteral("atLeast")}});
    if (r < t.headingRows)
        x.empty(QStringLiteral("w:tblHeader"));
    x.end();
}

void table(Writer &x, const DocumentModel::Table &t, bool spacing12, int textWidth)
{
    x.start(QStringLiteral("w:tbl"));
    tableProperties(x, t, textWidth);
    const QList<int> widths = TableLayout::columnWidths(t, textWidth);
    x.start(QStringLiteral("w:tblGrid"));
    for (int c = 0; c < t.columns; ++c)
        x.empty(QStringLiteral("w:gridCol"), {{QStringLiteral("w:w"), number(widths[c])}});
    x.end();
    for (int r = 0; r < t.rows; ++r) {
        x.start(QStringLiteral("w:tr"));
        rowProperties(x, t, r);
        for (int c = 0; c < t.columns; ++c) {
            x.start(QStringLiteral("w:tc"));
            x.start(QStringLiteral("w:tcPr"));
            x.empty(QStringLiteral("w:tcW"),
                    {{QStringLiteral("w:w"), number(widths[c])}, {QStringLiteral("w:type"), QStringLiteral("dxa")}});
            x.end();
            cellParagraphs(x, t.cells[r][c], t, t.columnAlignment[c], spacing12, t.pageBreakBefore && r == 0 && c == 0);
            x.end();
        }
        x.end();
    }
    x.end();
}

void sectionProperties(Writer &x, const DocumentModel &d)
{
    const bool landscape = d.isLandscape();
    const Page pg = page(landscape);
    x.start(QStringLiteral("w:sectPr"));
    DocxFooter::references(x, d);
    x.empty(QStringLiteral("w:pgSz"),
            {{QStringLiteral("w:w"), number(pg.width)}, {QStringLiteral("w:h"), number(pg.height)}});
    if (landscape)
        x.attr(QStringLiteral("w:orient"), QStringLiteral("landscape"));
    x.empty(QStringLiteral("w:pgMar"), {{QStringLiteral("w:top"), number(pg.top)},
                                        {QStringLiteral("w:right"), number(pg.right)},
                                        {QStringLiteral("w:bottom"), number(pg.bottom)},
                                        {QStringLiteral("w:left"), number(pg.left)},
                                        {QStringLiteral("w:header"), number(pg.header)},
                                        {QStringLiteral("w:footer"), number(pg.footer)},
                                        {QStringLiteral("w:gutter"), QStringLiteral("0")}});
    x.empty(QStringLiteral("w:cols"), {{QStringLiteral("w:space"), QStringLiteral("708")}});
    // The cover has a footer of its own, without a number.
    if (d.pageNumbers() == DocumentModel::PageNumbers::AfterCover)
        x.empty(QStringLiteral("w:titlePg"));
    x.end();
}

} // namespace

QByteArray documentXml(const DocumentModel &d)
{
    Writer x;
    x.w.writeNamespace(DocxXml::kW, QStringLiteral("w"));
    x.w.writeNamespace(DocxXml::kR, QStringLiteral("r"));
    if (!d.pictures().isEmpty()) {
        x.w.writeNamespace(kPlacing, QStringLiteral("wp"));
        x.w.writeNamespace(kDrawing, QStringLiteral("a"));
        x.w.writeNamespace(kPicture, QStringLiteral("pic"));
    }
    x.start(QStringLiteral("w:document"));
    x.start(QStringLiteral("w:body"));
    const QList<DocumentModel::Block> &blocks = d.blocks();
    const QList<bool> compact = DocxPage::compactParagraphs(d);
    const int textWidth = page(d.isLandscape()).textWidth();
    for (qsizetype i = 0; i < blocks.size(); ++i) {
        if (const auto *p = std::get_if<DocumentModel::Paragraph>(&blocks[i]))
            paragraph(x, *p, d, compact[i]);
        else
            table(x, std::get<DocumentModel::Table>(blocks[i]), d.hasLineSpacing12(), textWidth);
    }
    // A4 also where no page set-up was asked: what an Italian word processor starts from.
    sectionProperties(x, d);
    x.end();
    x.end();
    return x.finish();
}

} // namespace DocxBody
