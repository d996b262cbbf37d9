#include "NumberReading.h"

#include <QLocale>
#include <cmath>

namespace NumberReading {

namespace {

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r';
}

// Copies the characters that may form a leading number, blanks removed.
QString compactLeading(QStringView text)
{
    QString out;
    for (QChar c : text) {
        if (!isBlank(c))
            out.append(c);
    }
    return out;
}

// Appends the ASCII digits from i on, moving i past them; true when there
// was at least one.
bool takeDigits(const QString &s, qsizetype &i, QString &into)
{
    bool any = false;
    while (i < s.size() && s[i].isDigit() && s[i].unicode() < 128) {
        into.append(s[i++]);
        any = true;
    }
    return any;
}

// The exponent that starts at i, as "e", its sign and its digits; nothing
// when no digits follow its letter, since then it is no exponent.
QString exponentAt(const QString &s, qsizetype i)
{
    if (i >= s.size() || !(s[i] == u'e' || s[i] == u'E' || s[i] == u'd' || s[i] == u'D'))
        return {};
    qsizetype j = i + 1;
    QString exponent = QStringLiteral("e");
    if (j < s.size() && (s[j] == u'+' || s[j] == u'-'))
        exponent.append(s[j++]);
    return takeDigits(s, j, exponent) ? exponent : QString();
}

} // namespace

double leadingNumber(QStringView text)
{
    const double value = leadingValue(text);
    return std::isfinite(value) ? value : 0.0;
}

double leadingValue(QStringView text)
{
    const QString s = compactLeading(text);
    qsizetype i = 0;
    QString number;
    if (i < s.size() && (s[i] == u'+' || s[i] == u'-'))
        number.append(s[i++]);
    bool digits = takeDigits(s, i, number);
    if (i < s.size() && s[i] == u'.') {
        number.append(s[i++]);
        digits = takeDigits(s, i, number) || digits;
    }
    if (!digits)
        return 0.0;
    number.append(exponentAt(s, i));
    bool ok = false;
    const double value = number.toDouble(&ok);
    // Not ok: too large (infinity, kept) or too small (0).
    return ok || std::isinf(value) ? value : 0.0;
}

std::optional<double> italianNumber(const QString &text)
{
    static const QLocale italian(QLocale::Italian, QLocale::Italy);
    bool ok = false;
    const double value = italian.toDouble(text.trimmed(), &ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

QString integerText(double value)
{
    return QString::number(value + 0.0, 'f', 0);
}

QString plainText(double value)
{
    if (value == std::floor(value) && std::fabs(value) < 1e15)
        return integerText(value);
    return QString::number(value, 'g', 17);
}

double roundHalfUp(double value)
{
    return std::floor(value + 0.5) + 0.0;
}

} // namespace NumberReading
