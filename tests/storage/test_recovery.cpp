// The recovery copies: one per running program, never touched by another
// running program, offered back once their program is gone.
#include "app/RecoveryKeeper.h"
#include "core/WholeFile.h"
#include "storage/RecoveryCopy.h"
#include "support/Scripted.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <memory>
#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

QByteArray contents(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A copy as earlier versions wrote it: one name for every program, no lock,
// no bounds.
void earlierCopy(const QString &research, const QDateTime &written)
{
    // Migration is 0 when left empty, as the window writes it.
    const QJsonArray inputs{"2030", "", "", "", "", "", "", "", "0", "0", ""};
    QJsonArray title{research};
    while (title.size() < 9)
        title.append(QString());
    const QJsonObject o{
        {"file", QString()}, {"scritto", written.toString(Qt::ISODate)}, {"calcolo", inputs}, {"frontespizio", title}};
    const QString path = QDir(RecoveryCopy::folder()).filePath(QStringLiteral("studio-non-archiviato.json"));
    ASSERT_TRUE(WholeFile::write(path, QJsonDocument(o).toJson(), nullptr));
}

// A running program's windows with its keeper.
struct Instance {
    Instance() { keeper.watch(window.model); }
    void type(const QString &research)
    {
        window.type(Window::F::anno1, QStringLiteral("2030"));
        window.titlePage.write(TitlePageData::fromFields({research}));
        keeper.flush();
    }
    QStringList questions() const { return window.messenger.texts(); }
    Window window;
    RecoveryKeeper keeper{window.messenger};
};

class Recovery : public testing::Test {
protected:
    void SetUp() override
    {
        // Timers want an application.
        static int argc = 1;
        static char name[] = "test_recovery";
        static char *argv[] = {name, nullptr};
        static const QCoreApplication app(argc, argv);
        ASSERT_TRUE(dir.isValid());
        RecoveryCopy::setFolder(dir.path());
    }
    void TearDown() override { RecoveryCopy::setFolder(QString()); }
    QTemporaryDir dir;
};

TEST_F(Recovery, aSecondProgramLeavesTheFirstsCopyAloneUntilTheFirstIsGone)
{
    auto first = std::make_unique<Instance>();
    first->type(QStringLiteral("Prima"));
    const QString firstCopy = first->keeper.copyPath();
    const QByteArray written = contents(firstCopy);
    ASSERT_TRUE(written.contains("Prima"));
    {
        Instance second;
        EXPECT_FALSE(second.keeper.offer());
        EXPECT_TRUE(second.questions().isEmpty());
        second.type(QStringLiteral("Seconda"));
        EXPECT_NE(second.keeper.copyPath(), firstCopy);
        second.keeper.discard(); // a confirmed exit, as a save or an open
    }
    EXPECT_EQ(contents(firstCopy), written);
    // Killed: its lock stays behind, naming a process that is gone.
    QByteArray lock = contents(firstCopy + QStringLiteral(".lock"));
    first.reset();
    const pid_t child = ::fork();
    if (child == 0)
        ::_exit(0);
    ::waitpid(child, nullptr, 0);
    lock.replace(0, lock.indexOf('\n'), QByteArray::number(child));
    ASSERT_TRUE(WholeFile::write(firstCopy + QStringLiteral(".lock"), lock, nullptr));
    Instance third;
    third.window.messenger.answers.push_back(Message::Answer::Yes);
    EXPECT_TRUE(third.keeper.offer());
    EXPECT_EQ(third.window.titlePage.read().ricerca, QStringLiteral("Prima"));
    EXPECT_EQ(third.keeper.copyPath(), firstCopy); // now the third's own
}

TEST_F(Recovery, copiesLeftBehindAreOfferedOldestFirstOneQuestionEach)
{
    const QDateTime now = QDateTime::currentDateTime();
    earlierCopy(QStringLiteral("Vecchia"), now.addDays(-2));
    for (const auto &[research, days] : {std::pair{"Nuova", 0}, std::pair{"Media", -1}}) {
        StudyRecord study;
        study.titlePage.ricerca = QString::fromUtf8(research);
        ASSERT_TRUE(RecoveryCopy::Slot::create()->write({study, QString(), now.addDays(days)}));
    }
    Instance taker;
    taker.window.messenger.answers = {Message::Answer::No, Message::Answer::Yes};
    EXPECT_TRUE(taker.keeper.offer());
    const QStringList asked = taker.questions();
    ASSERT_EQ(asked.size(), 2);
    EXPECT_TRUE(asked[0].endsWith(QStringLiteral("(«Vecchia»). Vuoi riprenderlo?"))) << asked[0].toStdString();
    EXPECT_TRUE(asked[1].endsWith(QStringLiteral("(«Media»). Vuoi riprenderlo?"))) << asked[1].toStdString();
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("studio-non-archiviato.json"))));
    // The taken one is the taker's while it runs: another program sees only the newest.
    Instance other;
    EXPECT_FALSE(other.keeper.offer());
    ASSERT_EQ(other.questions().size(), 1);
    EXPECT_TRUE(other.questions()[0].endsWith(QStringLiteral("(«Nuova»). Vuoi riprenderlo?")));
}

