#include "MainToolbar.h"

#include "Look.h"

#include <QAction>
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
        QAction *a = bar->addAction(client->style()->standardIcon(picture(b.position)), QString());
        a->setToolTip(b.toolTip);
        a->setObjectName(QStringLiteral("Toolbar1_%1").arg(b.position));
        const int position = b.position;
        QObject::connect(a, &QAction::triggered, bar, [dispatch, position] { dispatch(position); });
        next = b.position + 1;
    }
    return bar;
}

} // namespace MainToolbar
