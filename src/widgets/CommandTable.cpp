#include "CommandTable.h"

#include "Look.h"
#include "MainToolbar.h"
#include "WindowHost.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QShortcut>
#include <QStyle>
#include <algorithm>
#include <map>

Command Command::submenu(QString name, QString menu, QString caption)
{
    return {Kind::Menu, std::move(name), std::move(menu), std::move(caption), {}, 0, {}, {}, {}, {}, {}};
}

Command Command::item(QString name, QString menu, QString caption, std::function<void()> handler, int toolbar,
                      QString toolTip)
{
    return {Kind::Item,
            std::move(name),
            std::move(menu),
            std::move(caption),
            std::move(toolTip),
            toolbar,
            std::move(handler),
            {},
            {},
            {},
            {}};
}

Command Command::separator(QString menu)
{
    return {Kind::Separator, {}, std::move(menu), {}, {}, 0, {}, {}, {}, {}, {}};
}

Command Command::button(QString name, QString caption, QString toolTip, Controls::Place place,
                        std::function<void()> handler, std::function<bool()> enabled)
{
    return {Kind::Button,
            std::move(name),
            {},
            std::move(caption),
            std::move(toolTip),
            0,
            std::move(handler),
            std::move(enabled),
            place,
            {},
            {}};
}

Command Command::toolbarOnly(int position, QString toolTip, std::function<void()> handler)
{
    return {Kind::ToolbarOnly, {}, {}, {}, std::move(toolTip), position, std::move(handler), {}, {}, {}, {}};
}

namespace Commands {

std::vector<Command> help(WindowHost &host, const QString &tipName, const QString &tipCaption)
{
    const QString menu = QStringLiteral("help");
    auto show = [&host](WindowId id) { return [&host, id] { host.showWindow(id); }; };
    return {
        Command::submenu(menu, QString(), QStringLiteral("&?")),
        Command::item(QStringLiteral("guida"), menu, QStringLiteral("&Guida in linea"), show(WindowId::sommario), 9,
                      QStringLiteral("guida in linea"))
            .keys(QKeySequence(Qt::Key_F1)),
        Command::item(tipName, menu, tipCaption, show(WindowId::frmTip), 10, QStringLiteral("suggerimenti")),
        Command::separator(menu),
        Command::item(QStringLiteral("supporto"), menu, QStringLiteral("Supporto &prodotto"),
                      show(WindowId::supportoclienti), 11, QStringLiteral("supporto prodotto")),
        Command::item(QStringLiteral("informazioni"), menu, QStringLiteral("&Informazioni su Vicania"),
                      show(WindowId::informaz), 12, QStringLiteral("informazioni su Vicania")),
    };
}

} // namespace Commands

void CommandTable::buildControls(QWidget *client, int toolbarWidthTwips)
{
    std::vector<MainToolbar::Button> toolbar;
    for (const Command &c : m_rows) {
        if (c.toolbar > 0)
            toolbar.push_back({c.toolbar, c.toolTip});
    }
    // Rows are in menu order; the toolbar goes by position.
    std::sort(toolbar.begin(), toolbar.end(),
              [](const MainToolbar::Button &a, const MainToolbar::Button &b) { return a.position < b.position; });
    MainToolbar::build(client, toolbarWidthTwips, toolbar, [this](int position) { runToolbar(position); });
    for (const Command &c : m_rows) {
        if (c.kind != Command::Kind::Button)
            continue;
        auto *b = new QPushButton(c.caption, client);
        b->setObjectName(c.name);
        b->setToolTip(c.toolTip);
        if (c.icon)
            b->setIcon(client->style()->standardIcon(*c.icon));
        Look::place(b, c.place.left, c.place.top, c.place.width, c.place.height);
        if (c.handler)
            QObject::connect(b, &QPushButton::clicked, b, c.handler);
        m_buttons.emplace_back(&c, b);
    }
}

