// The parts of a .docx package other than the document's body: content
// types, relationships, properties, settings, fonts and styles.
#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

namespace DocxParts {

inline constexpr const char *kFont = "Century Gothic";
// Name of the table style that stands for Word's table format 9.
inline constexpr const char *kColourStyle = "VicaniaColori";
inline constexpr const char *kGridStyle = "Griglia";

// With pictures, the package holds PNG parts too; footers are parts of their own.
QByteArray contentTypes(bool pictures = false, int footers = 0);
QByteArray packageRelationships();
QByteArray documentRelationships(int pictures = 0, int footers = 0);
// The n-th picture (from 1): its relationship id and its part beside word/document.xml.
QString pictureRelationship(int n);
QString pictureTarget(int n);
// The same for the n-th footer.
QString footerRelationship(int n);
QString footerTarget(int n);
QByteArray coreProperties(const QString &title, const QString &author, const QDateTime &when);
QByteArray appProperties();
QByteArray settings();
QByteArray fontTable();
QByteArray styles();

} // namespace DocxParts
