// The study file: format, open, save, delete, and what each changes.
#include "core/AppGlobals.h"
#include "storage/StudyFile.h"
#include "storage/Windows1252.h"
#include "support/Cases.h"
#include "support/Scripted.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

using F = ProjectionModel::Field;

namespace {

const QString kOpenFilter = QStringLiteral("File Vicania-dati- | Vicania-dati-*|Tutti i file (*.*) | *.*");

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeAll(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

// A computed study with a research name, ready to save.
void computed(Window &w, const QString &ricerca = QStringLiteral("Stima 2030"))
{
    w.fill(QStringLiteral("2000"), QStringLiteral("12500"), QStringLiteral("1,4"), QStringLiteral("14"),
           QStringLiteral("49"), QStringLiteral("8"), QStringLiteral("78"), QString(), QString(),
           QStringLiteral("2030"));
    w.m().calcola_Click();
    TitlePageData tp = w.titlePage.read();
    tp.ricerca = ricerca;
    w.titlePage.write(tp);
}

QStringList fieldsOf(Window &w)
{
    QStringList out;
    for (int i = 0; i < ProjectionInputs::kTypedCount; ++i)
        out << w.m().text(static_cast<F>(i));
    return out << w.m().text(ProjectionModel::Field::pdf);
}

} // namespace

TEST(Format, WritesQuotedFieldsInTheCodePageWithCrLf)
{
    QTemporaryDir dir;
    Window w;
    computed(w);
    const QString path = dir.filePath(QStringLiteral("Vicania-dati-roma"));
    w.dialogs.choices.push_back(path);
    EXPECT_EQ(w.m().files().salvafile_Click(), ProjectionModel::SaveResult::Saved);
    const QByteArray bytes = readAll(path);
    const QList<QByteArray> lines = bytes.split('\n');
    ASSERT_EQ(lines.size(), 3);
    // The calculation wrote "0" into the empty migration fields.
    EXPECT_EQ(lines[0], QByteArray(R"("2000","12500","1,4","25","14","49","8","78","0","0","2030")"
                                   "\r"));
    EXPECT_EQ(lines[1], QByteArray(R"("Stima 2030","","","","",")") +
                            *Windows1252::encode(QStringLiteral("domenica, 6 dic 2026")) +
                            QByteArray(R"(","","","")"
                                       "\r"));
    // Empty migration fields as typed give the 57-character line of the example.
    StudyRecord r;
    r.inputs = {"2000", "12500", "1,4", "25", "14", "49", "8", "78", "", "", "2030"};
    EXPECT_EQ(StudyFile::serialize(r)->indexOf("\r\n"), 57);
}

TEST(Format, ReadsFieldsAcrossLinesAndIgnoresWhatFollowsTheTwentieth)
{
    const QStringList split =
        StudyFile::splitFields(QStringLiteral("\"a, b\",\"\",c ,\"d\"x\r\n\r\n\"e\"\n\"f\"\r\"g\""));
    EXPECT_EQ(split, QStringList({"a, b", "", "c", "d", "e", "f", "g"}));

    QByteArray twentyOne;
    for (int i = 1; i <= 21; ++i)
        twentyOne += '"' + QByteArray::number(i) + (i == 10 ? "\"\r\n" : "\",");
    const auto record = StudyFile::parse(twentyOne);
    ASSERT_TRUE(record);
    // Line 1 held ten fields: the reader counts, so field 11 comes from line 2.
    EXPECT_EQ(record->inputs[10], QStringLiteral("11"));
    EXPECT_EQ(record->titlePage.labelindirizzo, QStringLiteral("20"));
    EXPECT_FALSE(StudyFile::parse(QByteArray(R"("1","2","3")")));
}

