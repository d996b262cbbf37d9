#include "StudioSettings.h"

#include "AppGlobals.h"
#include "WholeFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>
#include <functional>
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

namespace {

const QString kPresets = QStringLiteral("dimensionamento");
const QString kPresetName = QStringLiteral("nome");
const QString kPresetRule = QStringLiteral("regola");

// QSettings writes in the INI form the next load reads; it writes into a
// scratch copy, and the program's own writer puts that in place whole.
bool rewrite(const std::function<void(QSettings &)> &change)
{
    const QString target = open()->fileName();
    const QTemporaryDir scratchFolder;
    const QString scratch = scratchFolder.filePath(QStringLiteral("vicania.ini"));
    if (!scratchFolder.isValid() || (QFile::exists(target) && !QFile::copy(target, scratch)))
        return false;
    {
        QSettings settings(scratch, QSettings::IniFormat);
        change(settings);
        settings.sync();
        if (settings.status() != QSettings::NoError)
            return false;
    }
    QFile written(scratch);
    return written.open(QIODevice::ReadOnly) && QDir().mkpath(QFileInfo(target).path()) &&
           WholeFile::write(target, written.readAll(), nullptr);
}

} // namespace

bool save(const QString &name, const QString &address)
{
    appGlobals().StudioName = name;
    appGlobals().StudioAddress = address;
    return rewrite([&](QSettings &settings) {
        settings.setValue(QStringLiteral("studio/nome"), name);
        settings.setValue(QStringLiteral("studio/indirizzo"), address);
    });
}

std::vector<Preset> presets()
{
    const auto settings = open();
    std::vector<Preset> out;
    const int count = settings->beginReadArray(kPresets);
    for (int i = 0; i < count; ++i) {
        settings->setArrayIndex(i);
        Preset p{settings->value(kPresetName).toString(), settings->value(kPresetRule).toString(), {}};
        for (const QString &key : settings->childKeys()) {
            if (key != kPresetName && key != kPresetRule)
                p.figures.emplace_back(key, settings->value(key).toString());
        }
        // A set without a name was not written by this program.
        if (!p.name.trimmed().isEmpty())
            out.push_back(std::move(p));
    }
    settings->endArray();
    return out;
}

bool savePresets(const std::vector<Preset> &presets)
{
    return rewrite([&](QSettings &settings) {
        settings.remove(kPresets);
        settings.beginWriteArray(kPresets, int(presets.size()));
        for (std::size_t i = 0; i < presets.size(); ++i) {
            settings.setArrayIndex(int(i));
            settings.setValue(kPresetName, presets[i].name);
            settings.setValue(kPresetRule, presets[i].rule);
            for (const auto &[key, value] : presets[i].figures)
                settings.setValue(key, value);
        }
        settings.endArray();
    });
}

} // namespace StudioSettings
