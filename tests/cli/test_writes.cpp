// Every writer of the program on a full and on a read-only disk: the file
// that was there stays byte for byte, no temporary file is left, and the user
// reads why in Italian. The disks are small tmpfs mounts, which need root.
#include "core/StudioSettings.h"
#include "core/WholeFile.h"
#include "support/Cases.h"
#include "support/Scripted.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/mount.h>
#include <unistd.h>

namespace {

const QByteArray kOld = "the file that was there\n";

// A 64 KiB disk of its own, filled or made read-only on request.
class SmallDisk {
public:
    SmallDisk()
    {
        const QByteArray dir = QFile::encodeName(m_place.path());
        m_mounted = ::geteuid() == 0 && ::mount("tmpfs", dir.constData(), "tmpfs", 0, "size=64k") == 0;
    }
    ~SmallDisk()
    {
        if (m_mounted)
            ::umount2(QFile::encodeName(m_place.path()).constData(), MNT_DETACH);
    }
    bool mounted() const { return m_mounted; }
    QString path(const QString &name) const { return m_place.filePath(name); }
    void fill()
    {
        const int fd =
            ::open(QFile::encodeName(path(QStringLiteral("riempitivo"))).constData(), O_WRONLY | O_CREAT, 0600);
        const QByteArray block(512, 'x');
        while (::write(fd, block.constData(), size_t(block.size())) > 0) {
        }
        ::close(fd);
    }
    void makeReadOnly()
    {
        ::mount(nullptr, QFile::encodeName(m_place.path()).constData(), nullptr, MS_REMOUNT | MS_RDONLY, "size=64k");
    }
    QStringList files() const
    {
        return QDir(m_place.path()).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
    }

private:
    QTemporaryDir m_place;
    bool m_mounted = false;
};

struct Writer {
    std::string name;
    QString file;
    // Writes the file; what the user was told.
    QString (*write)(const QString &path);
};

QString viaCli(const QStringList &options, const QString &path)
{
    QTemporaryDir dir;
    const QString study = dir.filePath(QStringLiteral("Vicania-dati-prova"));
    QFile::copy(QStringLiteral(VICANIA_EXAMPLE), study);
    QProcess p;
    p.start(QStringLiteral(VICANIA_CLI), QStringList{QStringLiteral("esegui"), study} + options + QStringList{path});
    p.waitForFinished(60000);
    const QString err = QString::fromUtf8(p.readAllStandardError());
    return p.exitCode() == 1 ? err : QStringLiteral("exit %1: %2").arg(p.exitCode()).arg(err);
}

template <const char *option> QString cliOption(const QString &path)
{
    return viaCli({QString::fromLatin1(option)}, path);
}

constexpr char kRelazione[] = "--relazione", kModello[] = "--modello", kSoloDati[] = "--solo-dati",
               kGuida[] = "--guida", kXlsx[] = "--xlsx", kCsv[] = "--csv", kGrafico[] = "--grafico",
               kRisultati[] = "--risultati";

QString studySave(const QString &path)
{
    Window w;
    w.example();
    w.m().calcola_Click();
    TitlePageData tp = w.titlePage.read();
    tp.ricerca = QStringLiteral("Stima");
    w.titlePage.write(tp);
    w.dialogs.choices.push_back(path);
    w.m().files().salvanome_Click();
    return w.messenger.texts().join(u'\n');
}

QString settings(const QString &path)
{
    StudioSettings::useFile(path);
    const bool saved = StudioSettings::save(QStringLiteral("Studio Rossi"), QStringLiteral("Via Roma 1"));
    StudioSettings::useFile(QString());
    return saved ? QStringLiteral("saved") : QStringLiteral("not saved");
}

const Writer kWriters[] = {
    {"Relazione", QStringLiteral("rel.docx"), cliOption<kRelazione>},
    {"Modello", QStringLiteral("mod.docx"), cliOption<kModello>},
    {"SoloDati", QStringLiteral("dati.docx"), cliOption<kSoloDati>},
    {"Guida", QStringLiteral("guida.docx"), cliOption<kGuida>},
    {"Risultati", QStringLiteral("ris.docx"), cliOption<kRisultati>},
    {"Xlsx", QStringLiteral("tab.xlsx"), cliOption<kXlsx>},
    {"Csv", QStringLiteral("tab.csv"), cliOption<kCsv>},
    {"Grafico", QStringLiteral("graf.png"), cliOption<kGrafico>},
    {"Studio", QStringLiteral("Vicania-dati-prova"), studySave},
    {"Impostazioni", QStringLiteral("vicania.ini"), settings},
};

void PrintTo(const Writer &w, std::ostream *os)
{
    *os << w.name;
}

class FullDisk : public testing::TestWithParam<Writer> {};

bool putOldFile(const SmallDisk &disk, const Writer &w)
{
    QFile old(disk.path(w.file));
    return old.open(QIODevice::WriteOnly) && old.write(kOld) == kOld.size();
}

void expectOldFileKept(const SmallDisk &disk, const Writer &w, const QStringList &before)
{
    QFile kept(disk.path(w.file));
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), kOld);
    EXPECT_EQ(disk.files(), before) << "a temporary file was left behind";
}

