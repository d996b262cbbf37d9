// vicania-cli: opens a study as the projection window does, runs its buttons
// and prints the window's state. Messages go to standard error; questions are
// answered Yes.
#pragma once

#include <QStringList>
#include <QTextStream>

class ChartPainter;

class CliSession {
public:
    enum ExitCode { Ok = 0, StopShown = 1, Unreadable = 2, Usage = 3 };

    // charts draws the charts of the documents and of --grafico; without it
    // there are none.
    CliSession(QTextStream &out, QTextStream &err, ChartPainter *charts = nullptr)
        : m_out(out), m_err(err), m_charts(charts)
    {
    }
    // Arguments after the program name.
    int run(const QStringList &arguments);

private:
    int esegui(const QString &study, const QStringList &commands);
    void usage();

    QTextStream &m_out;
    QTextStream &m_err;
    ChartPainter *m_charts;
};
