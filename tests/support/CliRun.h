// vicania-cli run as a user runs it: its exit status and its two outputs.
#pragma once

#include <QProcess>
#include <QStringList>

struct CliRun {
    int code = -1;
    QStringList out;
    QStringList err;
};

inline CliRun cli(const QStringList &args)
{
    QProcess p;
    p.start(QStringLiteral(VICANIA_CLI), args);
    p.waitForFinished(60000);
    CliRun r;
    r.code = p.exitCode();
    r.out = QString::fromUtf8(p.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
    r.err = QString::fromUtf8(p.readAllStandardError()).split(u'\n', Qt::SkipEmptyParts);
    return r;
}
