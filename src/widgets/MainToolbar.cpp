#include "MainToolbar.h"

#include "Look.h"

#include <QAction>
#include <QStyle>
#include <QToolBar>
#include <array>

namespace MainToolbar {

QToolBar *build(QWidget *client, int widthTwips, const QString &tooltip15, std::function<void(int)> dispatch)
{
    auto *bar = new QToolBar(client);
    bar->setObjectName(QStringLiteral("Toolbar1"));
    bar->setIconSize(QSize(16, 16));
    // Only the width follows the window, as a toolbar aligned to the top.
    bar->setProperty("Tag", QStringLiteral("@W"));
    Look::place(bar, 0, 0, widthTwips, 420);
    struct Button {
        int position;
        const char *tooltip;
        QStyle::StandardPixmap icon;
    };
    const std::array<Button, 13> buttons = {{
        {1, "apri file", QStyle::SP_DialogOpenButton},
        {2, "salva file", QStyle::SP_DialogSaveButton},
        {3, "cancella file", QStyle::SP_TrashIcon},
        {4, "stampa dati finestra", QStyle::SP_FileIcon},
        {6, "visualizza finestra di calcolo", QStyle::SP_FileDialogDetailedView},
        {7, "visualizza finestra Frontespizio", QStyle::SP_FileDialogInfoView},
        {9, "guida in linea", QStyle::SP_TitleBarContextHelpButton},
        {10, "suggerimenti", QStyle::SP_FileDialogContentsView},
        {11, "supporto prodotto", QStyle::SP_DriveNetIcon},
        {12, "informazioni su Vicania", QStyle::SP_MessageBoxInformation},
        {14, "controlla dati finestra", QStyle::SP_DialogApplyButton},
        {15, "", QStyle::SP_DialogResetButton},
        {16, "uscita da Vicania", QStyle::SP_DialogCloseButton},
    }};
    int next = 1;
    for (const Button &b : buttons) {
        for (; next < b.position; ++next)
            bar->addSeparator();
        QAction *a = bar->addAction(client->style()->standardIcon(b.icon), QString());
        a->setToolTip(b.position == 15 ? tooltip15 : QString::fromUtf8(b.tooltip));
        a->setObjectName(QStringLiteral("Toolbar1_%1").arg(b.position));
        const int position = b.position;
        QObject::connect(a, &QAction::triggered, bar, [dispatch, position] { dispatch(position); });
        next = b.position + 1;
    }
    return bar;
}

QString helpWindow(int position)
{
    static const std::array<const char *, 4> windows = {"sommario", "frmTip", "supportoclienti", "informaz"};
    if (position < 9 || position > 12)
        return QString();
    return QString::fromLatin1(windows[std::size_t(position - 9)]);
}

} // namespace MainToolbar
