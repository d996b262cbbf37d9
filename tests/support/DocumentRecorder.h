// Records every operation a document builder asks for, one line each, so the
// order of a document can be checked without writing it.
#pragma once

#include "word/DocumentOutput.h"
#include "word/DocumentWriter.h"

#include <QStringList>
#include <memory>

class DocumentRecorder : public DocumentWriter {
public:
    QStringList operations;

    void newDocument() override { add(QStringLiteral("newDocument")); }
    void pageSetupA4() override { add(QStringLiteral("pageSetupA4")); }
    void setLineSpacing12() override { add(QStringLiteral("lineSpacing12")); }
    void setFontName(const QString &name) override { add(QStringLiteral("fontName ") + name); }
    void setFontSize(double points) override { add(QStringLiteral("fontSize %1").arg(points)); }
    void typeText(const QString &text) override { add(QStringLiteral("type ") + visible(text)); }
    void goToEnd() override { add(QStringLiteral("goToEnd")); }
    void appendParagraph() override { add(QStringLiteral("appendParagraph")); }
    void addTable(int rows, int columns) override { add(QStringLiteral("addTable %1 %2").arg(rows).arg(columns)); }
    void setTableFontSize(double points) override { add(QStringLiteral("tableFontSize %1").arg(points)); }
    void setCell(int row, int column, const QString &text) override
    {
        add(QStringLiteral("cell %1 %2 ").arg(row).arg(column) + text);
    }
    void applyTableFormat9() override { add(QStringLiteral("format9")); }
    void alignTableColumn(int table, int column, Alignment a) override
    {
        add(QStringLiteral("alignColumn %1 %2 %3").arg(table).arg(column).arg(int(a)));
    }
    void alignAll(Alignment a) override { add(QStringLiteral("alignAll %1").arg(int(a))); }
    void setAppendedParagraph(double points, const QString &text) override
    {
        add(QStringLiteral("appendedParagraph %1 ").arg(points) + visible(text));
    }
    void startNewPage() override { add(QStringLiteral("newPage")); }
    void keepRestTogether() override { add(QStringLiteral("keepTogether")); }
    void keepApart() override { add(QStringLiteral("keepApart")); }
    void repeatHeadingRows(int rows) override { add(QStringLiteral("headingRows %1").arg(rows)); }
    void setRowHeight(int first, int last, double points) override
    {
        add(QStringLiteral("rowHeight %1 %2 %3").arg(first).arg(last).arg(points));
    }
    void widenColumn(int column) override { add(QStringLiteral("widenColumn %1").arg(column)); }
    void pageSetupLandscape() override { add(QStringLiteral("landscape")); }
    void setAppendedPageCount(double points, const QString &before, int pages, const QString &after) override
    {
        setAppendedParagraph(points, before + QString::number(pages) + after);
        add(QStringLiteral("pageCountField %1").arg(pages));
    }
    void numberPages(bool coverUnnumbered) override
    {
        add(coverUnnumbered ? QStringLiteral("numberPages coverUnnumbered") : QStringLiteral("numberPages"));
    }
    void addPicture(const QByteArray &png, QSize pixels, const QString &description) override
    {
        add(QStringLiteral("picture %1x%2 %3 ").arg(pixels.width()).arg(pixels.height()).arg(png.size()) + description);
    }
    void setProperties(const QString &title, const QString &author) override
    {
        add(QStringLiteral("properties ") + title + u'|' + author);
    }
    bool save(const QString &path, QString *) override
    {
        add(QStringLiteral("save ") + path);
        return true;
    }

    // Paragraph ends shown as "¶", page breaks as "§".
    static QString visible(QString text) { return text.replace(u'\r', u'¶').replace(u'\f', u'§'); }

private:
    void add(const QString &line) { operations << line; }
};

// Takes every document as the program would deliver it, keeping the kinds
// delivered and the operations of the last one; `accept` false plays a
// delivery that failed.
class RecordingOutput : public DocumentOutput {
public:
    std::unique_ptr<DocumentWriter> create() override { return std::make_unique<DocumentRecorder>(); }
    bool deliver(DocumentWriter &document, const QString &kind) override
    {
        kinds << kind;
        last = static_cast<DocumentRecorder &>(document).operations;
        return accept;
    }
    bool deliverNamed(DocumentWriter &document, const QString &fileName) override
    {
        return deliver(document, fileName);
    }
    QStringList kinds;
    QStringList last;
    bool accept = true;
};
