#include "StudyFiles.h"

#include "ProjectionTexts.h"
#include "core/AppGlobals.h"
#include "core/BoundedRead.h"
#include "core/FileDialogs.h"
#include "core/Messenger.h"
#include "core/WholeFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <array>

using Field = ProjectionInput;

namespace {

// One repaint of the window for all a command writes, however it returns.
class Changes {
public:
    explicit Changes(StudyFiles::Window &window) : m_window(window) { m_window.beginChanges(); }
    ~Changes() { m_window.endChanges(); }
    Changes(const Changes &) = delete;
    Changes &operator=(const Changes &) = delete;

private:
    StudyFiles::Window &m_window;
};

static_assert(std::tuple_size_v<decltype(StudyRecord::inputs)> == ProjectionInputs::kCount);

// The captions of line 1 and line 2, in file order.
QStringList fileCaptions()
{
    QStringList captions;
    for (const Field field : ProjectionInputs::inFileOrder())
        captions << ProjectionInputs::caption(field);
    for (int i = 0; i < 9; ++i)
        captions << TitlePageData::fieldCaption(i);
    return captions;
}

} // namespace

StudyFiles::StudyFiles(Window &window, Messenger &messenger, FileDialogs &dialogs, TitlePageLink &titlePage)
    : m_window(window), m_messenger(messenger), m_dialogs(dialogs), m_titlePage(titlePage)
{
}

// ---- Apri ----

StudyFiles::OpenResult StudyFiles::aprifile_Click()
{
    const Changes changes(m_window);
    const auto path = choose(
        {FileDialogRequest::Kind::Open, ProjectionTexts::kOpenTitle, ProjectionTexts::kOpenFilter, 1, QString()});
    if (!path)
        return OpenResult::Cancelled;
    // The user chose this file: a file that is no study deserves a word.
    const OpenResult result = apriStudio(*path);
    reportOpenFailure(result, *path);
    return result;
}

QString StudyFiles::openFailure(OpenResult result, const QString &path)
{
    const QString name = QDir::toNativeSeparators(path);
    switch (result) {
    case OpenResult::TooFewFields:
        return ProjectionTexts::notAStudy(name);
    case OpenResult::NotAFile:
        return ProjectionTexts::notARegularFile(name);
    case OpenResult::TooLarge:
        return ProjectionTexts::tooLargeForAStudy(name);
    default:
        return ProjectionTexts::unreadableStudy(name);
    }
}

bool StudyFiles::apriDaFuori(const QString &path)
{
    const Changes changes(m_window);
    // A double-click or a drop that does nothing needs a word too.
    const OpenResult result = apriStudio(path);
    reportOpenFailure(result, path);
    return result == OpenResult::Opened;
}

void StudyFiles::reportOpenFailure(OpenResult result, const QString &path)
{
    if (result != OpenResult::Opened && result != OpenResult::Cancelled)
        m_messenger.show({openFailure(result, path), appGlobals().HelpTitle, Message::Icon::Critical});
}

StudyFiles::OpenResult StudyFiles::apriStudio(const QString &path)
{
    const Changes changes(m_window);
    m_fileName = path;
    const BoundedRead::Result read = BoundedRead::file(path, StudyFile::kMaxBytes);
    switch (read.status) {
    case BoundedRead::Status::NotAFile:
        return OpenResult::NotAFile;
    case BoundedRead::Status::TooLarge:
        return OpenResult::TooLarge;
    case BoundedRead::Status::Unreadable:
        return OpenResult::Unreadable;
    case BoundedRead::Status::Read:
        break;
    }
    const auto record = StudyFile::parse(read.bytes);
    if (!record)
        return OpenResult::TooFewFields;
    applyStudy(*record);
    m_window.studyArchived();
    return OpenResult::Opened;
}

// ---- the study of both windows ----

StudyRecord StudyFiles::study() const
{
    StudyRecord record;
    for (const ProjectionInputs::Row &row : ProjectionInputs::rows())
        record.inputs[std::size_t(row.filePosition)] = m_window.fieldText(row.input);
    record.titlePage = m_titlePage.read();
    record.lines = m_lines.lines;
    return record;
}

void StudyFiles::applyStudy(const StudyRecord &study)
{
    const Changes changes(m_window);
    m_window.clearResults();
    m_lines.lines = study.lines;
    m_titlePage.write(study.titlePage);
    // In file order, as the file is read; migration left blank is none.
    for (std::size_t i = 0; i < study.inputs.size(); ++i)
        m_window.writeField(ProjectionInputs::inFileOrder()[i], study.inputs[i]);
    for (const Field migration : {Field::immigr, Field::emigr}) {
        if (study.inputs[std::size_t(ProjectionInputs::row(migration).filePosition)].isEmpty())
            m_window.writeField(migration, QStringLiteral("0"));
    }
    m_window.restartOperationCount();
}

void StudyFiles::applyImport(const std::vector<std::pair<ProjectionInput, QString>> &values, const QString &place,
                             const QStringList &sourceLine)
{
    const Changes changes(m_window);
    TitlePageData titlePage = m_titlePage.read();
    titlePage.localita = place;
    m_titlePage.write(titlePage);
    // In file order, as a study is read: the fertile ages before the median age checked against them.
    for (const ProjectionInput input : ProjectionInputs::inFileOrder()) {
        const auto it = std::find_if(values.begin(), values.end(), [input](const auto &v) { return v.first == input; });
        if (it != values.end())
            m_window.writeField(input, it->second);
    }
    if (!sourceLine.isEmpty())
        m_lines.setLine(sourceLine.front(), sourceLine);
}

