#include "Look.h"

#include <QAccessible>
#include <QFontDatabase>
#include <QLabel>
#include <QWidget>
#include <array>
#include <cmath>
#include <utility>

namespace Look {

QRect rect(int left, int top, int width, int height)
{
    return QRect(px(left), px(top), px(width), px(height));
}

void place(QWidget *widget, int left, int top, int width, int height)
{
    widget->setGeometry(rect(left, top, width, height));
}

QColor bgr(unsigned value)
{
    return QColor(int(value & 0xFF), int((value >> 8) & 0xFF), int((value >> 16) & 0xFF));
}

QFont font(const QString &designFamily, double points, bool bold, bool italic)
{
    // Metric-compatible families first, then what every Debian desktop has.
    static const std::array<std::pair<const char *, const char *>, 4> kMap = {{
        {"MS Sans Serif", "Liberation Sans"},
        {"Arial", "Liberation Sans"},
        {"Arial Black", "Liberation Sans"},
        {"Century Gothic", "URW Gothic"},
    }};
    QString family = designFamily;
    for (const auto &[from, to] : kMap) {
        if (designFamily == QLatin1String(from)) {
            family = QString::fromLatin1(to);
            break;
        }
    }
    if (!QFontDatabase::families().contains(family))
        family = QStringLiteral("DejaVu Sans");
    QFont f(family);
    f.setPointSizeF(points);
    f.setBold(bold || designFamily == QLatin1String("Arial Black"));
    if (designFamily == QLatin1String("Arial Black"))
        f.setWeight(QFont::Black);
    f.setItalic(italic);
    return f;
}

void plainLabels(QWidget *window)
{
    for (QLabel *l : window->findChildren<QLabel *>())
        l->setTextFormat(Qt::PlainText);
}

namespace {

double luminance(const QColor &c)
{
    auto channel = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
    return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
}

} // namespace

double contrast(const QColor &a, const QColor &b)
{
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor textFor(const QColor &background)
{
    return contrast(background, Qt::black) >= contrast(background, Qt::white) ? QColor(Qt::black) : QColor(Qt::white);
}

void setAnnounced(QLabel *label, const QString &text)
{
    if (label->text() == text)
        return;
    label->setText(text);
    QAccessibleEvent changed(label, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&changed);
}

void paint(QWidget *widget, const QColor &background, const QColor &given)
{
    const QColor text = given.isValid() || !background.isValid() ? given : textFor(background);
    QPalette p = widget->palette();
    if (background.isValid()) {
        p.setColor(QPalette::Window, background);
        p.setColor(QPalette::Base, background);
        p.setColor(QPalette::Button, background);
        widget->setAutoFillBackground(true);
    }
    if (text.isValid()) {
        p.setColor(QPalette::WindowText, text);
        p.setColor(QPalette::Text, text);
        p.setColor(QPalette::ButtonText, text);
    }
    widget->setPalette(p);
}

} // namespace Look
