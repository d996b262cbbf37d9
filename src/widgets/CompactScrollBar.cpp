#include "CompactScrollBar.h"

#include <QApplication>
#include <QPointer>
#include <QProxyStyle>
#include <QScrollBar>
#include <QStyleFactory>
#include <algorithm>

namespace CompactScrollBar {

namespace {

class Style : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;

    int pixelMetric(PixelMetric metric, const QStyleOption *option, const QWidget *widget) const override
    {
        // Arrows a quarter of the bar each leave half of it to the thumb.
        if (metric == PM_ScrollBarExtent && widget)
            return std::max(6, std::min(widget->width(), widget->height() / 4));
        if (metric == PM_ScrollBarSliderMin && widget)
            return std::max(4, widget->height() / 8);
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
};

} // namespace

QStyle *style()
{
    static QPointer<QStyle> shared;
    if (!shared) {
        QStyle *base = QStyleFactory::create(QApplication::style()->name());
        shared = new Style(base);
        shared->setParent(qApp);
    }
    return shared;
}

void fit(QScrollBar *bar)
{
    bar->setStyle(style());
}

} // namespace CompactScrollBar