// Distinct values in every place of line 1: two inputs swapped in the file, or
// in a recovered study, would show.
TEST(Format, EveryInputKeepsItsPlaceInLineOne)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Vicania-dati-posti"));
    const QByteArray line1(R"("2001","9000","1,7","33","16","44","7","82","3","2","2040")");
    writeAll(path, line1 + "\r\n" + R"("R","","","","","","","","")" + "\r\n");
    Window w;
    ASSERT_EQ(w.m().files().apriStudio(path), ProjectionModel::OpenResult::Opened);
    const std::pair<F, const char *> expected[] = {{F::anno1, "2001"},    {F::abitnoti, "9000"}, {F::tassofert, "1,7"},
                                                   {F::pdf, "33"},        {F::iniziofert, "16"}, {F::finefert, "44"},
                                                   {F::mortinfanti, "7"}, {F::aspvita, "82"},    {F::immigr, "3"},
                                                   {F::emigr, "2"},       {F::anno2, "2040"}};
    for (const auto &[field, text] : expected)
        EXPECT_EQ(w.m().text(field), QString::fromLatin1(text)) << ProjectionInputs::name(field).toStdString();
    const StudyRecord study = w.m().files().study();
    EXPECT_EQ(StudyFile::serialize(study)->split('\r').front(), line1);
    Window recovered;
    recovered.m().files().applyStudy(study);
    EXPECT_EQ(recovered.m().files().study(), study);
}

TEST(Open, FillsBothWindowsAndZeroesEmptyMigration)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Vicania-dati-a"));
    const QString line2 = QStringLiteral(
        R"("Ricerca","Località","tipo","Comune","Luogo","lunedì, 7 dic 2026","foto","Studio Rossi","Via Roma, 1")");
    writeAll(path, QByteArray(R"("1990","5.000","1,45","30","15","45","6","81","","","2000")"
                              "\r\n") +
                       *Windows1252::encode(line2 + QStringLiteral("\r\n")));
    Window w;
    w.dialogs.choices.push_back(path);
    w.type(F::anno1, QStringLiteral("1234"));
    EXPECT_EQ(w.m().files().aprifile_Click(), ProjectionModel::OpenResult::Opened);
    const FileDialogRequest expected{FileDialogRequest::Kind::Open, QStringLiteral("Apri file"), kOpenFilter, 1,
                                     QString()};
    EXPECT_EQ(w.dialogs.requests.front(), expected);
    EXPECT_EQ(fieldsOf(w), QStringList({"1990", "5.000", "1,45", "15", "45", "6", "81", "0", "0", "2000", "30"}));
    EXPECT_EQ(w.m().fields().VScroll2(), 30); // the scroll bar follows the study's share
    EXPECT_EQ(w.m().numop(), QStringLiteral("0"));
    const TitlePageData tp = w.titlePage.read();
    EXPECT_EQ(tp.localita, QStringLiteral("Località"));
    EXPECT_EQ(tp.data, QStringLiteral("lunedì, 7 dic 2026"));
    EXPECT_EQ(tp.labelstudio, QStringLiteral("Studio Rossi"));
    EXPECT_EQ(tp.labelindirizzo, QStringLiteral("Via Roma, 1"));
    EXPECT_TRUE(w.messenger.shown.isEmpty());
    // "5.000" is read by its leading number: 5 inhabitants.
    w.m().calcola_Click();
    EXPECT_DOUBLE_EQ(w.m().table().inhabitants[1], 5);
}

namespace {

// What the open dialog gives back, made in a scratch folder.
struct Chosen {
    const char *name;
    std::optional<QString> (*choose)(const QTemporaryDir &dir);
    friend void PrintTo(const Chosen &row, std::ostream *os) { *os << row.name; }
};

const Chosen kNotOpened[] = {
    {"ShortFile",
     [](const QTemporaryDir &dir) -> std::optional<QString> {
         const QString path = dir.filePath(QStringLiteral("corto"));
         writeAll(path, QByteArray(R"("2000","10000","1,5","25","14","49","5","80","","","2003")"
                                   "\r\n\"solo\"\r\n"));
         return path;
     }},
    {"MissingFile",
     [](const QTemporaryDir &dir) -> std::optional<QString> { return dir.filePath(QStringLiteral("manca")); }},
    {"Cancelled", [](const QTemporaryDir &) -> std::optional<QString> { return std::nullopt; }},
};

class NotOpened : public testing::TestWithParam<Chosen> {};

} // namespace

