// vicania-cli: the projection window's model from the command line.
#include "CliSession.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    out.setEncoding(QStringConverter::Utf8);
    err.setEncoding(QStringConverter::Utf8);
    CliSession session(out, err);
    return session.run(app.arguments().mid(1));
}
