#include "Controls.h"

#include "Look.h"
#include "scaling/LineControl.h"

#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QScrollBar>
#include <QShortcut>

namespace Controls {

void apply(QWidget *widget, const LabelLook &look)
{
    auto *label = qobject_cast<QLabel *>(widget);
    if (!label)
        return;
    label->setAlignment(look.alignment);
    label->setFrameShape(look.frame);
    label->setFrameShadow(look.shadow);
    label->setWordWrap(look.wordWrap);
    label->setMargin(look.margin);
    if (look.bold || look.points > 0) {
        QFont font = label->font();
        font.setBold(look.bold);
        if (look.points > 0)
            font.setPointSizeF(look.points);
        label->setFont(font);
    }
    if (look.background.isValid() || look.text.isValid())
        Look::paint(label, look.background, look.text);
}

namespace {

LineControl *line(QWidget *client, const Place &p)
{
    auto *line = new LineControl(client);
    line->setColor(Qt::darkGray);
    line->setPoints(QPoint(Look::px(p.left), Look::px(p.top)),
                    QPoint(Look::px(p.left + p.width), Look::px(p.top + p.height)));
    return line;
}

QWidget *make(QWidget *client, const Control &c)
{
    switch (c.kind) {
    case Kind::Button:
        return new QPushButton(c.caption, client);
    case Kind::Line:
        return line(client, c.place);
    case Kind::Own:
        return c.make(client, c);
    case Kind::Label:
        return new QLabel(c.caption, client);
    case Kind::Edit:
        return new QLineEdit(client);
    case Kind::VerticalScrollBar:
        return new QScrollBar(Qt::Vertical, client);
    case Kind::ProgressBar: {
        auto *bar = new QProgressBar(client);
        bar->setTextVisible(false);
        return bar;
    }
    }
    return nullptr;
}

class LeaveWatch : public QObject {
public:
    LeaveWatch(QWidget *field, std::function<void()> left) : QObject(field), m_left(std::move(left))
    {
        field->installEventFilter(this);
    }
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::FocusOut) {
            const Qt::FocusReason r = static_cast<QFocusEvent *>(event)->reason();
            if (r == Qt::TabFocusReason || r == Qt::BacktabFocusReason || r == Qt::MouseFocusReason ||
                r == Qt::ShortcutFocusReason)
                QMetaObject::invokeMethod(this, m_left, Qt::QueuedConnection);
        }
        return false;
    }

private:
    std::function<void()> m_left;
};

} // namespace

QWidget *build(QWidget *client, const Control &c)
{
    QWidget *w = make(client, c);
    w->setObjectName(c.name);
    if (!c.toolTip.isEmpty())
        w->setToolTip(c.toolTip);
    if (!c.accessibleName.isEmpty())
        w->setAccessibleName(c.accessibleName);
    // A line draws between its ends, whatever its widget's size.
    if (c.kind != Kind::Line)
        Look::place(w, c.place.left, c.place.top, c.place.width, c.place.height);
    if (c.kind == Kind::Label)
        apply(w, c.look);
    if (c.dress)
        c.dress(w);
    return w;
}

void focus(QWidget *client, const QString &name)
{
    QWidget *control = client->findChild<QWidget *>(name);
    if (!control || !control->isEnabled())
        return;
    control->setFocus(Qt::OtherFocusReason);
    if (auto *edit = qobject_cast<QLineEdit *>(control))
        edit->selectAll();
}

void onLeave(QWidget *field, std::function<void()> left)
{
    new LeaveWatch(field, std::move(left));
}

void escapeClicks(QWidget *window, const QString &name)
{
    auto *button = window->findChild<QPushButton *>(name);
    auto *escape = new QShortcut(QKeySequence(Qt::Key_Escape), window);
    QObject::connect(escape, &QShortcut::activated, button, &QPushButton::click);
}

void buildAll(QWidget *client, std::span<const Control> controls)
{
    for (const Control &c : controls)
        build(client, c);
}

} // namespace Controls
