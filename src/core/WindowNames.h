// The program's windows: a closed set. Each has the name its code, its tests
// and its settings use; a name outside the set names no window.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <span>

enum class WindowId {
    frmSplash,
    stimaabitanti,
    frontespizio,
    sommario,
    manuale,
    guidafunzionamento,
    guidaarchivio,
    guidadati,
    guidarisultati,
    guidacalcolo,
    guidafrontespizio,
    frmTip,
    informaz,
    supportoclienti,
    grafico,
    ipotesi,
    dimensionamento,
};

namespace WindowNames {

QString name(WindowId id);
// The window of that name, or nothing for a name outside the set.
std::optional<WindowId> find(const QString &name);
// Every window but the splash, in the order the confirmed exit unloads them.
std::span<const WindowId> exitOrder();

// The seven help pages in the order of the help contents.
std::span<const WindowId> guidePages();
QStringList guidePageNames();
// The page's place in the help contents, or -1 for another window.
int guidePageIndex(WindowId id);

} // namespace WindowNames
