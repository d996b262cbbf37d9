#include "FluidMusic.h"

#include <QFile>
#include <QStringList>
#include <alsa/asoundlib.h>
#include <fluidsynth.h>

namespace {

// No audio device is an ordinary state of a desktop: ALSA keeps quiet about it.
void quietAlsa(const char *, int, const char *, int, const char *, ...)
{
}

void quietLogs()
{
    for (const int level : {FLUID_PANIC, FLUID_ERR, FLUID_WARN, FLUID_INFO, FLUID_DBG})
        fluid_set_log_function(level, nullptr, nullptr);
    snd_lib_error_set_handler(quietAlsa);
}

} // namespace

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
    // The distribution's choice first: FluidSynth's configured default.
    QStringList fonts;
    if (fluid_settings_t *settings = new_fluid_settings()) {
        char *configured = nullptr;
        if (fluid_settings_getstr_default(settings, "synth.default-soundfont", &configured) == FLUID_OK && configured &&
            *configured)
            fonts << QString::fromLocal8Bit(configured);
        delete_fluid_settings(settings);
    }
    for (const char *known : {"/usr/share/sounds/sf3/default-GM.sf3", "/usr/share/sounds/sf2/default-GM.sf2",
                              "/usr/share/sounds/sf2/TimGM6mb.sf2", "/usr/share/sounds/sf2/FluidR3_GM.sf2"}) {
        if (!fonts.contains(QLatin1String(known)))
            fonts << QString::fromLatin1(known);
    }
    return fonts;
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
    quietLogs();
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
