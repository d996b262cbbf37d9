// Music through FluidSynth and a General MIDI sound font. The file is looked
// up by its bare name in the current folder first, then the copy built into
// the program is used. No file, no sound font or no audio device: silence.
#pragma once

#include "Music.h"

#include <QByteArray>

struct _fluid_hashtable_t;
struct _fluid_synth_t;
struct _fluid_player_t;
struct _fluid_audio_driver_t;

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
    _fluid_hashtable_t *m_settings = nullptr;
    _fluid_synth_t *m_synth = nullptr;
    _fluid_player_t *m_player = nullptr;
    _fluid_audio_driver_t *m_driver = nullptr;
    QByteArray m_midi; // the player reads from this buffer
};
