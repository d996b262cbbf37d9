#include "SizingXlsx.h"

#include "estimate/NumberReading.h"
#include "estimate/PlanSizingTexts.h"
#include "estimate/StudySnapshot.h"

namespace ResultsExport {

namespace {

void number(Book &book, lxw_worksheet *sheet, int row, int column, const QString &text, bool decimals)
{
    const auto value = NumberReading::italianNumber(text);
    if (!value) {
        writeText(sheet, row, column, text);
        return;
    }
    worksheet_write_number(sheet, lxw_row_t(row), lxw_col_t(column), *value, decimals ? nullptr : book.thousands);
}

int inputRows(Book &book, lxw_worksheet *sheet, const PlanSizing::Sizing &z)
{
    const QStringList heads{QStringLiteral("Dato"), QStringLiteral("Valore"), QStringLiteral("Unità"),
                            QStringLiteral("Fonte")};
    for (int c = 0; c < heads.size(); ++c)
        writeText(sheet, 0, c, heads[c], book.heading);
    int row = 1;
    for (const PlanSizing::InputRow &r : PlanSizing::rows()) {
        writeText(sheet, row, 0, QString::fromUtf8(r.caption), book.wrapped);
        number(book, sheet, row, 1, z.inputs.text(r.input), true);
        writeText(sheet, row, 2, QString::fromUtf8(r.unit));
        writeText(sheet, row++, 3, PlanSizingTexts::ruleOf(z, r.input), book.wrapped);
    }
    return row;
}

void resultRows(Book &book, lxw_worksheet *sheet, const PlanSizing::Sizing &z, int row)
{
    const int columns = int(z.columns.size());
    const std::size_t central = z.columns.size() == 3 ? 1 : 0;
    writeText(sheet, row, 0, QStringLiteral("Voce"), book.heading);
    for (int c = 0; c < columns; ++c)
        writeText(sheet, row, c + 1,
                  z.names[std::size_t(c)].isEmpty() ? QStringLiteral("Valore") : z.names[std::size_t(c)], book.heading);
    writeText(sheet, row++, columns + 1, QStringLiteral("Come si ottiene"), book.heading);
    const auto lines = PlanSizing::resultLines(z.columns[0]);
    for (std::size_t i = 0; i < lines.size(); ++i, ++row) {
        writeText(sheet, row, 0, PlanSizingTexts::caption(lines[i].first), book.wrapped);
        for (int c = 0; c < columns; ++c) {
            const QString value = PlanSizing::resultLines(z.columns[std::size_t(c)])[i].second;
            number(book, sheet, row, c + 1, value, value.contains(u','));
        }
        writeText(sheet, row, columns + 1, PlanSizingTexts::formula(lines[i].first, z, central), book.wrapped);
    }
}

} // namespace

void sizingSheet(Book &book, const StudySnapshot &s)
{
    const PlanSizing::Sizing &z = *s.sizing;
    lxw_worksheet *sheet = workbook_add_worksheet(book.workbook, "Dimensionamento");
    const int row = inputRows(book, sheet, z);
    resultRows(book, sheet, z, row + 1);
    worksheet_set_column(sheet, 0, 0, 44, nullptr);
    worksheet_set_column(sheet, 1, lxw_col_t(z.columns.size()), 14, nullptr);
    worksheet_set_column(sheet, lxw_col_t(z.columns.size() + 1), lxw_col_t(z.columns.size() + 1), 60, nullptr);
    const int width = columnPixels(44) + int(z.columns.size()) * columnPixels(14) + columnPixels(60);
    printSetup(sheet, width, (row + 20) * kRowPixels * 2);
}

} // namespace ResultsExport
