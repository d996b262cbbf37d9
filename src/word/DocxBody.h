// The body of a .docx, word/document.xml: the paragraphs, tables and
// pictures of a DocumentModel, and the page they are set on.
#pragma once

#include <QByteArray>

class DocumentModel;

namespace DocxBody {

QByteArray documentXml(const DocumentModel &d);

} // namespace DocxBody
