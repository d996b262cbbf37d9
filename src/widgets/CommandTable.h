// A main window's commands, each declared once as a row: where it shows (a
// menu item, a push button, a toolbar position, or several of these), its
// caption with the access key, its tooltip, shortcut, when it is enabled and
// its handler. The menus, the toolbar and the buttons are built from the
// rows, and a toolbar click is a lookup in them. It holds no rule of the
// window: handlers call the model.
#pragma once

#include "Controls.h"

#include <QKeySequence>
#include <QString>
#include <QStyle>
#include <functional>
#include <optional>
#include <vector>

class QAction;
class QMainWindow;
class QPushButton;
class QWidget;
class WindowHost;

struct Command {
    enum class Kind { Menu, Item, Separator, Button, ToolbarOnly };
    Kind kind;
    QString name;    // object name; none for separators and toolbar-only rows
    QString menu;    // the menu an item, separator or submenu is in; none: the menu bar
    QString caption; // with its access key
    QString toolTip; // of the button, or of the toolbar button
    int toolbar = 0; // toolbar position 1 to 16; 0: not on the toolbar
    std::function<void()> handler;
    std::function<bool()> enabled;              // none: always enabled
    Controls::Place place{};                    // a button's designed place
    std::optional<QStyle::StandardPixmap> icon; // a button's picture
    QKeySequence shortcut;

    static Command submenu(QString name, QString menu, QString caption);
    static Command item(QString name, QString menu, QString caption, std::function<void()> handler, int toolbar = 0,
                        QString toolTip = {});
    static Command separator(QString menu);
    static Command button(QString name, QString caption, QString toolTip, Controls::Place place,
                          std::function<void()> handler, std::function<bool()> enabled = {});
    static Command toolbarOnly(int position, QString toolTip, std::function<void()> handler);

    // The same row with a keyboard shortcut, shown beside its menu item.
    Command keys(const QKeySequence &sequence) &&
    {
        shortcut = sequence;
        return std::move(*this);
    }
};

namespace Commands {

// The "&?" menu both main windows share, on toolbar positions 9 to 12; only
// the tips item differs in name and caption.
std::vector<Command> help(WindowHost &host, const QString &tipName, const QString &tipCaption);

} // namespace Commands

class CommandTable {
public:
    explicit CommandTable(std::vector<Command> rows) : m_rows(std::move(rows)) {}

    // The toolbar across the top of client (width in twips) and the buttons
    // at their places, in row order (the buttons' tab order).
    void buildControls(QWidget *client, int toolbarWidthTwips);
    // The menu bar, in row order.
    void buildMenus(QMainWindow *window);
    // Alt+letter as on Windows: the menu bar's letters open their menus; a
    // letter that one enabled button holds presses it at once; a letter that
    // several hold moves the focus to the first of them, in tab order, then
    // to the next at each press, and Enter or Space presses the focused one.
    // Call once menus and buttons are built.
    void installAccessKeys(QMainWindow *window);
    // The button Alt+letter presses now; none for a menu bar letter or a
    // letter shared by enabled buttons.
    QPushButton *accessKeyButton(QChar letter) const;
    // The enabled buttons that hold the letter, in tab order.
    std::vector<QPushButton *> accessKeyButtons(QChar letter) const;
    // Runs the command at a toolbar position; false for a separator or an
    // empty position.
    bool runToolbar(int position) const;
    // Enables each button and menu item as its row says.
    void refresh() const;

    QPushButton *button(const QString &name) const;
    const std::vector<Command> &rows() const { return m_rows; }

private:
    void accessKey(QChar letter) const;

    std::vector<Command> m_rows;
    std::vector<std::pair<const Command *, QPushButton *>> m_buttons;
    std::vector<std::pair<const Command *, QAction *>> m_items; // those enabled by their rows
    QString m_menuLetters;
};
