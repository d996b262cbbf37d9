// Run by check_install.sh against an installed copy: prints where the
// program's files and the study file type are found, one "name=value" line
// each, as the installed program would find them.
#include "help/ProgramFolder.h"

#include <QCoreApplication>
#include <QMimeDatabase>
#include <QTextStream>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    for (const char *name : {"SuggerimentiVicania.TXT", "supportoclienti.ini", "Vicania-dati-esempio-Roccaventosa"})
        out << name << '=' << ProgramFolder::file(QString::fromLatin1(name)) << '\n';
    const QMimeType type =
        QMimeDatabase().mimeTypeForFile(QStringLiteral("Vicania-dati-prova"), QMimeDatabase::MatchExtension);
    out << "mime=" << type.name() << '\n';
    out << "plain=" << (type.inherits(QStringLiteral("text/plain")) ? "si" : "no") << '\n';
    return 0;
}
