#include "StudioSettings.h"

#include "AppGlobals.h"

#include <QSettings>
#include <memory>

namespace StudioSettings {

namespace {

QString &filePath()
{
    static QString path;
    return path;
}

std::unique_ptr<QSettings> open()
{
    if (!filePath().isEmpty())
        return std::make_unique<QSettings>(filePath(), QSettings::IniFormat);
    return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Vicania"),
                                       QStringLiteral("Vicania"));
}

} // namespace

void useFile(const QString &path)
{
    filePath() = path;
}

void load()
{
    const auto settings = open();
    appGlobals().StudioName = settings->value(QStringLiteral("studio/nome")).toString();
    appGlobals().StudioAddress = settings->value(QStringLiteral("studio/indirizzo")).toString();
}

bool save(const QString &name, const QString &address)
{
    const auto settings = open();
    settings->setValue(QStringLiteral("studio/nome"), name);
    settings->setValue(QStringLiteral("studio/indirizzo"), address);
    settings->sync();
    appGlobals().StudioName = name;
    appGlobals().StudioAddress = address;
    return settings->status() == QSettings::NoError;
}

} // namespace StudioSettings
