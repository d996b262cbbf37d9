#include "clsResize.h"

#include "LineControl.h"
#include "ScreenFit.h"

#include <QEvent>
#include <QGuiApplication>
#include <QLayout>
#include <QScreen>
#include <cmath>

clsResize::clsResize(QObject *parent) : QObject(parent)
{
}

clsResize *clsResize::load(QWidget *window, QWidget *client, int widthTwips, int heightTwips)
{
    const QSize designed((widthTwips + 7) / 15, (heightTwips + 7) / 15);
    window->resize(designed);
    // A hidden window lays out its client area only when asked.
    if (window->layout())
        window->layout()->activate();
    auto *resize = new clsResize(window);
    resize->setSourceForm(client);
    resize->SizeFormToScreen(75);
    window->resize(designed);
    // At a large scale the centred window may reach past the screen's edge.
    ScreenFit::keepOnScreen(window);
    if (window->layout())
        window->layout()->activate();
    resize->ResizeControls();
    return resize;
}

clsResize::~clsResize()
{
    if (m_form)
        m_form->removeEventFilter(this);
}

void clsResize::setSourceForm(QWidget *form)
{
    if (m_form)
        m_form->removeEventFilter(this);
    m_form = form;
    if (m_form)
        m_form->installEventFilter(this);
}

clsResize::Directive clsResize::directiveFor(const QString &tag)
{
    const QString t = tag.toUpper();
    if (!t.startsWith(u'@'))
        return {};
    return {t.contains(u'L'), t.contains(u'T'), t.contains(u'W'), t.contains(u'H')};
}

QList<QWidget *> clsResize::controls() const
{
    return m_form ? m_form->findChildren<QWidget *>(Qt::FindDirectChildrenOnly) : QList<QWidget *>();
}

void clsResize::RecordLayout()
{
    m_records.clear();
    if (!m_form)
        return;
    m_recordedWidth = m_form->width();
    m_recordedHeight = m_form->height();
    for (QWidget *control : controls()) {
        ControlRecord r;
        r.control = control;
        if (auto *line = qobject_cast<LineControl *>(control)) {
            r.first = line->start().x();
            r.second = line->start().y();
            r.third = line->end().x();
            r.fourth = line->end().y();
        } else {
            const QRect g = control->geometry();
            r.first = g.x();
            r.second = g.y();
            r.third = g.width();
            r.fourth = g.height();
        }
        m_records.append(r);
    }
    m_needsInit = false;
}

void clsResize::SizeFormToScreen(quint8 percent)
{
    if (!m_form)
        return;
    if (m_needsInit)
        RecordLayout();
    QWidget *window = m_form->window();
    const QScreen *screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QSize s = screen->geometry().size();
    const float share = static_cast<float>(percent) / 100.0f;
    const int height = static_cast<int>(std::floor(share * static_cast<float>(s.height())));
    const int width = static_cast<int>(std::floor(share * static_cast<float>(s.width())));
    window->move((s.width() - width) / 2, (s.height() - height) / 2);
    window->resize(width, height);
    // A hidden window lays out its client area only when asked.
    if (window->layout())
        window->layout()->activate();
    ResizeControls();
}

void clsResize::ResizeControls()
{
    if (!m_form || controls().isEmpty())
        return;
    if (m_form->window()->isMinimized())
        return;
    // A layout recorded with no inner area gives no ratio: record again.
    if (m_needsInit || m_recordedWidth <= 0 || m_recordedHeight <= 0) {
        RecordLayout();
        return;
    }
    const double vertical = double(m_form->height()) / m_recordedHeight;
    const double horizontal = double(m_form->width()) / m_recordedWidth;
    const bool wasEnabled = m_form->updatesEnabled();
    m_form->setUpdatesEnabled(false);
    for (const ControlRecord &r : std::as_const(m_records))
        ScaleControl(r, horizontal, vertical);
    m_form->setUpdatesEnabled(wasEnabled);
}

void clsResize::ScaleControl(const ControlRecord &r, double horizontal, double vertical)
{
    QWidget *control = r.control;
    if (!control)
        return;
    const Directive d = directiveFor(control->property("Tag").toString());
    auto scaled = [](int value, double ratio) { return static_cast<int>(std::lround(value * ratio)); };
    if (auto *line = qobject_cast<LineControl *>(control)) {
        QPoint a = line->start(), b = line->end();
        if (d.left)
            a.setX(scaled(r.first, horizontal));
        if (d.top)
            a.setY(scaled(r.second, vertical));
        if (d.width)
            b.setX(scaled(r.third, horizontal));
        if (d.height)
            b.setY(scaled(r.fourth, vertical));
        line->setPoints(a, b);
        return;
    }
    QRect g = control->geometry();
    if (d.left)
        g.moveLeft(scaled(r.first, horizontal));
    if (d.top)
        g.moveTop(scaled(r.second, vertical));
    if (d.width)
        g.setWidth(scaled(r.third, horizontal));
    if (d.height)
        g.setHeight(scaled(r.fourth, vertical));
    control->setGeometry(g);
}

bool clsResize::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_form && event->type() == QEvent::Resize)
        ResizeControls();
    return QObject::eventFilter(watched, event);
}