TEST_P(NotOpened, ChangesNothingAndOnlyACancelIsSilent)
{
    QTemporaryDir dir;
    const std::optional<QString> choice = GetParam().choose(dir);
    Window w;
    w.example();
    const QStringList before = fieldsOf(w);
    const TitlePageData title = w.titlePage.read();
    w.dialogs.choices.push_back(choice);
    EXPECT_NE(w.m().files().aprifile_Click(), ProjectionModel::OpenResult::Opened);
    EXPECT_EQ(fieldsOf(w), before);
    EXPECT_EQ(w.titlePage.read(), title);
    // A file the user chose that is no study gets a notice naming it.
    if (choice) {
        ASSERT_EQ(w.messenger.shown.size(), 1);
        EXPECT_TRUE(w.messenger.shown[0].text.contains(QFileInfo(*choice).fileName()));
        EXPECT_EQ(w.messenger.shown[0].icon, Message::Icon::Critical);
    } else {
        EXPECT_TRUE(w.messenger.shown.isEmpty());
    }
}

INSTANTIATE_TEST_SUITE_P(Open, NotOpened, testing::ValuesIn(kNotOpened), RowName());

namespace {

// Something that is not a study file, made in a scratch folder.
struct NotAStudy {
    const char *name;
    QString (*make)(const QTemporaryDir &dir);
    ProjectionModel::OpenResult result;
    friend void PrintTo(const NotAStudy &row, std::ostream *os) { *os << row.name; }
};

const NotAStudy kNotRead[] = {
    {"Pipe",
     [](const QTemporaryDir &dir) {
         const QString fifo = dir.filePath(QStringLiteral("Vicania-dati-canale"));
         EXPECT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
         return fifo;
     },
     ProjectionModel::OpenResult::NotAFile},
    {"Device", [](const QTemporaryDir &) { return QStringLiteral("/dev/zero"); },
     ProjectionModel::OpenResult::NotAFile},
    {"Folder", [](const QTemporaryDir &dir) { return dir.path(); }, ProjectionModel::OpenResult::NotAFile},
    {"HugeFile",
     [](const QTemporaryDir &dir) {
         const QString huge = dir.filePath(QStringLiteral("Vicania-dati-enorme"));
         QFile f(huge);
         EXPECT_TRUE(f.open(QIODevice::WriteOnly));
         EXPECT_TRUE(f.resize(100 * 1024 * 1024)); // sparse: 100 MB that cost nothing
         return huge;
     },
     ProjectionModel::OpenResult::TooLarge},
};

class NotRead : public testing::TestWithParam<NotAStudy> {};

} // namespace

TEST_P(NotRead, IsRefusedWithoutReading)
{
    QTemporaryDir dir;
    const QString path = GetParam().make(dir);
    ASSERT_FALSE(HasFailure());
    Window w;
    w.example();
    const QStringList before = fieldsOf(w);
    EXPECT_EQ(w.m().files().apriStudio(path), GetParam().result);
    EXPECT_EQ(fieldsOf(w), before);
    EXPECT_FALSE(w.m().files().apriDaFuori(path));
    ASSERT_EQ(w.messenger.shown.size(), 1);
    EXPECT_TRUE(w.messenger.shown[0].text.contains(QDir::toNativeSeparators(path)));
}

INSTANTIATE_TEST_SUITE_P(Open, NotRead, testing::ValuesIn(kNotRead), RowName());

TEST(Open, ByteOrderMarksAreRead)
{
    const QString text = QStringLiteral(R"("2000","10000","1,5","25","14","49","5","80","","","2003")"
                                        "\r\n"
                                        R"("Città è","Borgo","","","","","","","")"
                                        "\r\n");
    QByteArray utf16le("\xFF\xFE"), utf16be("\xFE\xFF");
    for (QChar c : text) {
        utf16le.append(char(c.unicode() & 0xFF)).append(char(c.unicode() >> 8));
        utf16be.append(char(c.unicode() >> 8)).append(char(c.unicode() & 0xFF));
    }
    const struct {
        const char *name;
        QByteArray bytes;
    } rows[] = {{"UTF-8", QByteArray("\xEF\xBB\xBF") + text.toUtf8()}, {"UTF-16LE", utf16le}, {"UTF-16BE", utf16be}};
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        const auto record = StudyFile::parse(row.bytes);
        EXPECT_TRUE(record);
        if (!record)
            continue;
        EXPECT_EQ(record->inputs[0], QStringLiteral("2000"));
        EXPECT_EQ(record->titlePage.ricerca, QStringLiteral("Città è"));
    }
}