TEST_F(Recovery, aLinkInTheCopysPlaceIsNeitherWrittenNorRemovedThrough)
{
    // The link points to a file that reads as a copy.
    earlierCopy(QStringLiteral("Altrui"), QDateTime::currentDateTime());
    const QString target = dir.filePath(QStringLiteral("altro.json"));
    ASSERT_TRUE(QFile::rename(dir.filePath(QStringLiteral("studio-non-archiviato.json")), target));
    const QByteArray theirs = contents(target);
    Instance app;
    app.type(QStringLiteral("Prima"));
    const QString place = app.keeper.copyPath();
    ASSERT_TRUE(QFile::remove(place));
    ASSERT_TRUE(QFile::link(target, place));
    app.type(QStringLiteral("Seconda"));
    EXPECT_NE(app.keeper.copyPath(), place); // moved to a name of its own
    EXPECT_TRUE(contents(app.keeper.copyPath()).contains("Seconda"));
    const QString moved = app.keeper.copyPath();
    ASSERT_TRUE(QFile::remove(moved));
    ASSERT_TRUE(QFile::link(target, moved));
    app.keeper.discard();
    EXPECT_TRUE(QFileInfo(place).isSymLink() && QFileInfo(moved).isSymLink());
    // Among the copies left behind, a link is neither offered nor removed.
    Instance next;
    EXPECT_FALSE(next.keeper.offer());
    EXPECT_TRUE(next.questions().isEmpty());
    EXPECT_EQ(contents(target), theirs);
}

TEST_F(Recovery, aFullDiskKeepsThePreviousCopyWhole)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "a full disk needs a small tmpfs, which only root can mount";
    const QString full = dir.filePath(QStringLiteral("pieno"));
    ASSERT_TRUE(QDir().mkpath(full));
    if (::mount("tmpfs", QFile::encodeName(full).constData(), "tmpfs", 0, "size=64k") != 0)
        GTEST_SKIP() << "no tmpfs could be mounted here: " << std::strerror(errno);
    struct Unmount {
        QByteArray path;
        ~Unmount() { ::umount2(path.constData(), MNT_DETACH); }
    } unmount{QFile::encodeName(full)};
    RecoveryCopy::setFolder(full);
    Instance app;
    app.type(QStringLiteral("Prima"));
    const QString copy = app.keeper.copyPath();
    const QByteArray before = contents(copy);
    ASSERT_FALSE(before.isEmpty());
    const int filler =
        ::open(QFile::encodeName(full + QStringLiteral("/riempitivo")).constData(), O_WRONLY | O_CREAT, 0600);
    const QByteArray block(4096, 'x');
    while (::write(filler, block.constData(), size_t(block.size())) > 0) {
    }
    ::close(filler);
    app.type(QStringLiteral("Seconda, più lunga della prima"));
    EXPECT_EQ(contents(copy), before);
    const QStringList left = QDir(full).entryList(QDir::Files | QDir::Hidden);
    EXPECT_EQ(left, QStringList({"riempitivo", QFileInfo(copy).fileName(), QFileInfo(copy).fileName() + ".lock"}));
}

TEST_F(Recovery, theQuestionLeavesOutAnEmptyResearchAndShortensALongOne)
{
    const QString start = QStringLiteral("È stato trovato uno studio non archiviato del 6 dicembre 2026, 10:30");
    const QString words = QStringLiteral("Roccaventosa ").repeated(70000);
    const std::pair<QString, QString> rows[] = {
        {QString(), start + ". Vuoi riprenderlo?"},
        {words, start + " («" + words.left(80) + "…»). Vuoi riprenderlo?"},
        // A word cannot wrap: cut shorter.
        {QString(900000, u'W'), start + " («" + QString(40, u'W') + "…»). Vuoi riprenderlo?"}};
    for (const auto &[research, question] : rows) {
        earlierCopy(research, QDateTime(QDate(2026, 12, 6), QTime(10, 30)));
        Instance app;
        app.window.messenger.answers.push_back(Message::Answer::Yes);
        QElapsedTimer clock;
        clock.start();
        EXPECT_TRUE(app.keeper.offer());
        EXPECT_LT(clock.elapsed(), 1000);
        EXPECT_EQ(app.questions(), QStringList{question});
        // Taken as much as a study file holds; the other fields whole.
        const StudyRecord taken = app.window.m().files().study();
        EXPECT_EQ(taken.inputs[0], QStringLiteral("2030"));
        EXPECT_LE(StudyFile::serialize(taken).value_or(QByteArray()).size(), StudyFile::kMaxBytes);
        app.keeper.discard();
    }
}

} // namespace
