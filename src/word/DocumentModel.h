// A document held in memory as paragraphs and tables, built through the
// DocumentWriter operations; DocxFile writes it out.
#pragma once

#include "DocumentWriter.h"

#include <QList>
#include <QStringList>
#include <variant>

class DocumentModel : public DocumentWriter {
public:
    struct Run {
        QString text;
        QString font;
        double size = 12;
        bool pageBreak = false;
        bool pageCountField = false; // text is the field's last value
        int picture = -1;            // index in pictures(); -1 for text
    };
    struct Picture {
        QByteArray png;
        QSize pixels;
        QString description;
    };
    struct Paragraph {
        QList<Run> runs;
        Alignment alignment = Alignment::Left;
        QString font;     // of the paragraph mark
        double size = 12; // of the paragraph mark
        bool pageBreakBefore = false;
        bool keepWithNext = false;
        QString text() const;
    };
    struct Table {
        int rows = 0;
        int columns = 0;
        QList<QStringList> cells; // [row][column]
        QString font;
        double size = 12;
        bool styled = false;
        Alignment alignment = Alignment::Left;
        QList<Alignment> columnAlignment; // per column
        bool pageBreakBefore = false;
        int headingRows = 0;
        QList<double> rowHeight; // points, 0 for the word processor's own
        int wideColumn = 0;      // from 1; 0 for none
        QString cell(int row, int column) const { return cells[row - 1][column - 1]; }
    };
    using Block = std::variant<Paragraph, Table>;
    enum class PageNumbers { None, Every, AfterCover };

    DocumentModel();

    const QList<Block> &blocks() const { return m_blocks; }
    bool isA4() const { return m_a4; }
    bool hasLineSpacing12() const { return m_lineSpacing12; }
    bool isLandscape() const { return m_landscape; }
    PageNumbers pageNumbers() const { return m_pageNumbers; }
    // The value the page-count field holds; 0 without one.
    int statedPageCount() const;
    const QString &title() const { return m_title; }
    const QString &author() const { return m_author; }
    int tableCount() const;
    const QList<Picture> &pictures() const { return m_pictures; }

    void newDocument() override;
    void pageSetupA4() override { m_a4 = true; }
    void setLineSpacing12() override { m_lineSpacing12 = true; }
    void setFontName(const QString &name) override;
    void setFontSize(double points) override;
    void typeText(const QString &text) override;
    void goToEnd() override {}
    void appendParagraph() override;
    void addTable(int rows, int columns) override;
    void setTableFontSize(double points) override;
    void setCell(int row, int column, const QString &text) override;
    void applyTableFormat9() override;
    void alignTableColumn(int table, int column, Alignment alignment) override;
    void alignAll(Alignment alignment) override;
    void setAppendedParagraph(double points, const QString &text) override;
    void startNewPage() override;
    void keepRestTogether() override { m_keepTogether = true; }
    void keepApart() override { m_keepTogether = false; }
    void repeatHeadingRows(int rows) override;
    void setRowHeight(int firstRow, int lastRow, double points) override;
    void widenColumn(int column) override;
    void pageSetupLandscape() override { m_landscape = true; }
    void setAppendedPageCount(double points, const QString &before, int pages, const QString &after) override;
    void numberPages(bool coverUnnumbered) override;
    void addPicture(const QByteArray &png, QSize pixels, const QString &description) override;
    void setProperties(const QString &title, const QString &author) override;
    bool save(const QString &path, QString *error) override;

private:
    Paragraph &lastParagraph();
    Table *currentTable();
    Table *tableAt(int index);
    void write(const QString &text, double size);
    Paragraph newParagraph(Alignment alignment, double size) const;

    QList<Block> m_blocks;
    QList<Picture> m_pictures;
    qsizetype m_currentTable = -1;
    // Even the marks typed before a font is chosen are in the documents' font.
    QString m_font = QStringLiteral("Century Gothic");
    double m_size = 12;
    bool m_a4 = false;
    bool m_lineSpacing12 = false;
    bool m_landscape = false;
    bool m_keepTogether = false;
    PageNumbers m_pageNumbers = PageNumbers::None;
    QString m_title, m_author;
};