// Without a mark a study is UTF-8 when its bytes beyond ASCII are valid
// UTF-8 (a Windows-1252 text with accents almost never is), Windows-1252
// otherwise; saved again it is Windows-1252 as always.
TEST(Open, Utf8WithoutAMarkIsReadAndSavedAgainInTheCodePage)
{
    const QString research = QStringLiteral("Città perché € – “sì”");
    auto study = [](const QByteArray &ricerca) {
        return QByteArray(R"("2000","10000","1,5","25","14","49","5","80","0","0","2003")"
                          "\r\n\"") +
               ricerca +
               QByteArray(R"(","Borgo","","","","","","","")"
                          "\r\n");
    };
    const struct {
        const char *name;
        QByteArray bytes;
        QString read;
    } rows[] = {{"UTF-8", study(research.toUtf8()), research},
                {"Windows-1252", study(*Windows1252::encode(research)), research},
                {"Windows-1252 all ASCII", study("Citta perche"), QStringLiteral("Citta perche")},
                {"Windows-1252 with a stray UTF-8 lead", study("Citt\xC3 \xE8"), QStringLiteral("CittÃ è")}};
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        const auto record = StudyFile::parse(row.bytes);
        ASSERT_TRUE(record);
        EXPECT_EQ(record->titlePage.ricerca, row.read);
    }
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Vicania-dati-utf8"));
    writeAll(path, rows[0].bytes);
    Window w;
    w.dialogs.choices.push_back(path);
    ASSERT_EQ(w.m().files().aprifile_Click(), ProjectionModel::OpenResult::Opened);
    w.m().calcola_Click();
    w.dialogs.choices.push_back(path);
    ASSERT_EQ(w.m().files().salvanome_Click(), ProjectionModel::SaveResult::Saved);
    EXPECT_EQ(readAll(path), rows[1].bytes);
}

namespace {

// Whether the research name is there (and the result gone) or missing.
class SaveRefused : public testing::TestWithParam<bool> {};

} // namespace

TEST_P(SaveRefused, WithoutAResultOrAResearchName)
{
    const bool named = GetParam();
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Vicania-dati-x"));
    Window w;
    computed(w, named ? QStringLiteral("Ricerca") : QString());
    if (named)
        w.type(F::anno2, QStringLiteral("2031")); // the result is gone
    w.dialogs.choices.push_back(path);
    EXPECT_EQ(w.m().files().salvanome_Click(), ProjectionModel::SaveResult::Refused);
    ASSERT_EQ(w.messenger.shown.size(), 1);
    const Message expected{QStringLiteral("Inserisci tutti i dati, fai il calcolo e digita almeno il nome della "
                                          "'Ricerca' (nella finestra Frontespizio) e poi clicca su 'Calcola' per "
                                          "avere un controllo dei dati e poterli archiviare."),
                           appGlobals().HelpTitle, Message::Icon::Critical, Message::Buttons::Ok, Message::Answer::Ok};
    EXPECT_EQ(w.messenger.shown[0], expected);
    EXPECT_TRUE(w.dialogs.requests.isEmpty());
    EXPECT_FALSE(QFile::exists(path));
}

INSTANTIATE_TEST_SUITE_P(Save, SaveRefused, testing::Bool(), [](const testing::TestParamInfo<bool> &c) {
    return std::string(c.param ? "WithoutAResult" : "WithoutAResearchName");
});