// ---- Salva, Salva con nome ----

StudyFiles::SaveResult StudyFiles::scrivoArchivio()
{
    const Changes changes(m_window);
    const TitlePageData titlePage = m_titlePage.read();
    if (refuseWithoutData(titlePage))
        return SaveResult::Refused;
    StudyRecord record = study();
    record.titlePage = titlePage;
    if (refuseUnstorable(record))
        return SaveResult::Refused;
    const auto path = chooseSaveName();
    if (!path)
        return SaveResult::Cancelled;
    m_fileName = *path;
    if (refuseNotAFile(*path) || !write(*path, record))
        return SaveResult::Failed;
    m_window.studyArchived();
    m_window.tellSaved(QDir::toNativeSeparators(QFileInfo(*path).absoluteFilePath()));
    return SaveResult::Saved;
}

// A study dialog opens in the study folder; the folder of the file chosen is
// where the next one opens.
std::optional<QString> StudyFiles::choose(FileDialogRequest request)
{
    request.folder = m_dialogs.studyFolder();
    auto path = m_dialogs.choose(request);
    if (path)
        m_dialogs.setStudyFolder(QFileInfo(*path).absolutePath());
    return path;
}

// The name typed gets the prefix the open dialog lists; a study the prefix
// leads to, which the dialog did not ask about, is replaced only on Yes.
std::optional<QString> StudyFiles::chooseSaveName()
{
    const auto chosen = choose(
        {FileDialogRequest::Kind::Save, ProjectionTexts::kSaveTitle, ProjectionTexts::kSaveFilter, 1, m_fileName});
    if (!chosen)
        return std::nullopt;
    const QString path = withStudyPrefix(*chosen);
    if (path != *chosen && QFileInfo::exists(path) &&
        !askYesNo(ProjectionTexts::replaceStudy(QDir::toNativeSeparators(path))))
        return std::nullopt;
    return path;
}

QString StudyFiles::withStudyPrefix(const QString &path)
{
    const QFileInfo file(path);
    // A file chosen as it is (the dialog asked before replacing it) keeps its name.
    if (file.fileName().startsWith(ProjectionTexts::kStudyPrefix, Qt::CaseInsensitive) || file.exists() ||
        file.isSymLink())
        return path;
    return file.dir().filePath(ProjectionTexts::kStudyPrefix + file.fileName());
}

bool StudyFiles::askYesNo(const QString &question)
{
    return m_window.ask({question, appGlobals().HelpTitle, Message::Icon::Question, Message::Buttons::YesNo,
                         Message::Answer::No}) == Message::Answer::Yes;
}

// A study is kept only with its result and the name of its research.
bool StudyFiles::refuseWithoutData(const TitlePageData &titlePage)
{
    if (!m_window.resultText().isEmpty() && !titlePage.ricerca.isEmpty())
        return false;
    m_window.tell({ProjectionTexts::kSaveNeedsData, appGlobals().HelpTitle, Message::Icon::Critical});
    return true;
}

// Names the first field the file format cannot hold, before any file is chosen.
bool StudyFiles::refuseUnstorable(const StudyRecord &record)
{
    const QStringList fields = QStringList(record.inputs.begin(), record.inputs.end()) + record.titlePage.fields();
    const QStringList captions = fileCaptions();
    for (qsizetype i = 0; i < fields.size(); ++i) {
        if (StudyFile::canStore(fields[i]))
            continue;
        m_window.tellDataError(fields[i].contains(u'"') ? ProjectionTexts::unstorableQuotes(captions[i])
                                                        : ProjectionTexts::unstorableCharacters(captions[i]));
        return true;
    }
    return false;
}

// A device or a pipe under that name is no study to replace.
bool StudyFiles::refuseNotAFile(const QString &path)
{
    const QFileInfo target(path);
    if (!target.exists() || target.isFile())
        return false;
    m_window.tell({ProjectionTexts::notARegularFile(QDir::toNativeSeparators(path)), appGlobals().HelpTitle,
                   Message::Icon::Critical});
    return true;
}

// Written whole or not at all: a failed save leaves the old file as it was.
// A link keeps pointing where it did, and the file it points to is written.
bool StudyFiles::write(const QString &path, const StudyRecord &record)
{
    const auto bytes = StudyFile::serialize(record);
    QString why = QStringLiteral("dati che il file non può contenere");
    if (bytes && WholeFile::write(path, *bytes, &why))
        return true;
    m_window.tell({ProjectionTexts::saveFailed(path, why), appGlobals().HelpTitle, Message::Icon::Critical});
    return false;
}

// ---- Elimina ----

void StudyFiles::eliminare_click()
{
    const Changes changes(m_window);
    const auto path =
        choose({FileDialogRequest::Kind::Delete, appGlobals().DeleteDialogTitle, ProjectionTexts::kDeleteFilter, 1,
                m_fileName, QString(), ProjectionTexts::kDeleteButton});
    if (!path)
        return;
    m_fileName = *path;
    const QString name = QDir::toNativeSeparators(*path);
    if (!askYesNo(ProjectionTexts::deleteQuestion(name)))
        return;
    QFile file(*path);
    if (!file.remove())
        m_window.tell(
            {ProjectionTexts::deleteFailed(name, file.errorString()), appGlobals().HelpTitle, Message::Icon::Critical});
}
