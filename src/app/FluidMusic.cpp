#include "FluidMusic.h"

#include <QFile>
#include <QStringList>
#include <fluidsynth.h>

// The tune is built into the static library; its resources need a nudge.
static void initResources()
{
    Q_INIT_RESOURCE(resources);
}

FluidMusic::FluidMusic() = default;

FluidMusic::~FluidMusic()
{
    close();
}

QStringList FluidMusic::soundFonts()
{
    return {QStringLiteral("/usr/share/sounds/sf2/TimGM6mb.sf2"),
            QStringLiteral("/usr/share/sounds/sf2/default-GM.sf2"),
            QStringLiteral("/usr/share/sounds/sf2/FluidR3_GM.sf2")};
}

QByteArray FluidMusic::midiFor(const QString &fileName)
{
    static const bool ready = (initResources(), true);
    Q_UNUSED(ready);
    for (const QString &path : {fileName, QStringLiteral(":/vicania/") + fileName}) {
        QFile file(path);
        if (file.open(QIODevice::ReadOnly))
            return file.readAll();
    }
    return {};
}

void FluidMusic::open(const QString &fileName)
{
    close();
    m_midi = midiFor(fileName);
    if (m_midi.isEmpty())
        return;
    fluid_set_log_function(FLUID_WARN, nullptr, nullptr);
    fluid_set_log_function(FLUID_ERR, nullptr, nullptr);
    fluid_set_log_function(FLUID_INFO, nullptr, nullptr);
    m_settings = new_fluid_settings();
    if (!m_settings)
        return;
    fluid_settings_setnum(m_settings, "synth.gain", 0.6);
    m_synth = new_fluid_synth(m_settings);
    bool loaded = false;
    for (const QString &font : soundFonts()) {
        if (QFile::exists(font) && fluid_synth_sfload(m_synth, font.toLocal8Bit().constData(), 1) != FLUID_FAILED) {
            loaded = true;
            break;
        }
    }
    m_player = loaded ? new_fluid_player(m_synth) : nullptr;
    if (!m_player || fluid_player_add_mem(m_player, m_midi.constData(), size_t(m_midi.size())) != FLUID_OK) {
        close();
        return;
    }
    m_driver = new_fluid_audio_driver(m_settings, m_synth);
    if (!m_driver)
        close();
}

void FluidMusic::play()
{
    if (m_player)
        fluid_player_play(m_player);
}

void FluidMusic::pause()
{
    if (!m_player)
        return;
    // Stopping the player keeps its position; the sounding notes are released.
    fluid_player_stop(m_player);
    fluid_synth_all_notes_off(m_synth, -1);
}

void FluidMusic::close()
{
    if (m_driver)
        delete_fluid_audio_driver(m_driver);
    if (m_player) {
        fluid_player_stop(m_player);
        delete_fluid_player(m_player);
    }
    if (m_synth)
        delete_fluid_synth(m_synth);
    if (m_settings)
        delete_fluid_settings(m_settings);
    m_driver = nullptr;
    m_player = nullptr;
    m_synth = nullptr;
    m_settings = nullptr;
}
