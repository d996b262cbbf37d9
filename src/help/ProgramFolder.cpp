#include "ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace ProgramFolder {

namespace {

QString &overridden()
{
    static QString folder;
    return folder;
}

QStringList withVicania(const QStringList &folders)
{
    QStringList out;
    for (const QString &f : folders)
        out << QDir(f).filePath(QStringLiteral("vicania"));
    return out;
}

} // namespace

void setPath(const QString &folder)
{
    overridden() = folder;
}

QStringList searchPath()
{
    if (!overridden().isEmpty())
        return {overridden()};
    QStringList folders = withVicania(QStandardPaths::standardLocations(QStandardPaths::GenericConfigLocation));
    folders << withVicania(QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation));
    const QDir exe(QCoreApplication::applicationDirPath());
    folders << exe.absolutePath() << QDir::cleanPath(exe.absoluteFilePath(QStringLiteral("../share/vicania")));
    folders.removeDuplicates();
    return folders;
}

QString file(const QString &name)
{
    const QStringList folders = searchPath();
    for (const QString &folder : folders) {
        QString candidate = QDir(folder).filePath(name);
        if (QFileInfo(candidate).isFile())
            return candidate;
    }
    return QDir(path()).filePath(name);
}

QString path()
{
    if (!overridden().isEmpty())
        return overridden();
    const QString installed = QStandardPaths::locate(QStandardPaths::GenericDataLocation, QStringLiteral("vicania"),
                                                     QStandardPaths::LocateDirectory);
    return installed.isEmpty() ? QCoreApplication::applicationDirPath() : installed;
}

} // namespace ProgramFolder
