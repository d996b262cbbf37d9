// Writes a DocumentModel as an Office Open XML document (.docx): the XML parts
// with QXmlStreamWriter, the package with libzip in memory, the file with the
// program's one writer, so that it appears whole or not at all and replaces
// an older one in one step.
#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QSize>
#include <QString>
#include <utility>

#include "DocxPage.h"
#include "DocxParts.h"

class DocumentModel;

namespace DocxFile {

using DocxParts::kColourStyle;

bool write(const DocumentModel &document, const QString &path, QString *error);

// The package parts, by name, in the order they are stored.
QList<std::pair<QString, QByteArray>> parts(const DocumentModel &document,
                                            const QDateTime &when = QDateTime::currentDateTimeUtc());

// The page, for the callers that measure it here.
using DocxPage::compactParagraphs;
using DocxPage::Page;
using DocxPage::page;
using DocxPage::pictureSize;

} // namespace DocxFile
