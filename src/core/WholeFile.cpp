#include "WholeFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <fcntl.h>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace WholeFile {

namespace {

bool fail(QString *error, const QString &why)
{
    if (error)
        *error = why;
    return false;
}

// The file actually replaced, or why none may be.
std::optional<QString> destination(const QString &path, Links links, QString *why, int depth = 0)
{
    struct stat st {};
    if (::lstat(QFile::encodeName(path).constData(), &st) != 0)
        return path; // a new file; a missing folder shows when it is created
    if (S_ISLNK(st.st_mode)) {
        if (links == Links::Refuse || depth > 8) {
            *why = QStringLiteral("al suo posto c'è un collegamento, che non viene seguito");
            return std::nullopt;
        }
        const QString target = QFileInfo(path).symLinkTarget();
        return destination(target, links, why, depth + 1);
    }
    if (!S_ISREG(st.st_mode)) {
        *why = QStringLiteral("la destinazione non è un file normale");
        return std::nullopt;
    }
    if (links == Links::Refuse && st.st_uid != ::geteuid()) {
        *why = QStringLiteral("il file appartiene a un altro utente");
        return std::nullopt;
    }
    return path;
}

// A new file of our own beside the target, with the target's permissions.
int createTemporary(const QString &target, QByteArray *name)
{
    const QFileInfo info(target);
    struct stat st {};
    const bool replaces = ::stat(QFile::encodeName(target).constData(), &st) == 0;
    for (int attempt = 0; attempt < 100; ++attempt) {
        const QString candidate =
            info.dir().filePath(QStringLiteral(".%1.%2.tmp")
                                    .arg(info.fileName())
                                    .arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0')));
        *name = QFile::encodeName(candidate);
        const int fd = ::open(name->constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0) {
            if (replaces)
                ::fchmod(fd, st.st_mode & 07777);
            return fd;
        }
        if (errno != EEXIST)
            return -1;
    }
    return -1;
}

bool writeAll(int fd, const QByteArray &bytes)
{
    const char *at = bytes.constData();
    qint64 left = bytes.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, at, size_t(left));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        at += n;
        left -= n;
    }
    return true;
}

// Every step checked: a full disk may show only at the flush or the close.
bool fill(int fd, const QByteArray &bytes, int *errorNumber)
{
    const bool written = writeAll(fd, bytes) && ::fsync(fd) == 0;
    *errorNumber = errno;
    const bool closed = ::close(fd) == 0;
    if (written && !closed)
        *errorNumber = errno;
    return written && closed;
}

void syncFolder(const QString &target)
{
    const int dir = ::open(QFile::encodeName(QFileInfo(target).path()).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
}

} // namespace

bool write(const QString &path, const QByteArray &bytes, QString *error, Links links)
{
    QString why;
    const std::optional<QString> target = destination(path, links, &why);
    if (!target)
        return fail(error, why);
    QByteArray temporary;
    const int fd = createTemporary(*target, &temporary);
    if (fd < 0)
        return fail(error, reason(errno));
    int errorNumber = 0;
    if (!fill(fd, bytes, &errorNumber)) {
        ::unlink(temporary.constData());
        return fail(error, reason(errorNumber));
    }
    if (::rename(temporary.constData(), QFile::encodeName(*target).constData()) != 0) {
        errorNumber = errno;
        ::unlink(temporary.constData());
        return fail(error, reason(errorNumber));
    }
    syncFolder(*target);
    return true;
}

QString reason(int errorNumber)
{
    switch (errorNumber) {
    case ENOSPC:
        return QStringLiteral("disco pieno");
    case EDQUOT:
        return QStringLiteral("spazio a disposizione dell'utente esaurito");
    case EACCES:
    case EPERM:
        return QStringLiteral("permesso negato");
    case EROFS:
        return QStringLiteral("disco di sola lettura");
    case ENOENT:
    case ENOTDIR:
        return QStringLiteral("cartella inesistente");
    case ENAMETOOLONG:
        return QStringLiteral("nome del file troppo lungo");
    case EISDIR:
        return QStringLiteral("la destinazione è una cartella");
    case EIO:
        return QStringLiteral("errore del disco");
    case EMFILE:
    case ENFILE:
        return QStringLiteral("troppi file aperti");
    case EBUSY:
    case ETXTBSY:
        return QStringLiteral("file in uso");
    default:
        return QStringLiteral("errore di sistema n. %1").arg(errorNumber);
    }
}

} // namespace WholeFile