void expectToldInItalian(const Writer &w, const QString &told, const QString &words)
{
    // The settings speak through their caller (the recovery copy has its own
    // test of a full disk).
    if (w.name == "Impostazioni")
        EXPECT_EQ(told, QStringLiteral("not saved"));
    else
        EXPECT_TRUE(told.contains(words)) << "told: " << told.toStdString();
    for (const char *english : {"No space", "Permission", "Read-only", "Unknown error"})
        EXPECT_FALSE(told.contains(QLatin1String(english))) << told.toStdString();
}

TEST_P(FullDisk, KeepsTheOldFileAndSaysWhy)
{
    SmallDisk disk;
    if (!disk.mounted())
        GTEST_SKIP() << "a tmpfs can only be mounted as root: skipped";
    const Writer &w = GetParam();
    ASSERT_TRUE(putOldFile(disk, w));
    disk.fill();
    const QStringList before = disk.files();
    const QString told = w.write(disk.path(w.file));
    expectOldFileKept(disk, w, before);
    expectToldInItalian(w, told, QStringLiteral("disco pieno"));
}

TEST_P(FullDisk, ReadOnlyDiskKeepsTheOldFileAndSaysWhy)
{
    SmallDisk disk;
    if (!disk.mounted())
        GTEST_SKIP() << "a tmpfs can only be mounted as root: skipped";
    const Writer &w = GetParam();
    ASSERT_TRUE(putOldFile(disk, w));
    disk.makeReadOnly();
    const QStringList before = disk.files();
    const QString told = w.write(disk.path(w.file));
    expectOldFileKept(disk, w, before);
    expectToldInItalian(w, told, QStringLiteral("disco di sola lettura"));
}

INSTANTIATE_TEST_SUITE_P(Writers, FullDisk, testing::ValuesIn(kWriters), RowName());

// Words a user understands, not the system's English.
TEST(WholeFile, NamesSystemErrorsInItalian)
{
    EXPECT_EQ(WholeFile::reason(ENOSPC), QStringLiteral("disco pieno"));
    EXPECT_EQ(WholeFile::reason(EACCES), QStringLiteral("permesso negato"));
    EXPECT_EQ(WholeFile::reason(ENOENT), QStringLiteral("cartella inesistente"));
    QTemporaryDir dir;
    QString why;
    EXPECT_FALSE(WholeFile::write(dir.filePath(QStringLiteral("manca/file")), "x", &why));
    EXPECT_EQ(why, QStringLiteral("cartella inesistente"));
}

TEST(WholeFile, WritesThroughAUsersLinkButNeverThroughOneWhenRefused)
{
    QTemporaryDir dir;
    const QString target = dir.filePath(QStringLiteral("vero")), link = dir.filePath(QStringLiteral("link"));
    QFile f(target);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(kOld);
    f.close();
    ASSERT_TRUE(QFile::link(target, link));
    QString why;
    EXPECT_FALSE(WholeFile::write(link, "nuovo", &why, WholeFile::Links::Refuse));
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), kOld);
    f.close();
    EXPECT_TRUE(WholeFile::write(link, "nuovo", &why));
    EXPECT_TRUE(QFileInfo(link).isSymLink()) << "the user's link keeps pointing where it did";
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QByteArray("nuovo"));
}

TEST(Cli, RefusesAnOutputOverTheStudyItReads)
{
    QTemporaryDir dir;
    const QString study = dir.filePath(QStringLiteral("Vicania-dati-prova"));
    QFile::copy(QStringLiteral(VICANIA_EXAMPLE), study);
    QFile in(study);
    ASSERT_TRUE(in.open(QIODevice::ReadOnly));
    const QByteArray before = in.readAll();
    in.close();
    QProcess p;
    p.start(QStringLiteral(VICANIA_CLI), {QStringLiteral("esegui"), study, QStringLiteral("--csv"), study});
    p.waitForFinished(60000);
    EXPECT_EQ(p.exitCode(), 3);
    EXPECT_TRUE(
        QString::fromUtf8(p.readAllStandardError()).contains(QStringLiteral("è lo studio che si sta leggendo")));
    ASSERT_TRUE(in.open(QIODevice::ReadOnly));
    EXPECT_EQ(in.readAll(), before);
}

// A refused calculation leaves nothing to report: no document, exit 1.
TEST(Cli, WritesNoResultsDocumentAfterARefusedCalculation)
{
    QTemporaryDir dir;
    const QString study = dir.filePath(QStringLiteral("Vicania-dati-prova"));
    QFile f(study);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("\"2000\",\"10000\",\"1,5\",\"25\",\"14\",\"49\",\"5\",\"80\",\"0\",\"0\",\"\"\r\n"
            "\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\"\r\n");
    f.close();
    const QString document = dir.filePath(QStringLiteral("ris.docx"));
    QProcess p;
    p.start(QStringLiteral(VICANIA_CLI), {QStringLiteral("esegui"), study, QStringLiteral("--risultati"), document});
    p.waitForFinished(60000);
    EXPECT_EQ(p.exitCode(), 1);
    EXPECT_FALSE(QFile::exists(document));
    EXPECT_TRUE(QString::fromUtf8(p.readAllStandardError())
                    .contains(QStringLiteral("Il calcolo non ha dato un risultato: il file")));
}

} // namespace
