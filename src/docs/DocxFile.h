// Writes a DocumentModel as an Office Open XML document (.docx): the XML parts
// with QXmlStreamWriter, the package with libzip. The file appears whole or
// not at all.
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <utility>

class DocumentModel;

namespace DocxFile {

// Name of the table style that stands for Word's table format 9.
inline constexpr const char *kColourStyle = "VicaniaColori";

bool write(const DocumentModel &document, const QString &path, QString *error);

// The package parts, by name, in the order they are stored.
QList<std::pair<QString, QByteArray>> parts(const DocumentModel &document);

// Text as XML may hold it: characters XML 1.0 forbids are dropped.
QString xmlSafe(const QString &text);

} // namespace DocxFile
