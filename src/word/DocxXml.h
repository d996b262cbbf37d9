// A small layer over QXmlStreamWriter for the parts of a .docx package.
#pragma once

#include <QByteArray>
#include <QString>
#include <QXmlStreamWriter>
#include <initializer_list>
#include <utility>

namespace DocxXml {

inline const QString kW = QStringLiteral("http://schemas.openxmlformats.org/wordprocessingml/2006/main");
inline const QString kR = QStringLiteral("http://schemas.openxmlformats.org/officeDocument/2006/relationships");

using Attributes = std::initializer_list<std::pair<QString, QString>>;

class Writer {
public:
    Writer() : w(&bytes) { w.writeStartDocument(QStringLiteral("1.0"), true); }
    QXmlStreamWriter w;
    QByteArray bytes;
    void start(const QString &name) { w.writeStartElement(name); }
    void end() { w.writeEndElement(); }
    void empty(const QString &name, Attributes attributes = {})
    {
        w.writeEmptyElement(name);
        for (const auto &[k, v] : attributes)
            w.writeAttribute(k, v);
    }
    // An element with one w:val attribute, the commonest shape of all.
    void val(const QString &name, const QString &value) { empty(name, {{QStringLiteral("w:val"), value}}); }
    void attr(const QString &k, const QString &v) { w.writeAttribute(k, v); }
    QByteArray finish()
    {
        w.writeEndDocument();
        return bytes;
    }
};

} // namespace DocxXml
