// The splash tune: rendered to a file with FluidSynth's file renderer, it is
// about a minute of real sound; a missing tune or device means silence.
#include "app/FluidMusic.h"

#include <QDataStream>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>
#include <cstdio>
#include <fcntl.h>
#include <fluidsynth.h>
#include <unistd.h>

class MusicTest : public QObject {
    Q_OBJECT

private slots:
    void theTuneRendersToAMinuteOfSound()
    {
        const QByteArray midi = FluidMusic::midiFor(QStringLiteral("nessun-file-con-questo-nome.mid"));
        QVERIFY(midi.isEmpty());
        const QByteArray tune = FluidMusic::midiFor(QStringLiteral("Internet.mid"));
        QVERIFY(tune.startsWith("MThd"));

        QTemporaryDir dir;
        const QByteArray wav = dir.filePath(QStringLiteral("tune.wav")).toLocal8Bit();
        fluid_settings_t *settings = new_fluid_settings();
        fluid_settings_setstr(settings, "audio.file.name", wav.constData());
        fluid_settings_setstr(settings, "audio.file.type", "wav");
        fluid_settings_setstr(settings, "player.timing-source", "sample");
        fluid_settings_setint(settings, "synth.lock-memory", 0);
        fluid_settings_setnum(settings, "synth.sample-rate", 22050);
        fluid_synth_t *synth = new_fluid_synth(settings);
        QVERIFY(fluid_synth_sfload(synth, "/usr/share/sounds/sf2/TimGM6mb.sf2", 1) != FLUID_FAILED);
        fluid_player_t *player = new_fluid_player(synth);
        QCOMPARE(fluid_player_add_mem(player, tune.constData(), size_t(tune.size())), FLUID_OK);
        fluid_file_renderer_t *renderer = new_fluid_file_renderer(synth);
        QVERIFY(renderer);
        fluid_player_play(player);
        while (fluid_player_get_status(player) == FLUID_PLAYER_PLAYING) {
            if (fluid_file_renderer_process_block(renderer) != FLUID_OK)
                break;
        }
        delete_fluid_file_renderer(renderer);
        delete_fluid_player(player);
        delete_fluid_synth(synth);
        delete_fluid_settings(settings);

        QFile file(QString::fromLocal8Bit(wav));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QVERIFY(bytes.startsWith("RIFF"));
        QCOMPARE(bytes.mid(8, 4), QByteArray("WAVE"));
        QDataStream header(bytes.mid(22, 14));
        header.setByteOrder(QDataStream::LittleEndian);
        quint16 channels = 0, bits = 0;
        quint32 rate = 0, byteRate = 0;
        quint16 align = 0;
        header >> channels >> rate >> byteRate >> align >> bits;
        QCOMPARE(rate, 22050u);
        QCOMPARE(bits, quint16(16));
        const qsizetype data = bytes.indexOf("data");
        QVERIFY(data > 0);
        const QByteArray samples = bytes.mid(data + 8);
        const double seconds = double(samples.size()) / byteRate;
        // 24 bars at 96 beats a minute, with the last chord held one more bar.
        QVERIFY2(seconds > 58 && seconds < 70, qPrintable(QString::number(seconds)));
        const auto *pcm = reinterpret_cast<const qint16 *>(samples.constData());
        const qsizetype count = samples.size() / 2;
        double sum = 0;
        for (qsizetype i = 0; i < count; ++i)
            sum += double(pcm[i]) * pcm[i];
        const double rms = std::sqrt(sum / double(count));
        QVERIFY2(rms > 300, qPrintable(QString::number(rms)));
        // Sound all along, not a click at the start: loud samples in every tenth.
        QStringList quiet;
        for (int part = 0; part < 9; ++part) {
            qsizetype partLoud = 0;
            for (qsizetype i = count * part / 10; i < count * (part + 1) / 10; ++i)
                partLoud += std::abs(pcm[i]) > 1000;
            if (partLoud <= 1000)
                quiet << QString::number(part);
        }
        QVERIFY2(quiet.isEmpty(), qPrintable(QStringLiteral("quiet tenths: ") + quiet.join(u' ')));
    }

    void withoutAFileOrADeviceThereIsSilenceAndNoError()
    {
        FluidMusic music;
        music.open(QStringLiteral("manca.mid"));
        music.play();
        music.pause();
        music.play();
        music.close();
        music.close();
        QVERIFY(true);
    }

    void aMachineWithoutSoundSaysNothingOnStandardError()
    {
        // Standard error goes to a file while the tune is opened and played
        // on this machine, which has no audio device.
        QTemporaryDir dir;
        const QByteArray path = QFile::encodeName(dir.filePath(QStringLiteral("stderr.txt")));
        std::fflush(stderr);
        const int saved = dup(2);
        const int file = ::open(path.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        QVERIFY(saved >= 0 && file >= 0);
        dup2(file, 2);
        {
            FluidMusic music;
            music.open(QStringLiteral("Internet.mid"));
            music.play();
            music.pause();
            music.close();
        }
        std::fflush(stderr);
        dup2(saved, 2);
        ::close(saved);
        ::close(file);
        QFile written(dir.filePath(QStringLiteral("stderr.txt")));
        QVERIFY(written.open(QIODevice::ReadOnly));
        const QByteArray said = written.readAll();
        QVERIFY2(!said.contains("ALSA") && !said.contains("fluidsynth"), said.constData());
    }

    void theDistributionsSoundFontComesFirst()
    {
        QStringList fonts = FluidMusic::soundFonts();
        QVERIFY(fonts.size() >= 4);
        QCOMPARE(fonts.removeDuplicates(), 0);
        fluid_settings_t *settings = new_fluid_settings();
        char *configured = nullptr;
        if (fluid_settings_getstr_default(settings, "synth.default-soundfont", &configured) == FLUID_OK && configured) {
            QCOMPARE(fonts.first(), QString::fromLocal8Bit(configured));
        }
        delete_fluid_settings(settings);
        QVERIFY(fonts.contains(QStringLiteral("/usr/share/sounds/sf2/TimGM6mb.sf2")));
    }
};

QTEST_MAIN(MusicTest)
#include "test_music.moc"
