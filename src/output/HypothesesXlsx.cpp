#include "HypothesesXlsx.h"

#include "estimate/NumberReading.h"
#include "estimate/StudySnapshot.h"

namespace ResultsExport {

namespace {

using Hypotheses::Kind;

// The three lines over the years: the central one solid and wider.
void chart(Book &book, lxw_worksheet *sheet, const HypothesisComparison &c, int rows)
{
    lxw_chart *chart = workbook_add_chart(book.workbook, LXW_CHART_LINE);
    const QByteArray categories = QStringLiteral("=Ipotesi!$A$2:$A$%1").arg(rows + 1).toUtf8();
    for (const Kind kind : Hypotheses::kKinds) {
        const QChar column(u'B' + int(kind));
        const QByteArray values = QStringLiteral("=Ipotesi!$%1$2:$%1$%2").arg(column).arg(rows + 1).toUtf8();
        lxw_chart_series *series = chart_add_series(chart, categories.constData(), values.constData());
        const QByteArray name = Hypotheses::name(kind).toUtf8();
        chart_series_set_name(series, name.constData());
        lxw_chart_line line = {};
        line.width = kind == Kind::Central ? 2.5 : 1.25;
        line.dash_type = kind == Kind::Central ? LXW_CHART_LINE_DASH_SOLID : LXW_CHART_LINE_DASH_DASH;
        chart_series_set_line(series, &line);
    }
    chart_title_set_name(chart, "Ipotesi a confronto");
    chart_axis_set_name(chart->x_axis, "Anno");
    chart_axis_set_name(chart->y_axis, "Abitanti");
    chart_axis_set_num_format(chart->y_axis, "#,##0");
    chart_legend_set_position(chart, LXW_CHART_LEGEND_BOTTOM);
    const std::vector<int> &years = c.columns[0].years;
    if (years.size() > 1 && years[1] < years[0])
        chart_axis_set_reverse(chart->x_axis);
    lxw_chart_options place = {};
    place.y_offset = 10;
    place.x_scale = 1.2;
    place.y_scale = 1.5;
    worksheet_insert_chart_opt(sheet, 1, 5, chart, &place);
}

// Under the years: the results, then the values of each hypothesis.
int closingRows(Book &book, lxw_worksheet *sheet, const HypothesisComparison &c, int row)
{
    writeText(sheet, row, 0, QStringLiteral("Risultato"), book.heading);
    for (const Kind kind : Hypotheses::kKinds) {
        const auto value = NumberReading::italianNumber(c.column(kind).result);
        if (value)
            worksheet_write_number(sheet, lxw_row_t(row), lxw_col_t(int(kind) + 1), *value, book.thousands);
    }
    row += 2;
    writeText(sheet, row++, 0, QStringLiteral("Dati"), book.heading);
    for (std::size_t i = 0; i < Hypotheses::kVaried.size(); ++i, ++row) {
        writeText(sheet, row, 0, ProjectionInputs::caption(Hypotheses::kVaried[i]), book.wrapped);
        for (const Kind kind : Hypotheses::kKinds) {
            const QString &typed = c.column(kind).values[i];
            const auto value = NumberReading::italianNumber(typed);
            if (value)
                worksheet_write_number(sheet, lxw_row_t(row), lxw_col_t(int(kind) + 1), *value, nullptr);
            else
                writeText(sheet, row, int(kind) + 1, typed);
        }
    }
    return row;
}

} // namespace

void hypothesesSheet(Book &book, const StudySnapshot &s)
{
    const HypothesisComparison &c = *s.hypotheses;
    lxw_worksheet *sheet = workbook_add_worksheet(book.workbook, "Ipotesi");
    writeText(sheet, 0, 0, QStringLiteral("Anno"), book.heading);
    for (const Kind kind : Hypotheses::kKinds)
        writeText(sheet, 0, int(kind) + 1, Hypotheses::name(kind), book.heading);
    const int rows = int(c.rows());
    for (int r = 0; r < rows; ++r) {
        worksheet_write_number(sheet, lxw_row_t(r + 1), 0, c.columns[0].years[std::size_t(r)], nullptr);
        for (const Kind kind : Hypotheses::kKinds)
            worksheet_write_number(sheet, lxw_row_t(r + 1), lxw_col_t(int(kind) + 1),
                                   c.column(kind).inhabitants[std::size_t(r)], book.thousands);
    }
    worksheet_freeze_panes(sheet, 1, 0);
    worksheet_set_column(sheet, 0, 0, 24, nullptr);
    worksheet_set_column(sheet, 1, 3, 12, nullptr);
    const int last = closingRows(book, sheet, c, rows + 2);
    if (rows > 0)
        chart(book, sheet, c, rows);
    printSetup(sheet, columnPixels(24) + 3 * columnPixels(12) + 620, (last + 1) * kRowPixels);
}

} // namespace ResultsExport
