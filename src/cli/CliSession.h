// vicania-cli: opens a study as the projection window does, runs its buttons
// and prints the window's state. Messages go to standard error; questions are
// answered Yes.
#pragma once

#include <QStringList>
#include <QTextStream>

class CliSession {
public:
    enum ExitCode { Ok = 0, StopShown = 1, Unreadable = 2, Usage = 3 };

    CliSession(QTextStream &out, QTextStream &err) : m_out(out), m_err(err) {}
    // Arguments after the program name.
    int run(const QStringList &arguments);

private:
    int esegui(const QString &study, const QStringList &commands);
    void usage();

    QTextStream &m_out;
    QTextStream &m_err;
};
