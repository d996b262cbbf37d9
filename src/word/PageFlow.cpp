#include "PageFlow.h"

#include "DocxPage.h"
#include "TableLayout.h"
#include "TextWidth.h"

#include <algorithm>
#include <cmath>

namespace PageFlow {

namespace {

using Paragraph = DocumentModel::Paragraph;
using Table = DocumentModel::Table;

// The taller of the documents' font and its stand-in: a line of Century
// Gothic is 1.226 of its size, one of DejaVu Sans 1.164.
constexpr double kLineFactor = 1.23;
// A row's border; an empty paragraph before a new page, kept one point tall.
constexpr int kRowBorder = 10;
constexpr int kCompact = 20;
constexpr int kEmuPerTwip = 635;

// A line or a row: it never splits, a page break may come before it.
struct Piece {
    int height;
    bool newPage = false;
};

int textWidth(const DocumentModel &d)
{
    return DocxPage::page(d.isLandscape()).textWidth();
}

// The lines of a paragraph, a page break in it starting a page.
QList<Piece> paragraphPieces(const DocumentModel &d, const Paragraph &p)
{
    QList<Piece> pieces;
    QString text;
    double size = p.size;
    bool broken = false;
    auto lines = [&](bool last) {
        if (!text.isEmpty() || last) {
            const int n = TextWidth::lines(text, size, textWidth(d));
            for (int i = 0; i < n; ++i)
                pieces.append({lineHeight(size, d.hasLineSpacing12()), broken && i == 0});
            broken = false;
        }
        text.clear();
        size = p.size;
    };
    for (const DocumentModel::Run &r : p.runs) {
        if (r.picture >= 0) {
            lines(false);
            const QSize emu = DocxPage::pictureSize(d.pictures()[r.picture].pixels, d.isLandscape());
            // The picture stands on the line's baseline, the descent below it.
            pieces.append({emu.height() / kEmuPerTwip + int(r.size * 5), broken});
            broken = false;
        } else if (r.pageBreak) {
            lines(false);
            broken = true;
        } else {
            text += r.text;
            size = std::max(size, r.size);
        }
    }
    // The paragraph mark holds a line even after a picture or a break.
    if (!text.isEmpty() || pieces.isEmpty() || broken)
        lines(true);
    return pieces;
}

int cellHeight(const QString &text, const Table &t, int width, bool spacing12)
{
    QString normal = text;
    normal.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
    int height = 0;
    for (const QString &line : normal.split(u'\n'))
        height += TextWidth::lines(line, t.size, width - 2 * TableLayout::kCellMargin) * lineHeight(t.size, spacing12);
    return height;
}

QList<int> rowHeights(const DocumentModel &d, const Table &t)
{
    const QList<int> widths = TableLayout::columnWidths(t, textWidth(d));
    QList<int> heights;
    for (int r = 0; r < t.rows; ++r) {
        int tallest = 0;
        for (int c = 0; c < t.columns; ++c)
            tallest = std::max(tallest, cellHeight(t.cells[r][c], t, widths[c], d.hasLineSpacing12()));
        heights.append(std::max(tallest, int(std::lround(t.rowHeight[r] * 20))) + kRowBorder);
    }
    return heights;
}

// Lays the blocks on pages one after the other.
class Flow {
public:
    Flow(const DocumentModel &d, double fill) : m_d(d), m_room(int(DocxPage::page(d.isLandscape()).textHeight() * fill))
    {
    }

    Estimate run()
    {
        const QList<DocumentModel::Block> &blocks = m_d.blocks();
        compact = DocxPage::compactParagraphs(m_d);
        for (qsizetype i = 0; i < blocks.size(); ++i) {
            if (pageBreakBefore(blocks[i]) && m_used > 0)
                newPage();
            if (const auto *t = std::get_if<Table>(&blocks[i]))
                table(*t);
            else
                paragraph(i);
        }
        m_estimate.pages = m_page;
        return m_estimate;
    }

private:
    void newPage()
    {
        ++m_page;
        m_used = 0;
    }
    // A piece that does not fit goes to the next page, unless the page is empty.
    void place(int height)
    {
        if (m_used > 0 && m_used + height > m_room)
            newPage();
        m_used += height;
    }

    static bool pageBreakBefore(const DocumentModel::Block &b)
    {
        if (const auto *p = std::get_if<Paragraph>(&b))
            return p->pageBreakBefore;
        return std::get<Table>(b).pageBreakBefore;
    }

    QList<Piece> pieces(qsizetype i) const;
    void paragraph(qsizetype i);
    void table(const Table &t);
    int chainHeight(qsizetype i) const;

    const DocumentModel &m_d;
    const int m_room;
    int m_page = 1;
    int m_used = 0;
    QList<bool> compact;
    Estimate m_estimate;
};

QList<Piece> Flow::pieces(qsizetype i) const
{
    if (compact[i])
        return {{kCompact}};
    return paragraphPieces(m_d, std::get<Paragraph>(m_d.blocks()[i]));
}

// Paragraphs kept with the next one and the next one's first line.
int Flow::chainHeight(qsizetype i) const
{
    const QList<DocumentModel::Block> &blocks = m_d.blocks();
    int height = 0;
    for (; i < blocks.size(); ++i) {
        const auto *p = std::get_if<Paragraph>(&blocks[i]);
        if (!p)
            return height + rowHeights(m_d, std::get<Table>(blocks[i])).value(0);
        const QList<Piece> lines = pieces(i);
        if (!p->keepWithNext)
            return height + lines.value(0).height;
        for (const Piece &line : lines)
            height += line.height;
    }
    return height;
}

void Flow::paragraph(qsizetype i)
{
    const auto &p = std::get<Paragraph>(m_d.blocks()[i]);
    m_estimate.firstPage.append(m_page);
    const bool chainStart = p.keepWithNext && (i == 0 || !std::get_if<Paragraph>(&m_d.blocks()[i - 1]) ||
                                               !std::get<Paragraph>(m_d.blocks()[i - 1]).keepWithNext);
    if (chainStart) {
        const int chain = chainHeight(i);
        if (m_used > 0 && m_used + chain > m_room && chain <= m_room)
            newPage();
    }
    const QList<Piece> lines = pieces(i);
    int whole = 0;
    for (const Piece &line : lines)
        whole += line.height;
    // A paragraph kept with the next one is kept whole, too: where it does
    // not fit, it begins a page, even one it runs over.
    if (p.keepWithNext && m_used > 0 && m_used + whole > m_room)
        newPage();
    for (qsizetype n = 0; n < lines.size(); ++n) {
        if (lines[n].newPage)
            newPage();
        place(lines[n].height);
        if (n == 0)
            m_estimate.firstPage.last() = m_page;
    }
}

void Flow::table(const Table &t)
{
    const QList<int> heights = rowHeights(m_d, t);
    int heading = 0;
    for (int r = 0; r < t.headingRows; ++r)
        heading += heights[r];
    for (int r = 0; r < t.rows; ++r) {
        const int before = m_page;
        place(heights[r]);
        if (r == 0)
            m_estimate.firstPage.append(m_page);
        // The heading rows repeat at the top of the new page.
        if (m_page != before && r >= t.headingRows)
            m_used += heading;
    }
}

} // namespace

int lineHeight(double points, bool spacing12)
{
    const int line = int(std::ceil(points * 20 * kLineFactor));
    return spacing12 ? std::max(line, 240) : line;
}

Estimate estimate(const DocumentModel &document, double fill)
{
    return Flow(document, fill).run();
}

} // namespace PageFlow
