// The page numbers at the foot of the pages, "Pagina N di M": a footer part
// of its own, both numbers fields that the word processor works out, each
// holding a value for the readers that never do.
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <utility>

#include "DocxXml.h"

class DocumentModel;

namespace DocxFooter {

// The footer parts the document needs, by name: none without page numbers;
// the numbered footer first, then the cover's empty one.
QList<std::pair<QString, QByteArray>> parts(const DocumentModel &document);

// The references that open the section's properties.
void references(DocxXml::Writer &x, const DocumentModel &document);

// The page count the document holds until a word processor counts again:
// the one its text states, otherwise an estimate.
int storedPageCount(const DocumentModel &document);

} // namespace DocxFooter
