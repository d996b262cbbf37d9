// The study file: line 1 the eleven projection inputs, line 2 the nine
// title-page fields, each quoted, comma-separated, CR LF, Windows-1252 (a
// study written as UTF-8 elsewhere reads too). Reading counts fields across
// lines, as the program always has. Optional lines may follow, each opening
// with its keyword; a study without them is written as it always was, and a
// reader of the first two lines never sees them.
#pragma once

#include "TitlePageData.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <array>
#include <optional>
#include <vector>

struct StudyRecord {
    // anno1, abitnoti, tassofert, pdf, iniziofert, finefert, mortinfanti,
    // aspvita, immigr, emigr, anno2: the file positions of ProjectionInputs
    std::array<QString, 11> inputs;
    TitlePageData titlePage;
    // The optional lines, keyword first, in the order they are written.
    std::vector<QStringList> lines;

    bool operator==(const StudyRecord &) const = default;

    const QStringList *line(const QString &keyword) const;
    // Replaces the line of the same keyword, or adds it; an empty one removes it.
    void setLine(const QString &keyword, const QStringList &fields);
};

namespace StudyFile {

inline constexpr int kFieldCount = 20;

// Every field of the text, quotes removed; commas and line ends separate fields.
QStringList splitFields(const QString &text);

// A study is far smaller than this; anything larger is not read at all.
inline constexpr qint64 kMaxBytes = qint64{64} * 1024;

// The text of the file: Windows-1252, or UTF-8 or UTF-16 when a byte-order
// mark says so, or UTF-8 when the bytes beyond ASCII are valid UTF-8.
// Studies are always written in Windows-1252.
QString decode(const QByteArray &bytes);

// The keywords of the optional lines this program knows, in writing order;
// other lines are not kept.
const QStringList &lineKeywords();

// The record held by the first twenty fields, or nothing when there are fewer;
// the optional lines are those after the line where the twentieth field ends.
std::optional<StudyRecord> parse(const QByteArray &bytes);

// The two lines, ready to write; nothing when a field cannot be stored.
std::optional<QByteArray> serialize(const StudyRecord &record);

// True when the text can stand in a field of the file: no double quote, no
// line break, only characters of the code page.
bool canStore(const QString &text);

// The text made storable, cut to longest: what the code page lacks becomes
// "?", double quotes apostrophes, line ends spaces.
QString storable(const QString &text, qsizetype longest);

} // namespace StudyFile
