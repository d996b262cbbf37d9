// The program with scripted message boxes, file dialogs and a music recorder.
#pragma once

#include "app/Music.h"
#include "app/Program.h"
#include "support/Scripted.h"

#include <QStringList>

class MusicRecorder : public Music {
public:
    void open(const QString &fileName) override { calls << QStringLiteral("open ") + fileName; }
    void play() override { calls << QStringLiteral("play"); }
    void pause() override { calls << QStringLiteral("pause"); }
    void close() override { calls << QStringLiteral("close"); }
    QStringList calls;
};

struct App {
    ScriptedMessenger messenger;
    ScriptedDialogs dialogs;
    MusicRecorder music;
    Program program{messenger, dialogs, music};
    App() { program.setQuitWhenEmpty(false); }
};
