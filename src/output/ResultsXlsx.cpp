#include "HypothesesXlsx.h"
#include "ReportSections.h"
#include "ResultsExport.h"
#include "SizingXlsx.h"
#include "SourceTexts.h"
#include "XlsxBook.h"

#include "core/XmlText.h"
#include "estimate/NumberReading.h"
#include "estimate/StudySnapshot.h"

#include <QFile>
#include <QHash>
#include <QTemporaryDir>
#include <algorithm>
#include <array>
#include <clocale>
#include <cmath>
#include <xlsxwriter.h>

namespace ResultsExport {

namespace {

// The format of a number typed in a field: a year as it is, the others in
// thousands and with as many decimals as typed after the comma.
QString typedFormat(const QString &typed, double value, bool year)
{
    const bool whole = value == std::floor(value);
    if (year && whole)
        return QStringLiteral("0");
    const qsizetype comma = typed.lastIndexOf(u',');
    int decimals = 0;
    for (qsizetype i = comma + 1; comma >= 0 && i < typed.size() && typed[i].isDigit() && decimals < 10; ++i)
        ++decimals;
    if (decimals == 0)
        return whole ? QStringLiteral("#,##0") : QStringLiteral("General");
    return QStringLiteral("#,##0.") + QString(decimals, u'0');
}

lxw_format *numberFormat(Book &book, const QString &code)
{
    lxw_format *&format = book.numbers[code];
    if (!format) {
        format = workbook_add_format(book.workbook);
        format_set_num_format(format, code.toLatin1().constData());
        format_set_align(format, LXW_ALIGN_LEFT);
        format_set_align(format, LXW_ALIGN_VERTICAL_TOP);
    }
    return format;
}

// The rows a text takes in the value column, where it wraps.
int textLines(const QString &text)
{
    return std::clamp(int((text.size() + 39) / 40), 1, 27);
}

// A value of "Dati": a number where the program reads one in it, the text as
// typed otherwise. The known inhabitants are read by their leading number,
// so "10.000" stays text: the calculation took it for 10. Gives its lines.
int writeValue(Book &book, lxw_worksheet *sheet, int row, const QString &text, bool year, bool leading = false)
{
    const auto value = NumberReading::italianNumber(text);
    if (!value || (leading && *value != NumberReading::leadingNumber(text))) {
        writeText(sheet, row, 1, text, book.wrapped);
        return textLines(text);
    }
    worksheet_write_number(sheet, lxw_row_t(row), 1, *value, numberFormat(book, typedFormat(text, *value, year)));
    return 1;
}

// The inputs as the report's data table shows them; gives the rows' lines.
int inputRows(Book &book, lxw_worksheet *sheet, const StudySnapshot &s)
{
    writeText(sheet, 0, 0, QStringLiteral("Dati: tipo"), book.heading);
    writeText(sheet, 0, 1, QStringLiteral("valore"), book.heading);
    int row = 1, lines = 1;
    for (const ProjectionInput which : ProjectionInputs::inFileOrder()) {
        const ProjectionInputs::Reading reading = ProjectionInputs::row(which).reading;
        writeText(sheet, row, 0, s.input(which).caption, book.wrapped);
        lines += writeValue(book, sheet, row++, s.input(which).text, reading == ProjectionInputs::Reading::Year,
                            reading == ProjectionInputs::Reading::Leading);
    }
    writeText(sheet, row, 0, QStringLiteral("Numero di abitanti calcolato"), book.wrapped);
    return lines + writeValue(book, sheet, row, s.popolazione, false);
}

// The title page, with the office of the full report; gives the rows' lines.
int titleRows(Book &book, lxw_worksheet *sheet, int row, const StudySnapshot &s)
{
    writeText(sheet, row++, 0, QStringLiteral("Frontespizio"), book.heading);
    const TitlePageData &p = s.titlePage;
    // As the full report: the program's office, else the one the study shows.
    const bool own = s.officeName.isEmpty();
    const auto page =
        ReportSections::titlePageRows(p, own ? p.labelstudio : s.officeName, own ? p.labelindirizzo : s.officeAddress);
    int lines = 1;
    for (const auto &[caption, text] : page) {
        writeText(sheet, row, 0, caption, book.wrapped);
        writeText(sheet, row++, 1, text, book.wrapped);
        lines += textLines(text);
    }
    return lines;
}

// Where the inputs came from, when imported; gives the rows' lines.
int sourceRows(Book &book, lxw_worksheet *sheet, int row, const StudySnapshot &s)
{
    if (!s.source)
        return 0;
    writeText(sheet, row++, 0, SourceTexts::kHeading, book.heading);
    int lines = 2;
    for (const auto &[caption, text] : SourceTexts::rows(*s.source, s)) {
        writeText(sheet, row, 0, caption, book.wrapped);
        writeText(sheet, row++, 1, text, book.wrapped);
        lines += textLines(text);
    }
    return lines;
}

void dataSheet(Book &book, const StudySnapshot &s)
{
    lxw_worksheet *sheet = workbook_add_worksheet(book.workbook, "Dati");
    constexpr int kTitleRow = ProjectionInputs::kCount + 3;
    const int lines = inputRows(book, sheet, s) + 1 + titleRows(book, sheet, kTitleRow, s) +
                      sourceRows(book, sheet, kTitleRow + 11, s);
    worksheet_set_column(sheet, 0, 0, 44, nullptr);
    worksheet_set_column(sheet, 1, 1, 40, nullptr);
    printSetup(sheet, columnPixels(44) + columnPixels(40), lines * kRowPixels);
}

// The inhabitants over the years, in calendar order even for a backward run.
void inhabitantsChart(Book &book, lxw_worksheet *sheet, const StudySnapshot &s, int rows)
{
    lxw_chart *chart = workbook_add_chart(book.workbook, LXW_CHART_LINE);
    const QByteArray categories = QStringLiteral("=Risultati!$A$2:$A$%1").arg(rows + 1).toUtf8();
    const QByteArray values = QStringLiteral("=Risultati!$B$2:$B$%1").arg(rows + 1).toUtf8();
    lxw_chart_series *series = chart_add_series(chart, categories.constData(), values.constData());
    chart_series_set_name(series, "Abitanti");
    QString title = QStringLiteral("Abitanti anno per anno");
    const QString town = XmlText::safe(s.titlePage.localita).trimmed();
    if (!town.isEmpty())
        title += QStringLiteral(": ") + town;
    const QByteArray titleUtf8 = bookText(title, 250);
    chart_title_set_name(chart, titleUtf8.constData());
    chart_axis_set_name(chart->x_axis, "Anno");
    chart_axis_set_name(chart->y_axis, "Abitanti");
    chart_axis_set_num_format(chart->y_axis, "#,##0");
    chart_legend_set_position(chart, LXW_CHART_LEGEND_NONE);
    if (rows > 1 && s.table.year[1] && s.table.year[2] && *s.table.year[2] < *s.table.year[1])
        chart_axis_set_reverse(chart->x_axis);
    // Under the table, as wide as it: one page wide, printed at a size that reads.
    lxw_chart_options place = {};
    place.y_offset = 10;
    place.x_scale = 1.6;
    place.y_scale = 1.5;
    worksheet_insert_chart_opt(sheet, lxw_row_t(rows + 2), 0, chart, &place);
}

void resultsSheet(Book &book, const StudySnapshot &s)
{
    lxw_worksheet *sheet = workbook_add_worksheet(book.workbook, "Risultati");
    for (int c = 0; c < kGridColumnCount; ++c)
        writeText(sheet, 0, c, gridHeaderCaption(static_cast<GridColumn>(c)), book.heading);
    const int rows = s.usedRows();
    for (int row = 1; row <= rows; ++row) {
        for (int c = 0; c < kGridColumnCount; ++c) {
            const auto column = static_cast<GridColumn>(c);
            worksheet_write_number(sheet, lxw_row_t(row), lxw_col_t(c), gridValue(s.table, row, column),
                                   column == GridColumn::ann ? nullptr : book.thousands);
        }
    }
    // The headings stay in sight while the years scroll.
    worksheet_freeze_panes(sheet, 1, 0);
    worksheet_set_column(sheet, 0, 0, 8, nullptr);
    worksheet_set_column(sheet, 1, 8, 12, nullptr);
    int height = (rows + 1) * kRowPixels;
    if (rows > 0) {
        inhabitantsChart(book, sheet, s, rows);
        height += kRowPixels + 10 + 432; // the blank row, the chart's offset and height
    }
    printSetup(sheet, columnPixels(8) + 8 * columnPixels(12), height);
}

// libxlsxwriter writes its numbers with printf: in C's numeric locale, on
// this thread only, while it lives, so that a column is 44.7 wide under an
// Italian locale too and not "44,7", which a spreadsheet cannot read.
class CNumbers {
public:
    CNumbers() : m_c(numericC()), m_previous(m_c ? uselocale(m_c) : nullptr) {}
    ~CNumbers()
    {
        if (!m_c)
            return;
        uselocale(m_previous);
        freelocale(m_c);
    }
    CNumbers(const CNumbers &) = delete;
    CNumbers &operator=(const CNumbers &) = delete;

private:
    // The thread's locale with C's numbers, or none when it cannot be made.
    static locale_t numericC()
    {
        const locale_t base = duplocale(LC_GLOBAL_LOCALE);
        if (!base)
            return nullptr;
        const locale_t c = newlocale(LC_NUMERIC_MASK, "C", base);
        if (!c)
            freelocale(base);
        return c;
    }

