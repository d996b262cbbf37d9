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

QByteArray contentTypes();
QByteArray packageRelationships();
QByteArray documentRelationships();
QByteArray coreProperties(const QString &title, const QString &author, const QDateTime &when);
QByteArray appProperties();
QByteArray settings();
QByteArray fontTable();
QByteArray styles();

} // namespace DocxParts
