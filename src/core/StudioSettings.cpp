#include "StudioSettings.h"

#include "AppGlobals.h"
#include "WholeFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>
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

// QSettings writes in the INI form the next load reads; it writes into a
// scratch copy, and the program's own writer puts that in place whole.
bool save(const QString &name, const QString &address)
{
    appGlobals().StudioName = name;
    appGlobals().StudioAddress = address;
    const QString target = open()->fileName();
    const QTemporaryDir scratchFolder;
    const QString scratch = scratchFolder.filePath(QStringLiteral("vicania.ini"));
    if (!scratchFolder.isValid() || (QFile::exists(target) && !QFile::copy(target, scratch)))
        return false;
    {
        QSettings settings(scratch, QSettings::IniFormat);
        settings.setValue(QStringLiteral("studio/nome"), name);
        settings.setValue(QStringLiteral("studio/indirizzo"), address);
        settings.sync();
        if (settings.status() != QSettings::NoError)
            return false;
    }
    QFile written(scratch);
    return written.open(QIODevice::ReadOnly) && QDir().mkpath(QFileInfo(target).path()) &&
           WholeFile::write(target, written.readAll(), nullptr);
}

} // namespace StudioSettings
