// The workbook of the results while it is built, and what its sheets share:
// formats, sizes, printing, texts as a cell may hold them.
#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <xlsxwriter.h>

namespace ResultsExport {

struct Book {
    lxw_workbook *workbook;
    lxw_format *heading;
    lxw_format *thousands;
    lxw_format *wrapped;
    QHash<QString, lxw_format *> numbers;
};

// Pixels of a default row, and of a column so many characters wide.
inline constexpr int kRowPixels = 20;
int columnPixels(double characters);

// Printed on A4, as wide as the page, the heading row on every page; turned
// when the sheet is wider than tall.
void printSetup(lxw_worksheet *sheet, int width, int height);

// Text as the workbook's XML may hold it, cut to limit without splitting a
// surrogate pair.
QByteArray bookText(const QString &text, qsizetype limit);

void writeText(lxw_worksheet *sheet, int row, int column, const QString &text, lxw_format *format = nullptr);

} // namespace ResultsExport
