#include "XlsxBook.h"

#include "core/XmlText.h"

#include <cmath>

namespace ResultsExport {

namespace {

// A spreadsheet cell holds at most this many characters.
constexpr qsizetype kCellLimit = 32767;

} // namespace

int columnPixels(double characters)
{
    return int(std::lround(characters * 7)) + 5;
}

void printSetup(lxw_worksheet *sheet, int width, int height)
{
    worksheet_set_paper(sheet, 9);
    worksheet_fit_to_pages(sheet, 1, 0);
    worksheet_repeat_rows(sheet, 0, 0);
    if (width > height)
        worksheet_set_landscape(sheet);
    else
        worksheet_set_portrait(sheet);
}

QByteArray bookText(const QString &text, qsizetype limit)
{
    QString safe = XmlText::safe(text);
    if (safe.size() > limit) {
        safe.truncate(limit);
        if (safe.back().isHighSurrogate())
            safe.chop(1);
    }
    return safe.toUtf8();
}

void writeText(lxw_worksheet *sheet, int row, int column, const QString &text, lxw_format *format)
{
    const QByteArray utf8 = bookText(text, kCellLimit);
    worksheet_write_string(sheet, lxw_row_t(row), lxw_col_t(column), utf8.constData(), format);
}

} // namespace ResultsExport
