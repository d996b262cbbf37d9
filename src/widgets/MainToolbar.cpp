#include "MainToolbar.h"

#include "Look.h"

#include <QAction>
#include <QPainter>
#include <QPainterPath>
#include <QStyle>
#include <QToolBar>
#include <array>

namespace MainToolbar {

namespace {

// The picture of each position, the same in both windows (0: a separator).
QStyle::StandardPixmap picture(int position)
{
    static const std::array<QStyle::StandardPixmap, 17> pictures = {
        QStyle::SP_CustomBase,
        QStyle::SP_DialogOpenButton,
        QStyle::SP_DialogSaveButton,
        QStyle::SP_TrashIcon,
        QStyle::SP_FileIcon,
        QStyle::SP_CustomBase,
        QStyle::SP_FileDialogDetailedView,
        QStyle::SP_FileDialogInfoView,
        QStyle::SP_CustomBase,
        QStyle::SP_TitleBarContextHelpButton,
        QStyle::SP_FileDialogContentsView,
        QStyle::SP_DriveNetIcon,
        QStyle::SP_MessageBoxInformation,
        QStyle::SP_CustomBase,
        QStyle::SP_DialogApplyButton,
        QStyle::SP_DialogResetButton,
        QStyle::SP_DialogCloseButton,
    };
    return pictures[std::size_t(position)];
}

// The data check: "ABC" with a green tick below, as the help describes it.
QIcon checkPicture()
{
    QIcon icon;
    for (const int side : {16, 32, 48}) {
        QPixmap pixmap(side, side);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPixelSize(side * 7 / 16);
        font.setBold(true);
        font.setStretch(QFont::Condensed);
        p.setFont(font);
        p.setPen(QColor(0, 0, 128));
        p.drawText(QRectF(0, 0, side, side * 0.55), Qt::AlignCenter, QStringLiteral("ABC"));
        QPainterPath tick;
        tick.moveTo(side * 0.22, side * 0.72);
        tick.lineTo(side * 0.42, side * 0.92);
        tick.lineTo(side * 0.82, side * 0.58);
        p.setPen(QPen(QColor(0, 150, 0), side / 8.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPath(tick);
        p.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

} // namespace

QToolBar *build(QWidget *client, int widthTwips, const std::vector<Button> &buttons,
                const std::function<void(int)> &dispatch)
{
    auto *bar = new QToolBar(client);
    bar->setObjectName(QStringLiteral("Toolbar1"));
    bar->setIconSize(QSize(16, 16));
    // Only the width follows the window, as a toolbar aligned to the top.
    bar->setProperty("Tag", QStringLiteral("@W"));
    Look::place(bar, 0, 0, widthTwips, 420);
    int next = 1;
    for (const Button &b : buttons) {
        for (; next < b.position; ++next)
            bar->addSeparator();
        const QIcon icon = b.position == 14 ? checkPicture() : client->style()->standardIcon(picture(b.position));
        // The tooltip is also its text, the name a screen reader says.
        QAction *a = bar->addAction(icon, b.toolTip);
        a->setToolTip(b.toolTip);
        a->setObjectName(QStringLiteral("Toolbar1_%1").arg(b.position));
        const int position = b.position;
        QObject::connect(a, &QAction::triggered, bar, [dispatch, position] { dispatch(position); });
        next = b.position + 1;
    }
    return bar;
}

} // namespace MainToolbar