void CommandTable::buildMenus(QMainWindow *window)
{
    std::map<QString, QMenu *> menus;
    auto parent = [&](const Command &c) -> QMenu * { return c.menu.isEmpty() ? nullptr : menus.at(c.menu); };
    for (const Command &c : m_rows) {
        switch (c.kind) {
        case Command::Kind::Menu: {
            QMenu *in = parent(c);
            QMenu *m = in ? in->addMenu(c.caption) : window->menuBar()->addMenu(c.caption);
            m->setObjectName(c.name);
            menus[c.name] = m;
            break;
        }
        case Command::Kind::Item: {
            QAction *a = parent(c)->addAction(c.caption);
            a->setObjectName(c.name);
            if (!c.shortcut.isEmpty())
                a->setShortcut(c.shortcut);
            QObject::connect(a, &QAction::triggered, window, c.handler);
            if (c.enabled)
                m_items.emplace_back(&c, a);
            break;
        }
        case Command::Kind::Separator:
            parent(c)->addSeparator();
            break;
        case Command::Kind::Button:
        case Command::Kind::ToolbarOnly:
            break;
        }
    }
}

bool CommandTable::runToolbar(int position) const
{
    for (const Command &c : m_rows) {
        if (c.toolbar == position && position > 0 && c.handler) {
            c.handler();
            return true;
        }
    }
    return false;
}

void CommandTable::refresh() const
{
    for (const auto &[command, button] : m_buttons) {
        if (command->enabled)
            button->setEnabled(command->enabled());
    }
    for (const auto &[command, item] : m_items)
        item->setEnabled(command->enabled());
}

QPushButton *CommandTable::button(const QString &name) const
{
    for (const auto &[command, button] : m_buttons) {
        if (command->name == name)
            return button;
    }
    return nullptr;
}

namespace {

QChar accessLetter(const QString &caption)
{
    const QKeySequence mnemonic = QKeySequence::mnemonic(caption);
    if (mnemonic.isEmpty())
        return {};
    return QChar(mnemonic[0].key()).toUpper();
}

} // namespace

void CommandTable::installAccessKeys(QMainWindow *window)
{
    for (const Command &c : m_rows) {
        if (c.kind == Command::Kind::Menu && c.menu.isEmpty() && !accessLetter(c.caption).isNull())
            m_menuLetters += accessLetter(c.caption);
    }
    QString buttonLetters;
    for (const auto &[command, button] : m_buttons) {
        // One shortcut per letter, not Qt's own one per button: the menu bar
        // keeps its letters, and shared ones follow the tab order.
        button->setShortcut(QKeySequence());
        // Enter presses the focused button, as Space does.
        button->setAutoDefault(true);
        const QChar letter = accessLetter(command->caption);
        if (letter.isNull() || m_menuLetters.contains(letter) || buttonLetters.contains(letter))
            continue;
        buttonLetters += letter;
        auto *shortcut = new QShortcut(QKeySequence(Qt::ALT | Qt::Key(letter.unicode())), window);
        QObject::connect(shortcut, &QShortcut::activated, window, [this, letter] { accessKey(letter); });
    }
}

void CommandTable::accessKey(QChar letter) const
{
    const std::vector<QPushButton *> holders = accessKeyButtons(letter);
    if (holders.empty())
        return;
    if (holders.size() == 1) {
        holders.front()->setFocus(Qt::ShortcutFocusReason);
        holders.front()->click();
        return;
    }
    // Shared: never a press, only the focus, to the holder after the focused one.
    const auto focused = std::find(holders.begin(), holders.end(), holders.front()->window()->focusWidget());
    QPushButton *next = focused == holders.end() || focused + 1 == holders.end() ? holders.front() : *(focused + 1);
    next->setFocus(Qt::ShortcutFocusReason);
}

QPushButton *CommandTable::accessKeyButton(QChar letter) const
{
    const std::vector<QPushButton *> holders = accessKeyButtons(letter);
    return holders.size() == 1 ? holders.front() : nullptr;
}

std::vector<QPushButton *> CommandTable::accessKeyButtons(QChar letter) const
{
    letter = letter.toUpper();
    std::vector<QPushButton *> holders;
    if (m_menuLetters.contains(letter) || m_buttons.empty())
        return holders;
    // In tab order, which the window may have chained differently from the rows.
    QWidget *window = m_buttons.front().second->window();
    for (QWidget *w = window->nextInFocusChain(); w && w != window; w = w->nextInFocusChain()) {
        for (const auto &[command, button] : m_buttons) {
            if (button == w && accessLetter(command->caption) == letter && button->isEnabled() &&
                button->isVisibleTo(window))
                holders.push_back(button);
        }
    }
    return holders;
}
