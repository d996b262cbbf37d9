#include "CompactScrollBar.h"

#include <QApplication>
#include <QPointer>
#include <QProxyStyle>
#include <QScrollBar>
#include <QStyleFactory>
#include <QWheelEvent>
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

// Qt turns only the picture of an inverted bar round: a step "down" still adds.
// Each action is turned round here, before its value is taken.
void turnRound(QScrollBar *bar, int action)
{
    const int value = bar->value();
    switch (action) {
    case QAbstractSlider::SliderSingleStepAdd:
        bar->setSliderPosition(value - bar->singleStep());
        break;
    case QAbstractSlider::SliderSingleStepSub:
        bar->setSliderPosition(value + bar->singleStep());
        break;
    case QAbstractSlider::SliderPageStepAdd:
        bar->setSliderPosition(value - bar->pageStep());
        break;
    case QAbstractSlider::SliderPageStepSub:
        bar->setSliderPosition(value + bar->pageStep());
        break;
    case QAbstractSlider::SliderToMinimum:
        bar->setSliderPosition(bar->maximum());
        break;
    case QAbstractSlider::SliderToMaximum:
        bar->setSliderPosition(bar->minimum());
        break;
    default:
        break;
    }
}

// The wheel moves by its own steps: one a notch, up raising the value.
class Wheel : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *bar = qobject_cast<QScrollBar *>(watched);
        if (!bar || event->type() != QEvent::Wheel)
            return false;
        const int delta = static_cast<QWheelEvent *>(event)->angleDelta().y();
        const int notches = std::max(1, std::abs(delta) / 120);
        for (int i = 0; delta != 0 && i < notches; ++i)
            bar->triggerAction(delta > 0 ? QAbstractSlider::SliderSingleStepSub : QAbstractSlider::SliderSingleStepAdd);
        return true;
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

void upsideDown(QScrollBar *bar)
{
    bar->setInvertedAppearance(true);
    bar->setInvertedControls(true);
    QObject::connect(bar, &QAbstractSlider::actionTriggered, bar, [bar](int action) { turnRound(bar, action); });
    bar->installEventFilter(new Wheel(bar));
}

} // namespace CompactScrollBar