TEST(Save, RoundTripOfAllTwentyFieldsThroughTheDialogName)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Vicania-dati-giro"));
    Window w;
    computed(w, QStringLiteral("Studio, con virgola"));
    TitlePageData tp = w.titlePage.read();
    tp.luogo = QString();
    tp.labelindirizzo = QStringLiteral("Via Roma, 1 – 00100 Roma €");
    w.titlePage.write(tp);
    w.dialogs.choices.push_back(path);
    ASSERT_EQ(w.m().files().salvafile_Click(), ProjectionModel::SaveResult::Saved);
    const FileDialogRequest expected{FileDialogRequest::Kind::Save, QStringLiteral("Salva file con nome"),
                                     QStringLiteral("File Vicania-dati- | Vicania-dati-*"), 1, QString()};
    EXPECT_EQ(w.dialogs.requests.back(), expected);

    Window again;
    again.dialogs.choices.push_back(path);
    ASSERT_EQ(again.m().files().aprifile_Click(), ProjectionModel::OpenResult::Opened);
    EXPECT_EQ(fieldsOf(again), fieldsOf(w));
    EXPECT_EQ(again.titlePage.read(), tp);

    // Saving right after opening offers the opened name and overwrites it.
    again.m().calcola_Click();
    again.dialogs.choices.push_back(path);
    EXPECT_EQ(again.m().files().salvanome_Click(), ProjectionModel::SaveResult::Saved);
    EXPECT_EQ(again.dialogs.requests.back().fileName, path);
    EXPECT_EQ(StudyFile::parse(readAll(path))->titlePage, tp);
}

TEST(Save, NeverReplacesAPipeAndWritesThroughALink)
{
    QTemporaryDir dir;
    const QString fifo = dir.filePath(QStringLiteral("Vicania-dati-canale"));
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    Window w;
    computed(w);
    w.dialogs.choices.push_back(fifo);
    EXPECT_EQ(w.m().files().salvanome_Click(), ProjectionModel::SaveResult::Failed);
    EXPECT_TRUE(QFileInfo(fifo).exists() && !QFileInfo(fifo).isFile());
    ASSERT_EQ(w.messenger.shown.size(), 1);
    EXPECT_TRUE(w.messenger.shown[0].text.contains(fifo));

    // A link to a study: the study is rewritten, the link stays a link.
    const QString real = dir.filePath(QStringLiteral("Vicania-dati-vero"));
    const QString link = dir.filePath(QStringLiteral("Vicania-dati-collegamento"));
    writeAll(real, "vecchio");
    ASSERT_TRUE(QFile::link(real, link));
    w.dialogs.choices.push_back(link);
    EXPECT_EQ(w.m().files().salvanome_Click(), ProjectionModel::SaveResult::Saved);
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_TRUE(StudyFile::parse(readAll(real)).has_value());
}

namespace {

struct Unstorable {
    const char *name;
    F field;
    const char *text;
    const char *caption;
    friend void PrintTo(const Unstorable &row, std::ostream *os) { *os << '"' << row.text << '"'; }
};

const Unstorable kUnstorableFields[] = {
    {"MedianAgeWithAQuote", F::aspvita, "78\"", "Età mediana di morte"},
    {"InfantMortalityPerMille", F::mortinfanti, "8 ‰", "Mortalità infantile su 1000"},
};

class UnstorableField : public testing::TestWithParam<Unstorable> {};

} // namespace

