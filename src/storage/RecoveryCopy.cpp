#include "RecoveryCopy.h"

#include "core/BoundedRead.h"
#include "core/WholeFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLockFile>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <algorithm>
#include <sys/stat.h>
#include <unistd.h>

namespace RecoveryCopy {

namespace {

// No copy the program writes comes near this.
constexpr qint64 kMaxCopyBytes = qint64{1024} * 1024;

// What a study file leaves for its fields: two quotes each, the commas
// between them and two line ends aside.
constexpr qsizetype kFieldBudget =
    StudyFile::kMaxBytes - qsizetype{2} * StudyFile::kFieldCount - (StudyFile::kFieldCount - 2) - 4;

QString &folderOverride()
{
    static QString folder;
    return folder;
}

bool present(const QString &path)
{
    struct stat st {};
    return ::lstat(QFile::encodeName(path).constData(), &st) == 0;
}

// Nothing there, or a regular file of this user's.
bool ours(const QString &path)
{
    struct stat st {};
    if (::lstat(QFile::encodeName(path).constData(), &st) != 0)
        return true;
    return S_ISREG(st.st_mode) && st.st_uid == ::geteuid();
}

std::unique_ptr<QLockFile> lockFor(const QString &path)
{
    auto lock = std::make_unique<QLockFile>(path + QStringLiteral(".lock"));
    // Stale only when its program has ended, however long that one has run.
    lock->setStaleLockTime(0);
    if (!lock->tryLock(0))
        return nullptr;
    return lock;
}

QJsonArray array(const QStringList &texts)
{
    QJsonArray a;
    for (const QString &t : texts)
        a.append(t);
    return a;
}

QStringList texts(const QJsonValue &value)
{
    QStringList out;
    // Read through a const array, which is never copied to be read.
    const QJsonArray values = value.toArray();
    for (const QJsonValue v : values)
        out << v.toString();
    return out;
}

QByteArray serialize(const Copy &copy)
{
    const StudyRecord study = bounded(copy.study);
    QJsonObject o;
    o[QStringLiteral("file")] = copy.fileName;
    o[QStringLiteral("scritto")] = copy.written.toString(Qt::ISODate);
    o[QStringLiteral("calcolo")] = array(QStringList(study.inputs.begin(), study.inputs.end()));
    o[QStringLiteral("frontespizio")] = array(study.titlePage.fields());
    if (!study.lines.empty()) {
        QJsonArray lines;
        for (const QStringList &line : study.lines)
            lines.append(array(line));
        o[QStringLiteral("righe")] = lines;
    }
    return QJsonDocument(o).toJson();
}

std::optional<Copy> parse(const QByteArray &bytes)
{
    const QJsonObject o = QJsonDocument::fromJson(bytes).object();
    const QStringList inputs = texts(o.value(QStringLiteral("calcolo")));
    const QStringList title = texts(o.value(QStringLiteral("frontespizio")));
    Copy copy;
    if (inputs.size() != qsizetype(copy.study.inputs.size()) || title.size() != 9)
        return std::nullopt;
    for (std::size_t i = 0; i < copy.study.inputs.size(); ++i)
        copy.study.inputs[i] = inputs[qsizetype(i)];
    copy.study.titlePage = TitlePageData::fromFields(title);
    const QJsonArray lines = o.value(QStringLiteral("righe")).toArray();
    for (const QJsonValue line : lines) {
        const QStringList fields = texts(line);
        if (!fields.isEmpty() && StudyFile::lineKeywords().contains(fields.front()))
            copy.study.setLine(fields.front(), fields);
    }
    copy.study = bounded(copy.study);
    copy.fileName = o.value(QStringLiteral("file")).toString();
    copy.written = QDateTime::fromString(o.value(QStringLiteral("scritto")).toString(), Qt::ISODate);
    return copy;
}

std::optional<Copy> readCopy(const QString &path)
{
    const BoundedRead::Result r = BoundedRead::file(path, kMaxCopyBytes);
    if (r.status != BoundedRead::Status::Read)
        return std::nullopt;
    std::optional<Copy> copy = parse(r.bytes);
    if (copy && !copy->written.isValid())
        copy->written = QFileInfo(path).lastModified();
    return copy;
}

// The longest length every field may keep so that all fit in the budget.
qsizetype cap(QList<qsizetype> lengths, qsizetype budget)
{
    std::sort(lengths.begin(), lengths.end());
    qsizetype used = 0;
    for (qsizetype i = 0; i < lengths.size(); ++i) {
        const qsizetype rest = lengths.size() - i;
        if (used + lengths[i] * rest > budget)
            return (budget - used) / rest;
        used += lengths[i];
    }
    return budget;
}

QString cut(const QString &text, qsizetype length)
{
    if (text.size() <= length)
        return text;
    // Never half of a character beyond the basic plane.
    if (length > 0 && text.at(length - 1).isHighSurrogate())
        --length;
    return text.left(length);
}

} // namespace

void setFolder(const QString &folder)
{
    folderOverride() = folder;
}

QString folder()
{
    if (!folderOverride().isEmpty())
        return folderOverride();
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation))
        .filePath(QStringLiteral("vicania"));
}

