// vicania-cli: the projection window's model from the command line.
#include "CliSession.h"
#include "output/QtChartPainter.h"

#include <QApplication>
#include <cstdio>

namespace {

// Notices of the platform's start-up (a missing runtime folder) are none of
// the study's messages, which are all that standard error carries.
void quietStartup(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "%s\n", qPrintable(message));
}

} // namespace

int main(int argc, char *argv[])
{
    // The charts are drawn off screen: no display is needed nor opened.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const QtMessageHandler previous = qInstallMessageHandler(quietStartup);
    QApplication app(argc, argv);
    qInstallMessageHandler(previous);
    QTextStream out(stdout);
    QTextStream err(stderr);
    out.setEncoding(QStringConverter::Utf8);
    err.setEncoding(QStringConverter::Utf8);
    QtChartPainter charts;
    CliSession session(out, err, &charts);
    return session.run(app.arguments().mid(1));
}