TEST_P(UnstorableField, IsRefusedBeforeAskingForAName)
{
    const Unstorable &row = GetParam();
    Window w;
    computed(w);
    w.type(row.field, QString::fromUtf8(row.text));
    w.m().calcola_Click();
    w.messenger.shown.clear();
    // Forced past the result check: the refusal must come from the field.
    if (w.m().popolazione().isEmpty())
        GTEST_SKIP() << "the calculation refused the text, so there is no result to save";
    w.m().files().salvafile_Click();
    ASSERT_EQ(w.messenger.shown.size(), 1);
    EXPECT_TRUE(w.messenger.shown[0].text.contains(QString::fromUtf8(row.caption)));
    EXPECT_TRUE(w.dialogs.requests.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Save, UnstorableField, testing::ValuesIn(kUnstorableFields), RowName());

namespace {

struct Research {
    const char *name;
    const char *text;
    friend void PrintTo(const Research &row, std::ostream *os) { *os << '"' << row.text << '"'; }
};

const Research kUnstorableNames[] = {
    {"Quotes", "Il \"borgo\""}, {"OutsideTheCodePage", "Ω studio"}, {"LineBreak", "a\nb"}};

class UnstorableResearchName : public testing::TestWithParam<Research> {};

} // namespace

TEST_P(UnstorableResearchName, IsRefusedBeforeAskingForAName)
{
    Window w;
    computed(w, QString::fromUtf8(GetParam().text));
    EXPECT_EQ(w.m().files().salvafile_Click(), ProjectionModel::SaveResult::Refused);
    ASSERT_EQ(w.messenger.shown.size(), 1);
    EXPECT_TRUE(w.messenger.shown[0].text.contains(QStringLiteral("\"ricerca\"")));
    EXPECT_EQ(w.messenger.shown[0].title, appGlobals().DataCheckTitle);
    EXPECT_TRUE(w.dialogs.requests.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Save, UnstorableResearchName, testing::ValuesIn(kUnstorableNames), RowName());

TEST(Save, AFailedWriteKeepsThePreviousFileWhole)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Vicania-dati-vecchio"));
    const QByteArray old = QByteArray(R"("1990","10","1","25","14","49","5","80","0","0","2000")"
                                      "\r\n\"vecchio\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\"\r\n");
    writeAll(path, old);
    Window w;
    computed(w, QStringLiteral("Una ricerca dal nome piuttosto lungo, per superare il limite"));
    w.dialogs.choices.push_back(path);

    // Files may not grow past 40 bytes while saving.
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    rlimit small = saved;
    small.rlim_cur = 40;
    setrlimit(RLIMIT_FSIZE, &small);
    const auto result = w.m().files().salvafile_Click();
    setrlimit(RLIMIT_FSIZE, &saved);

    EXPECT_EQ(result, ProjectionModel::SaveResult::Failed);
    EXPECT_EQ(readAll(path), old);
    ASSERT_EQ(w.messenger.shown.size(), 1);
    EXPECT_TRUE(w.messenger.shown[0].text.contains(path));
    EXPECT_EQ(w.messenger.shown[0].icon, Message::Icon::Critical);
}

TEST(Delete, AsksNamingTheFileAndOnlyYesRemovesIt)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Vicania-dati-via"));
    writeAll(path, "x");
    Window w;
    w.dialogs.choices.push_back(std::nullopt);
    w.m().files().eliminare_click();
    EXPECT_TRUE(w.messenger.shown.isEmpty());
    w.dialogs.choices.push_back(path);
    w.m().files().eliminare_click(); // answered No
    EXPECT_TRUE(QFile::exists(path));
    const Message question{
        QStringLiteral("Vuoi eliminare il file \"%1\"? Il file eliminato non si può recuperare.").arg(path),
        appGlobals().HelpTitle, Message::Icon::Question, Message::Buttons::YesNo, Message::Answer::No};
    ASSERT_EQ(w.messenger.shown.size(), 1);
    EXPECT_EQ(w.messenger.shown[0], question);
    const FileDialogRequest expected{FileDialogRequest::Kind::Delete,
                                     QStringLiteral("Elimina: seleziona il file desiderato e clicca su Apri per "
                                                    "cancellarlo"),
                                     QStringLiteral("File Vicania-dati- | Vicania-dati-*|Tutti i file (*.*)|*.*"),
                                     1,
                                     QString(),
                                     QString(),
                                     QStringLiteral("Elimina")};
    EXPECT_EQ(w.dialogs.requests[0], expected);
    // The common dialog remembers the last name for the next dialog.
    w.messenger.answers.push_back(Message::Answer::Yes);
    w.dialogs.choices.push_back(path);
    w.m().files().eliminare_click();
    EXPECT_EQ(w.dialogs.requests[2].fileName, path);
    EXPECT_FALSE(QFile::exists(path));
    // Gone before the answer (another program removed it): the failure is told.
    w.messenger.answers.push_back(Message::Answer::Yes);
    w.dialogs.choices.push_back(path);
    w.m().files().eliminare_click();
    ASSERT_EQ(w.messenger.shown.size(), 4);
    EXPECT_TRUE(w.messenger.shown[3].text.startsWith(
        QStringLiteral("Non è stato possibile eliminare il file \"%1\" (").arg(path)));
    EXPECT_EQ(w.messenger.shown[3].icon, Message::Icon::Critical);
}

