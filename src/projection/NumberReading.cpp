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

} // namespace

double leadingNumber(QStringView text)
{
    const QString s = compactLeading(text);
    qsizetype i = 0;
    QString number;
    if (i < s.size() && (s[i] == u'+' || s[i] == u'-'))
        number.append(s[i++]);
    bool digits = false;
    while (i < s.size() && s[i].isDigit() && s[i].unicode() < 128) {
        number.append(s[i++]);
        digits = true;
    }
    if (i < s.size() && s[i] == u'.') {
        number.append(s[i++]);
        while (i < s.size() && s[i].isDigit() && s[i].unicode() < 128) {
            number.append(s[i++]);
            digits = true;
        }
    }
    if (!digits)
        return 0.0;
    // An exponent counts only when digits follow it.
    if (i < s.size() && (s[i] == u'e' || s[i] == u'E' || s[i] == u'd' || s[i] == u'D')) {
        qsizetype j = i + 1;
        QString exponent = QStringLiteral("e");
        if (j < s.size() && (s[j] == u'+' || s[j] == u'-'))
            exponent.append(s[j++]);
        bool expDigits = false;
        while (j < s.size() && s[j].isDigit() && s[j].unicode() < 128) {
            exponent.append(s[j++]);
            expDigits = true;
        }
        if (expDigits)
            number.append(exponent);
    }
    bool ok = false;
    const double value = number.toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return 0.0;
    return value;
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
