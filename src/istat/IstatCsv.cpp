#include "IstatCsv.h"

#include <QRegularExpression>
#include <QStringDecoder>

namespace IstatCsv {

Records::Records(QByteArrayView text) : m_text(text)
{
    if (m_text.startsWith("\xEF\xBB\xBF"))
        m_pos = 3;
}

bool Records::next()
{
    m_fields.clear();
    m_tooWide = false;
    if (m_pos >= m_text.size())
        return false;
    ++m_number;
    for (;;) {
        if (m_text[m_pos] == '"')
            quotedField();
        else
            plainField();
        if (m_pos >= m_text.size())
            return true;
        if (m_text[m_pos++] == '\n')
            return true;
        if (m_pos >= m_text.size()) { // a last separator before the end
            m_fields.emplace_back();
            return true;
        }
    }
}

// From an opening quote to its closing one; what follows it up to the next
// separator is no part of the field.
void Records::quotedField()
{
    const qsizetype start = ++m_pos;
    while (m_pos < m_text.size()) {
        if (m_text[m_pos] == '"' && (m_pos + 1 >= m_text.size() || m_text[m_pos + 1] != '"'))
            break;
        m_pos += m_text[m_pos] == '"' ? 2 : 1;
    }
    const qsizetype end = std::min(m_pos, m_text.size());
    while (m_pos < m_text.size() && m_text[m_pos] != ';' && m_text[m_pos] != '\n')
        ++m_pos;
    if (m_fields.size() < std::size_t(kMaxFields))
        m_fields.push_back(m_text.sliced(start, end - start));
    else
        m_tooWide = true;
}

void Records::plainField()
{
    const qsizetype start = m_pos;
    while (m_pos < m_text.size() && m_text[m_pos] != ';' && m_text[m_pos] != '\n')
        ++m_pos;
    QByteArrayView field = m_text.sliced(start, m_pos - start);
    if (field.endsWith('\r'))
        field.chop(1);
    if (m_fields.size() < std::size_t(kMaxFields))
        m_fields.push_back(field);
    else
        m_tooWide = true;
}

QString text(QByteArrayView field)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString decoded = utf8.decode(field);
    if (utf8.hasError())
        decoded = QString::fromLatin1(field);
    return decoded.replace(QStringLiteral("\"\""), QStringLiteral("\"")).trimmed();
}

QStringList words(const QString &heading)
{
    QStringList out;
    QString word;
    const auto flush = [&] {
        if (!word.isEmpty())
            out.append(std::exchange(word, QString()));
    };
    for (const QChar c : heading.normalized(QString::NormalizationForm_D)) {
        if (c.isLetterOrNumber()) {
            word.append(c.toLower());
        } else if (c.category() != QChar::Mark_NonSpacing) {
            flush();
            if (c == u'-' || c == u'\u2013')
                out.append(QStringLiteral("-"));
        }
    }
    flush();
    return out;
}

namespace {

// "12345" or "12.345.678": digits, or groups of three after the first.
bool wellGrouped(QByteArrayView digits)
{
    if (digits.isEmpty() || digits.startsWith('.') || digits.endsWith('.'))
        return false;
    qsizetype sinceDot = -1;
    for (const char c : digits) {
        if (c == '.') {
            if (sinceDot != -1 && sinceDot != 3)
                return false;
            sinceDot = 0;
        } else if (c < '0' || c > '9') {
            return false;
        } else if (sinceDot != -1) {
            ++sinceDot;
        }
    }
    return sinceDot == -1 || sinceDot == 3;
}

} // namespace

std::optional<qint64> count(QByteArrayView field)
{
    field = field.trimmed();
    const bool negative = field.startsWith('-');
    if (negative || field.startsWith('+'))
        field = field.sliced(1);
    if (!wellGrouped(field))
        return std::nullopt;
    qint64 value = 0;
    for (const char c : field) {
        if (c == '.')
            continue;
        value = value * 10 + (c - '0');
        if (value > kMaxCount)
            return std::nullopt;
    }
    return negative ? -value : value;
}

std::optional<qint64> code(QByteArrayView field)
{
    field = field.trimmed();
    if (field.isEmpty() || field.size() > 9)
        return std::nullopt;
    qint64 value = 0;
    for (const char c : field) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return value;
}

std::optional<int> year(const QString &title, const QString &fileName)
{
    static const QRegularExpression named(
        QStringLiteral("(?:dicembre|gennaio|anno)\\s+(1[89]\\d\\d|2[01]\\d\\d)(?!\\d)"),
        QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression inName(QStringLiteral("(?:^|[_ .-])(1[89]\\d\\d|2[01]\\d\\d)(?=[_ .-]|$)"));
    static const QRegularExpression any(QStringLiteral("(?<!\\d)(1[89]\\d\\d|2[01]\\d\\d)(?!\\d)"));
    // The date the title gives, else ISTAT's file name, else any year in the
    // title: a note such as "aggiornato al 15/03/2024" is never the table's year.
    for (const auto &[pattern, text] :
         {std::pair{&named, &title}, std::pair{&inName, &fileName}, std::pair{&any, &title}}) {
        const QRegularExpressionMatch m = pattern->match(*text);
        if (m.hasMatch())
            return m.captured(1).toInt();
    }
    return std::nullopt;
}

} // namespace IstatCsv
