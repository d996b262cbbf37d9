// The splash music as the splash drives it: open a file, play, pause (keeping
// the position), close. Failures are silent: the program goes on without sound.
#pragma once

#include <QString>

class Music {
public:
    virtual ~Music() = default;
    virtual void open(const QString &fileName) = 0;
    virtual void play() = 0;
    virtual void pause() = 0;
    virtual void close() = 0;
};