// The optional lines keep their room (each field quoted, commas, a line end)
// when they leave the other fields half the file or more; else they go,
// damaged or unstorable ones too.
StudyRecord bounded(const StudyRecord &study)
{
    StudyRecord out;
    qsizetype linesSize = 0;
    for (const QStringList &line : study.lines) {
        if (line.isEmpty() || !std::all_of(line.begin(), line.end(), StudyFile::canStore))
            continue;
        for (const QString &f : line)
            linesSize += f.size() + 3;
        out.lines.push_back(line);
    }
    if (linesSize > kFieldBudget / 2) {
        out.lines.clear();
        linesSize = 0;
    }
    QStringList fields = QStringList(study.inputs.begin(), study.inputs.end()) + study.titlePage.fields();
    QList<qsizetype> lengths;
    for (const QString &f : std::as_const(fields))
        lengths << f.size();
    const qsizetype most = cap(lengths, kFieldBudget - linesSize);
    for (QString &f : fields)
        f = cut(f, most);
    for (std::size_t i = 0; i < out.inputs.size(); ++i)
        out.inputs[i] = fields[qsizetype(i)];
    out.titlePage = TitlePageData::fromFields(fields.mid(qsizetype(out.inputs.size())));
    return out;
}

Slot::Slot(QString path, std::unique_ptr<QLockFile> lock) : m_path(std::move(path)), m_lock(std::move(lock))
{
}

// The lock goes with its QLockFile; the copy stays for the next start.
Slot::~Slot() = default;

std::unique_ptr<Slot> Slot::create()
{
    const QDir dir(folder());
    if (!dir.mkpath(QStringLiteral(".")))
        return nullptr;
    for (int attempt = 0; attempt < 100; ++attempt) {
        const QString path = dir.filePath(QStringLiteral("studio-non-archiviato-%1-%2.json")
                                              .arg(QCoreApplication::applicationPid())
                                              .arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0')));
        if (present(path))
            continue;
        if (auto lock = lockFor(path))
            return std::unique_ptr<Slot>(new Slot(path, std::move(lock)));
    }
    return nullptr;
}

std::unique_ptr<Slot> Slot::take(const QString &path)
{
    auto lock = lockFor(path);
    if (!lock)
        return nullptr;
    return std::unique_ptr<Slot>(new Slot(path, std::move(lock)));
}

bool Slot::write(const Copy &copy)
{
    if (!ours(m_path)) {
        // Something else took our place: a new name, this lock let go.
        std::unique_ptr<Slot> fresh = create();
        if (!fresh)
            return false;
        m_path = fresh->m_path;
        m_lock = std::move(fresh->m_lock);
    }
    QDir().mkpath(QFileInfo(m_path).path());
    return WholeFile::write(m_path, serialize(copy), nullptr, WholeFile::Links::Refuse);
}

bool Slot::exists() const
{
    return present(m_path) && ours(m_path);
}

void Slot::remove()
{
    // Whatever is not our copy stays as it is.
    if (exists())
        QFile::remove(m_path);
}

std::vector<Left> left()
{
    std::vector<Left> found;
    const QDir dir(folder());
    const QStringList names =
        dir.entryList({QStringLiteral("studio-non-archiviato*.json")}, QDir::Files | QDir::NoSymLinks, QDir::Name);
    for (const QString &name : names) {
        const QString path = dir.filePath(name);
        if (!ours(path))
            continue;
        std::unique_ptr<Slot> slot = Slot::take(path);
        if (!slot)
            continue; // its program still runs
        if (std::optional<Copy> copy = readCopy(path))
            found.push_back({std::move(slot), std::move(*copy)});
    }
    std::stable_sort(found.begin(), found.end(),
                     [](const Left &a, const Left &b) { return a.copy.written < b.copy.written; });
    return found;
}

} // namespace RecoveryCopy