    locale_t m_c;
    locale_t m_previous;
};

// Where libxlsxwriter writes the workbook: it can only write a named file.
QByteArray readBack(const QString &path, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("il foglio preparato non si può rileggere");
        return {};
    }
    return file.readAll();
}

} // namespace

QByteArray xlsx(const StudySnapshot &s, QString *error)
{
    const CNumbers cNumbers;
    QTemporaryDir folder;
    if (!folder.isValid()) {
        *error = QStringLiteral("impossibile creare una cartella temporanea");
        return {};
    }
    const QByteArray path = folder.filePath(QStringLiteral("risultati.xlsx")).toLocal8Bit();
    const QByteArray tmp = folder.path().toLocal8Bit();
    lxw_workbook_options options = {};
    options.tmpdir = const_cast<char *>(tmp.constData());
    Book book{workbook_new_opt(path.constData(), &options), nullptr, nullptr, nullptr, {}};
    if (!book.workbook) {
        *error = QStringLiteral("impossibile preparare la cartella di lavoro");
        return {};
    }
    book.heading = workbook_add_format(book.workbook);
    format_set_bold(book.heading);
    book.thousands = workbook_add_format(book.workbook);
    format_set_num_format(book.thousands, "#,##0");
    book.wrapped = workbook_add_format(book.workbook);
    format_set_text_wrap(book.wrapped);
    format_set_align(book.wrapped, LXW_ALIGN_VERTICAL_TOP);
    dataSheet(book, s);
    resultsSheet(book, s);
    if (s.hypotheses)
        hypothesesSheet(book, s);
    if (s.sizing)
        sizingSheet(book, s);
    if (const lxw_error e = workbook_close(book.workbook); e != LXW_NO_ERROR) {
        // Its own texts are English and speak of its temporary files.
        *error = QStringLiteral("impossibile preparare il foglio nella cartella temporanea (errore %1)").arg(int(e));
        return {};
    }
    return readBack(QString::fromLocal8Bit(path), error);
}

} // namespace ResultsExport
