#include "StudyFile.h"

#include "Windows1252.h"

#include <QStringDecoder>
#include <algorithm>

namespace StudyFile {

namespace {

bool isLineEnd(QChar c)
{
    return c == u'\r' || c == u'\n';
}

// Moves past one line end (CR LF, CR or LF).
qsizetype skipLineEnd(const QString &s, qsizetype i)
{
    if (s[i] == u'\r' && i + 1 < s.size() && s[i + 1] == u'\n')
        return i + 2;
    return i + 1;
}

QByteArray quotedLine(const QStringList &fields)
{
    QString line;
    for (qsizetype i = 0; i < fields.size(); ++i) {
        if (i > 0)
            line.append(u',');
        line.append(u'"').append(fields[i]).append(u'"');
    }
    line.append(QStringLiteral("\r\n"));
    return Windows1252::encode(line).value_or(QByteArray());
}

bool isAscii(const QByteArray &bytes)
{
    return std::all_of(bytes.begin(), bytes.end(), [](char b) { return static_cast<unsigned char>(b) < 0x80; });
}

} // namespace

namespace {

// The fields, and where each ends (before its separator).
QStringList splitFields(const QString &s, std::vector<qsizetype> *ends)
{
    QStringList fields;
    qsizetype i = 0;
    const qsizetype n = s.size();
    while (i < n) {
        // Blank lines hold no field.
        while (i < n && (isLineEnd(s[i]) || s[i] == u' ' || s[i] == u'\t'))
            i = isLineEnd(s[i]) ? skipLineEnd(s, i) : i + 1;
        if (i >= n)
            break;
        QString field;
        if (s[i] == u'"') {
            const qsizetype close = s.indexOf(u'"', i + 1);
            const qsizetype end = close < 0 ? n : close;
            field = s.mid(i + 1, end - i - 1);
            i = close < 0 ? n : close + 1;
            // Anything between the closing quote and the separator is dropped.
            while (i < n && s[i] != u',' && !isLineEnd(s[i]))
                ++i;
        } else {
            const qsizetype start = i;
            while (i < n && s[i] != u',' && !isLineEnd(s[i]))
                ++i;
            field = s.mid(start, i - start).trimmed();
        }
        fields.append(field);
        if (ends)
            ends->push_back(i);
        if (i < n)
            i = s[i] == u',' ? i + 1 : skipLineEnd(s, i);
    }
    return fields;
}

// The optional lines of the text after position from: one per known keyword,
// the first of each.
std::vector<QStringList> optionalLines(const QString &s, qsizetype from)
{
    std::vector<QStringList> lines;
    qsizetype i = from;
    while (i < s.size() && !isLineEnd(s[i]))
        ++i;
    while (i < s.size()) {
        i = skipLineEnd(s, i);
        qsizetype end = i;
        while (end < s.size() && !isLineEnd(s[end]))
            ++end;
        const QStringList fields = splitFields(s.mid(i, end - i), nullptr);
        const bool known = !fields.isEmpty() && lineKeywords().contains(fields.front());
        if (known &&
            std::none_of(lines.begin(), lines.end(), [&](const QStringList &l) { return l.front() == fields.front(); }))
            lines.push_back(fields);
        i = end;
    }
    std::sort(lines.begin(), lines.end(), [](const QStringList &a, const QStringList &b) {
        return lineKeywords().indexOf(a.front()) < lineKeywords().indexOf(b.front());
    });
    return lines;
}

} // namespace

QStringList splitFields(const QString &s)
{
    return splitFields(s, nullptr);
}

const QStringList &lineKeywords()
{
    static const QStringList keywords{QStringLiteral("fonte"), QStringLiteral("ipotesi"),
                                      QStringLiteral("dimensionamento")};
    return keywords;
}

QString decode(const QByteArray &bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return QString::fromUtf8(bytes.mid(3));
    const bool little = bytes.startsWith("\xFF\xFE"), big = bytes.startsWith("\xFE\xFF");
    if (little || big) {
        QString text;
        for (qsizetype i = 2; i + 1 < bytes.size(); i += 2) {
            const auto a = static_cast<unsigned char>(bytes[i]), b = static_cast<unsigned char>(bytes[i + 1]);
            text.append(QChar(char16_t(little ? a | (b << 8) : (a << 8) | b)));
        }
        return text;
    }
    // A Windows-1252 text with accented letters is almost never valid UTF-8,
    // so a file that is, beyond plain ASCII, was written as UTF-8.
    if (!isAscii(bytes)) {
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        QString text = utf8(bytes);
        if (!utf8.hasError())
            return text;
    }
    return Windows1252::decode(bytes);
}

std::optional<StudyRecord> parse(const QByteArray &bytes)
{
    const QString text = decode(bytes);
    std::vector<qsizetype> ends;
    const QStringList fields = splitFields(text, &ends);
    if (fields.size() < kFieldCount)
        return std::nullopt;
    StudyRecord record;
    for (std::size_t i = 0; i < record.inputs.size(); ++i)
        record.inputs[i] = fields[static_cast<qsizetype>(i)];
    QStringList title = fields.mid(11, 9);
    record.titlePage = TitlePageData::fromFields(title);
    record.lines = optionalLines(text, ends[std::size_t(kFieldCount) - 1]);
    return record;
}

std::optional<QByteArray> serialize(const StudyRecord &record)
{
    QStringList line1(record.inputs.begin(), record.inputs.end());
    const QStringList line2 = record.titlePage.fields();
    for (const QString &field : line1 + line2) {
        if (!canStore(field))
            return std::nullopt;
    }
    QByteArray bytes = quotedLine(line1) + quotedLine(line2);
    for (const QStringList &line : record.lines) {
        if (line.isEmpty() || !std::all_of(line.begin(), line.end(), canStore))
            return std::nullopt;
        bytes += quotedLine(line);
    }
    return bytes;
}

QString storable(const QString &text, qsizetype longest)
{
    QString out;
    for (const QChar c : text.left(longest)) {
        if (c == u'"')
            out.append(u'\'');
        else if (isLineEnd(c))
            out.append(u' ');
        else if (!Windows1252::canEncode(QString(c)))
            out.append(u'?');
        else
            out.append(c);
    }
    return out;
}

bool canStore(const QString &text)
{
    for (QChar c : text) {
        if (c == u'"' || isLineEnd(c))
            return false;
    }
    return Windows1252::canEncode(text);
}

} // namespace StudyFile

const QStringList *StudyRecord::line(const QString &keyword) const
{
    const auto it =
        std::find_if(lines.begin(), lines.end(), [&](const QStringList &l) { return l.front() == keyword; });
    return it == lines.end() ? nullptr : &*it;
}

void StudyRecord::setLine(const QString &keyword, const QStringList &fields)
{
    std::erase_if(lines, [&](const QStringList &l) { return l.isEmpty() || l.front() == keyword; });
    if (fields.isEmpty())
        return;
    lines.push_back(fields);
    std::sort(lines.begin(), lines.end(), [](const QStringList &a, const QStringList &b) {
        return StudyFile::lineKeywords().indexOf(a.front()) < StudyFile::lineKeywords().indexOf(b.front());
    });
}
