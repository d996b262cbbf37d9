// What the program asks of a word processor to build a document, operation by
// operation, in the order its documents are built. The .docx backend and the
// recorder used by the tests both implement it.
#pragma once

#include <QByteArray>
#include <QSize>
#include <QString>

class DocumentWriter {
public:
    enum class Alignment { Left = 0, Center = 1, Right = 2, Justify = 3 };

    virtual ~DocumentWriter() = default;

    // A new, empty document: one empty paragraph, the insertion point in it.
    virtual void newDocument() = 0;
    virtual void pageSetupA4() = 0;
    // Every paragraph of the document, then and after, 12 points apart.
    virtual void setLineSpacing12() = 0;
    // Font of the insertion point.
    virtual void setFontName(const QString &name) = 0;
    virtual void setFontSize(double points) = 0;
    // Text at the insertion point: "\r" ends a paragraph, "\f" breaks the page.
    virtual void typeText(const QString &text) = 0;
    // The insertion point goes to the end of the document.
    virtual void goToEnd() = 0;
    virtual void appendParagraph() = 0;
    // A table at the end of the document; it becomes the current table.
    virtual void addTable(int rows, int columns) = 0;
    virtual void setTableFontSize(double points) = 0;
    // Row and column counted from 1.
    virtual void setCell(int row, int column, const QString &text) = 0;
    // The program's coloured table style, in place of Word's format 9.
    virtual void applyTableFormat9() = 0;
    // Table counted from 1 in document order.
    virtual void alignTableColumn(int table, int column, Alignment alignment) = 0;
    virtual void alignAll(Alignment alignment) = 0;
    // Font size, then text, of the paragraph last appended at the end.
    virtual void setAppendedParagraph(double points, const QString &text) = 0;
    // Layout that keeps pages whole. The paragraph at the insertion point (or
    // the table that takes its place) begins a new page.
    virtual void startNewPage() = 0;
    // Every paragraph from here to the end stays on one page with the next.
    virtual void keepRestTogether() = 0;
    // From here on paragraphs fall where they fall again.
    virtual void keepApart() = 0;
    // The first rows of the current table repeat at the top of each page.
    virtual void repeatHeadingRows(int rows) = 0;
    // Rows first to last of the current table are at least this tall.
    virtual void setRowHeight(int firstRow, int lastRow, double points) = 0;
    // This column of the current table takes the width its text leaves over
    // (a column filled in by hand).
    virtual void widenColumn(int column) = 0;
    virtual void pageSetupLandscape() = 0;
    // Like setAppendedParagraph with before + pages + after, the number being
    // the word processor's own page count (pages is its value until updated).
    virtual void setAppendedPageCount(double points, const QString &before, int pages, const QString &after) = 0;
    // "Pagina N di M" at the foot of every page, both numbers the word
    // processor's own; the cover of a report goes without.
    virtual void numberPages(bool coverUnnumbered) = 0;
    // A PNG picture of pixels in a paragraph of its own at the insertion
    // point, as wide as the text (no taller than the page); description is
    // what a reader without pictures is told.
    virtual void addPicture(const QByteArray &png, QSize pixels, const QString &description) = 0;
    // Title and author in the document's properties.
    virtual void setProperties(const QString &title, const QString &author) = 0;
    // False when the document could not be written; error says why.
    virtual bool save(const QString &path, QString *error) = 0;
};

// The font every document of the program is written in.
inline const QString kDocumentFont = QStringLiteral("Century Gothic");

// Who a document is by: the office, or the program when there is none.
inline QString documentAuthor(const QString &office, const QString &program)
{
    return office.trimmed().isEmpty() ? program : office;
}
