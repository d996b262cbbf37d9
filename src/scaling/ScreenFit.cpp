#include "ScreenFit.h"

#include <QGuiApplication>
#include <QScreen>
#include <QStyle>
#include <QWidget>
#include <algorithm>

namespace {

QRect freeArea(const QWidget *window)
{
    const QScreen *screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect();
}

} // namespace

void ScreenFit::keepOnScreen(QWidget *window)
{
    const QRect area = freeArea(window);
    if (!window || area.isEmpty())
        return;
    // The frame is known only once the window manager has framed the
    // window; before that a title bar is allowed for.
    QSize frameExtra = window->frameGeometry().size() - window->size();
    if (frameExtra.isNull() && !window->isVisible())
        frameExtra = QSize(0, window->style()->pixelMetric(QStyle::PM_TitleBarHeight));
    const QSize room = area.size() - frameExtra;
    if (window->width() > room.width() || window->height() > room.height())
        window->resize(std::min(window->width(), room.width()), std::min(window->height(), room.height()));
    const QRect frame(window->frameGeometry().topLeft(), window->size() + frameExtra);
    const int x = std::clamp(frame.x(), area.left(), std::max(area.left(), area.right() + 1 - frame.width()));
    const int y = std::clamp(frame.y(), area.top(), std::max(area.top(), area.bottom() + 1 - frame.height()));
    if (x != frame.x() || y != frame.y())
        window->move(x, y);
}

void ScreenFit::centreOver(QWidget *window, const QWidget *opener)
{
    if (!window)
        return;
    const QPoint centre = opener ? opener->frameGeometry().center() : freeArea(window).center();
    const QRect frame = window->frameGeometry();
    window->move(centre - (frame.center() - frame.topLeft()));
    keepOnScreen(window);
}
