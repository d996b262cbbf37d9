// Music through FluidSynth and a General MIDI sound font. The file is looked
// up by its bare name in the current folder first, then the copy built into
// the program is used. No file, no sound font or no audio device: silence.
#pragma once

#include "core/Music.h"

#include <QByteArray>
#include <fluidsynth/types.h>

class FluidMusic : public Music {
public:
    FluidMusic();
    ~FluidMusic() override;
    FluidMusic(const FluidMusic &) = delete;
    FluidMusic &operator=(const FluidMusic &) = delete;

    void open(const QString &fileName) override;
    void play() override;
    void pause() override;
    void close() override;

    // The sound fonts tried, in order.
    static QStringList soundFonts();
    // The MIDI bytes for a bare file name: the current folder, then our own copy.
    static QByteArray midiFor(const QString &fileName);

private:
    fluid_settings_t *m_settings = nullptr;
    fluid_synth_t *m_synth = nullptr;
    fluid_player_t *m_player = nullptr;
    fluid_audio_driver_t *m_driver = nullptr;
    QByteArray m_midi; // the player reads from this buffer
};