namespace {

// A name typed in the save dialog, and the file it becomes.
struct Typed {
    const char *name;
    const char *typed;
    const char *saved;
    bool exists; // a file of that name is there already
    friend void PrintTo(const Typed &row, std::ostream *os) { *os << row.typed; }
};

const Typed kSaveNames[] = {
    {"BareName", "Montefalco", "Vicania-dati-Montefalco", false},
    {"AlreadyPrefixed", "Vicania-dati-Assisi", "Vicania-dati-Assisi", false},
    {"PrefixInSmallLetters", "vicania-dati-Todi", "vicania-dati-Todi", false},
    {"AnExistingFileChosenAsItIs", "Gubbio", "Gubbio", true},
};

class SaveName : public testing::TestWithParam<Typed> {};

} // namespace

TEST_P(SaveName, GetsThePrefixTheOpenDialogListsAndTheFolderIsRemembered)
{
    const Typed &row = GetParam();
    QTemporaryDir dir;
    const QString typed = dir.filePath(QString::fromUtf8(row.typed));
    if (row.exists)
        writeAll(typed, "vecchio");
    Window w;
    w.dialogs.setStudyFolder(QStringLiteral("/documenti/Vicania"));
    computed(w);
    w.dialogs.choices.push_back(typed);
    ASSERT_EQ(w.m().files().salvanome_Click(), ProjectionModel::SaveResult::Saved);
    const QString saved = dir.filePath(QString::fromUtf8(row.saved));
    EXPECT_TRUE(StudyFile::parse(readAll(saved)).has_value());
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList(QString::fromUtf8(row.saved)));
    EXPECT_EQ(w.m().passo(), QStringLiteral("Lo studio è stato salvato nel file \"%1\".").arg(saved));
    EXPECT_EQ(w.dialogs.requests[0].folder, QStringLiteral("/documenti/Vicania"));
    // The next dialogs open where the study went.
    w.m().files().aprifile_Click();
    EXPECT_EQ(w.dialogs.requests[1].folder, dir.path());
    EXPECT_TRUE(w.messenger.shown.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Save, SaveName, testing::ValuesIn(kSaveNames), RowName());

TEST(Save, AStudyThePrefixLeadsToIsReplacedOnlyOnYes)
{
    QTemporaryDir dir;
    const QString existing = dir.filePath(QStringLiteral("Vicania-dati-Spello"));
    writeAll(existing, "vecchio");
    Window w;
    computed(w);
    w.dialogs.choices.push_back(dir.filePath(QStringLiteral("Spello")));
    EXPECT_EQ(w.m().files().salvanome_Click(), ProjectionModel::SaveResult::Cancelled);
    EXPECT_EQ(readAll(existing), QByteArray("vecchio"));
    ASSERT_EQ(w.messenger.shown.size(), 1);
    EXPECT_EQ(
        w.messenger.shown[0].text,
        QStringLiteral("Il file \"%1\" esiste già. Vuoi sostituirlo con lo studio di questa finestra?").arg(existing));
    EXPECT_EQ(w.messenger.shown[0].defaultButton, Message::Answer::No);
    w.messenger.answers.push_back(Message::Answer::Yes);
    w.dialogs.choices.push_back(dir.filePath(QStringLiteral("Spello")));
    EXPECT_EQ(w.m().files().salvanome_Click(), ProjectionModel::SaveResult::Saved);
    EXPECT_TRUE(StudyFile::parse(readAll(existing)).has_value());
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("Spello"))));
}
