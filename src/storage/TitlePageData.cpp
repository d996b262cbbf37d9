#include "TitlePageData.h"

#include "core/AppGlobals.h"

#include <QLocale>
#include <array>

QStringList TitlePageData::fields() const
{
    return {ricerca, localita, tipostudio, committente, luogo, data, allegati, labelstudio, labelindirizzo};
}

TitlePageData TitlePageData::fromFields(const QStringList &f)
{
    auto at = [&f](qsizetype i) { return i < f.size() ? f[i] : QString(); };
    return {at(0), at(1), at(2), at(3), at(4), at(5), at(6), at(7), at(8)};
}

QString TitlePageData::longDate(const QDate &date)
{
    static const QLocale italian(QLocale::Italian, QLocale::Italy);
    return italian.toString(date, QStringLiteral("dddd, d MMM yyyy"));
}

QString TitlePageData::fieldCaption(int index)
{
    static const std::array<const char *, 9> captions = {"ricerca",
                                                         "località",
                                                         "tipologia di studio",
                                                         "committente",
                                                         "luogo elaborazione",
                                                         "data elaborazione",
                                                         "allegati alla relazione",
                                                         "studio professionale",
                                                         "indirizzo"};
    if (index < 0 || index >= static_cast<int>(captions.size()))
        return QString();
    return QString::fromUtf8(captions[static_cast<std::size_t>(index)]);
}
