#include "WholeFile.h"

#include <QFileInfo>
#include <QSaveFile>

namespace WholeFile {

bool write(const QString &path, const QByteArray &bytes, QString *error)
{
    auto fail = [error](const QString &why) {
        if (error)
            *error = why;
        return false;
    };
    // Never a device or a folder replaced; through a link, the file it points to.
    const QFileInfo target(path);
    if (target.exists() && !target.isFile())
        return fail(QStringLiteral("la destinazione non è un file normale"));
    QSaveFile file(target.isSymLink() ? target.symLinkTarget() : path);
    if (!file.open(QIODevice::WriteOnly))
        return fail(QStringLiteral("impossibile creare il file: ") + file.errorString());
    if (file.write(bytes) != bytes.size()) {
        const QString message = file.errorString();
        file.cancelWriting();
        return fail(QStringLiteral("errore nella scrittura del file: ") + message);
    }
    if (!file.commit())
        return fail(QStringLiteral("impossibile completare il file: ") + file.errorString());
    return true;
}

} // namespace WholeFile
