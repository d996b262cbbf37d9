// Writes a DocumentModel as an Office Open XML document (.docx): the XML parts
// with QXmlStreamWriter, the package with libzip in memory, the file with
// QSaveFile, so that it appears whole or not at all and replaces an older one
// in one step.
#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QSize>
#include <QString>
#include <utility>

#include "DocxParts.h"

class DocumentModel;

namespace DocxFile {

using DocxParts::kColourStyle;

bool write(const DocumentModel &document, const QString &path, QString *error);

// The package parts, by name, in the order they are stored.
QList<std::pair<QString, QByteArray>> parts(const DocumentModel &document,
                                            const QDateTime &when = QDateTime::currentDateTimeUtc());

// The page and its text area, in twentieths of a point: A4 with the margins
// of an Italian Word blank document (2,5 cm at the top, 2 cm elsewhere).
struct Page {
    int width, height, top, bottom, left, right, header, footer;
    int textWidth() const { return width - left - right; }
    int textHeight() const { return height - top - bottom; }
};
Page page(bool landscape);

// A picture of these pixels on the page, in English Metric Units (635 to a
// twip): as wide as the text, no taller than most of the page.
QSize pictureSize(QSize pixels, bool landscape);

// For each block, whether it is an empty paragraph that only leads up to a
// new page or the end, which the file keeps one point tall.
QList<bool> compactParagraphs(const DocumentModel &document);

} // namespace DocxFile
