#include "DocumentModel.h"

#include <algorithm>

QString DocumentModel::Paragraph::text() const
{
    QString out;
    for (const Run &r : runs)
        out += r.pageBreak ? QStringLiteral("\f") : r.text;
    return out;
}

DocumentModel::DocumentModel()
{
    newDocument();
}

void DocumentModel::newDocument()
{
    m_blocks.clear();
    m_pictures.clear();
    m_currentTable = -1;
    m_keepTogether = false;
    m_pageNumbers = PageNumbers::None;
    m_blocks.append(newParagraph(Alignment::Left, m_size));
}

DocumentModel::Paragraph DocumentModel::newParagraph(Alignment alignment, double size) const
{
    Paragraph p{{}, alignment, m_font, size};
    p.keepWithNext = m_keepTogether;
    return p;
}

int DocumentModel::tableCount() const
{
    int n = 0;
    for (const Block &b : m_blocks)
        n += std::holds_alternative<Table>(b) ? 1 : 0;
    return n;
}

DocumentModel::Paragraph &DocumentModel::lastParagraph()
{
    // The document always ends with a paragraph, as a word processor keeps it.
    if (!std::holds_alternative<Paragraph>(m_blocks.last()))
        m_blocks.append(newParagraph(Alignment::Left, m_size));
    return std::get<Paragraph>(m_blocks.last());
}

void DocumentModel::setFontName(const QString &name)
{
    m_font = name;
    Paragraph &p = lastParagraph();
    if (p.runs.isEmpty())
        p.font = name;
}

void DocumentModel::setFontSize(double points)
{
    m_size = points;
    Paragraph &p = lastParagraph();
    if (p.runs.isEmpty())
        p.size = points;
}

void DocumentModel::write(const QString &text, double size)
{
    QString pending;
    auto flush = [&] {
        if (!pending.isEmpty())
            lastParagraph().runs.append(Run{pending, m_font, size, false, false});
        pending.clear();
    };
    for (QChar c : text) {
        if (c == u'\r' || c == u'\n') {
            flush();
            const Alignment alignment = lastParagraph().alignment;
            m_blocks.append(newParagraph(alignment, size));
        } else if (c == u'\f') {
            flush();
            lastParagraph().runs.append(Run{QString(), m_font, size, true, false});
        } else if (c == u'\t' || c.unicode() >= 0x20) {
            pending.append(c);
        }
    }
    flush();
}

void DocumentModel::typeText(const QString &text)
{
    write(text, m_size);
}

void DocumentModel::appendParagraph()
{
    const Alignment alignment = lastParagraph().alignment;
    m_blocks.append(newParagraph(alignment, m_size));
}

void DocumentModel::addTable(int rows, int columns)
{
    rows = std::max(rows, 1);
    columns = std::max(columns, 1);
    Table t;
    t.rows = rows;
    t.columns = columns;
    t.font = m_font;
    t.size = m_size;
    for (int r = 0; r < rows; ++r)
        t.cells.append(QStringList(columns, QString()));
    for (int c = 0; c < columns; ++c)
        t.columnAlignment.append(Alignment::Left);
    // The table takes the place of an empty last paragraph; a new paragraph
    // always follows it.
    t.rowHeight = QList<double>(rows, 0.0);
    const Paragraph &last = lastParagraph();
    if (last.runs.isEmpty()) {
        t.pageBreakBefore = last.pageBreakBefore;
        m_blocks.removeLast();
    }
    m_blocks.append(t);
    m_currentTable = m_blocks.size() - 1;
    m_blocks.append(newParagraph(Alignment::Left, m_size));
}

DocumentModel::Table *DocumentModel::currentTable()
{
    if (m_currentTable < 0 || m_currentTable >= m_blocks.size())
        return nullptr;
    return std::get_if<Table>(&m_blocks[m_currentTable]);
}

DocumentModel::Table *DocumentModel::tableAt(int index)
{
    int n = 0;
    for (Block &b : m_blocks) {
        if (auto *t = std::get_if<Table>(&b); t && ++n == index)
            return t;
    }
    return nullptr;
}

void DocumentModel::setTableFontSize(double points)
{
    if (Table *t = currentTable())
        t->size = points;
}

void DocumentModel::setCell(int row, int column, const QString &text)
{
    Table *t = currentTable();
    if (!t || row < 1 || column < 1 || row > t->rows || column > t->columns)
        return;
    t->cells[row - 1][column - 1] = text;
}

void DocumentModel::applyTableFormat9()
{
    if (Table *t = currentTable())
        t->styled = true;
}

void DocumentModel::alignTableColumn(int table, int column, Alignment alignment)
{
    Table *t = tableAt(table);
    if (!t || column < 1 || column > t->columns)
        return;
    t->columnAlignment[column - 1] = alignment;
}

void DocumentModel::alignAll(Alignment alignment)
{
    for (Block &b : m_blocks) {
        if (auto *p = std::get_if<Paragraph>(&b)) {
            p->alignment = alignment;
        } else {
            Table &t = std::get<Table>(b);
            t.alignment = alignment;
            for (Alignment &a : t.columnAlignment)
                a = alignment;
        }
    }
}

void DocumentModel::setAppendedParagraph(double points, const QString &text)
{
    lastParagraph().size = points;
    write(text, points);
}

void DocumentModel::startNewPage()
{
    lastParagraph().pageBreakBefore = true;
}

void DocumentModel::repeatHeadingRows(int rows)
{
    if (Table *t = currentTable())
        t->headingRows = std::clamp(rows, 0, t->rows);
}

void DocumentModel::setRowHeight(int firstRow, int lastRow, double points)
{
    Table *t = currentTable();
    if (!t)
        return;
    for (int r = std::max(firstRow, 1); r <= std::min(lastRow, t->rows); ++r)
        t->rowHeight[r - 1] = std::max(points, 0.0);
}

void DocumentModel::widenColumn(int column)
{
    if (Table *t = currentTable(); t && column >= 1 && column <= t->columns)
        t->wideColumn = column;
}

void DocumentModel::setAppendedPageCount(double points, const QString &before, int pages, const QString &after)
{
    lastParagraph().size = points;
    write(before, points);
    lastParagraph().runs.append(Run{QString::number(pages), m_font, points, false, true});
    write(after, points);
}

void DocumentModel::numberPages(bool coverUnnumbered)
{
    m_pageNumbers = coverUnnumbered ? PageNumbers::AfterCover : PageNumbers::Every;
}

int DocumentModel::statedPageCount() const
{
    for (const Block &b : m_blocks) {
        const auto *p = std::get_if<Paragraph>(&b);
        for (const Run &r : p ? p->runs : QList<Run>()) {
            if (r.pageCountField)
                return r.text.toInt();
        }
    }
    return 0;
}

void DocumentModel::addPicture(const QByteArray &png, QSize pixels, const QString &description)
{
    // Nothing to show is no picture rather than an empty frame.
    if (png.isEmpty() || pixels.isEmpty())
        return;
    if (!lastParagraph().runs.isEmpty())
        appendParagraph();
    m_pictures.append(Picture{png, pixels, description});
    Run r{QString(), m_font, m_size, false, false};
    r.picture = int(m_pictures.size()) - 1;
    Paragraph &p = lastParagraph();
    p.runs.append(r);
    m_blocks.append(newParagraph(p.alignment, m_size));
}

void DocumentModel::setProperties(const QString &title, const QString &author)
{
    m_title = title;
    m_author = author;
}
