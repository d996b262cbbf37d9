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
    };
    struct Paragraph {
        QList<Run> runs;
        Alignment alignment = Alignment::Left;
        QString font;     // of the paragraph mark
        double size = 12; // of the paragraph mark
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
        QString cell(int row, int column) const { return cells[row - 1][column - 1]; }
    };
    using Block = std::variant<Paragraph, Table>;

    DocumentModel();

    const QList<Block> &blocks() const { return m_blocks; }
    bool isA4() const { return m_a4; }
    bool hasLineSpacing12() const { return m_lineSpacing12; }
    int tableCount() const;

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
    bool save(const QString &path, QString *error) override;

private:
    Paragraph &lastParagraph();
    Table *currentTable();
    Table *tableAt(int index);
    void write(const QString &text, double size);

    QList<Block> m_blocks;
    qsizetype m_currentTable = -1;
    QString m_font = QStringLiteral("Times New Roman");
    double m_size = 12;
    bool m_a4 = false;
    bool m_lineSpacing12 = false;
};
