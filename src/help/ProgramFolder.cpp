#include "ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>

namespace ProgramFolder {

namespace {

QString &overridden()
{
    static QString path;
    return path;
}

} // namespace

void setPath(const QString &path)
{
    overridden() = path;
}

QString path()
{
    if (!overridden().isEmpty())
        return overridden();
    const QDir exe(QCoreApplication::applicationDirPath());
    const QString installed = exe.absoluteFilePath(QStringLiteral("../share/vicania"));
    if (QDir(installed).exists())
        return QDir::cleanPath(installed);
    return exe.absolutePath();
}

QString file(const QString &name)
{
    return QDir(path()).filePath(name);
}

} // namespace ProgramFolder
