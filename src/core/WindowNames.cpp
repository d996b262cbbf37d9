#include "WindowNames.h"

#include <array>

namespace {

using enum WindowId;

struct Entry {
    WindowId id;
    const char *name;
};

// In the order of the enum.
constexpr std::array<Entry, 17> kWindows = {{
    {frmSplash, "frmSplash"},
    {stimaabitanti, "stimaabitanti"},
    {frontespizio, "frontespizio"},
    {sommario, "sommario"},
    {manuale, "manuale"},
    {guidafunzionamento, "guidafunzionamento"},
    {guidaarchivio, "guidaarchivio"},
    {guidadati, "guidadati"},
    {guidarisultati, "guidarisultati"},
    {guidacalcolo, "guidacalcolo"},
    {guidafrontespizio, "guidafrontespizio"},
    {frmTip, "frmTip"},
    {informaz, "informaz"},
    {supportoclienti, "supportoclienti"},
    {grafico, "grafico"},
    {ipotesi, "ipotesi"},
    {dimensionamento, "dimensionamento"},
}};

constexpr std::array<WindowId, 16> kExitOrder = {stimaabitanti,   frontespizio,       grafico,           ipotesi,
                                                 dimensionamento, supportoclienti,    informaz,          sommario,
                                                 manuale,         guidafunzionamento, guidaarchivio,     guidadati,
                                                 guidarisultati,  guidacalcolo,       guidafrontespizio, frmTip};

constexpr std::array<WindowId, 7> kGuidePages = {manuale,        guidafunzionamento, guidaarchivio,    guidadati,
                                                 guidarisultati, guidacalcolo,       guidafrontespizio};

} // namespace

namespace WindowNames {

QString name(WindowId id)
{
    return QString::fromLatin1(kWindows[static_cast<std::size_t>(id)].name);
}

std::optional<WindowId> find(const QString &name)
{
    for (const Entry &e : kWindows) {
        if (name == QLatin1String(e.name))
            return e.id;
    }
    return std::nullopt;
}

std::span<const WindowId> exitOrder()
{
    return kExitOrder;
}

std::span<const WindowId> guidePages()
{
    return kGuidePages;
}

QStringList guidePageNames()
{
    QStringList names;
    for (WindowId id : kGuidePages)
        names << name(id);
    return names;
}

int guidePageIndex(WindowId id)
{
    for (std::size_t i = 0; i < kGuidePages.size(); ++i) {
        if (kGuidePages[i] == id)
            return int(i);
    }
    return -1;
}

} // namespace WindowNames
