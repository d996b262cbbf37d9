// The study-file handlers of ProjectionModel: open, save, delete.
#include "ProjectionDocuments.h"
#include "ProjectionModel.h"
#include "ProjectionTexts.h"
#include "storage/StudyFile.h"
#include "storage/Windows1252.h"
#include "core/AppGlobals.h"
#include "core/BoundedRead.h"
#include "core/FileDialogs.h"
#include "docs/DocumentOutput.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

using Field = ProjectionModel::Field;

namespace {

// File order of line 1; the share sits between the fertility rate and the ages.
constexpr std::array<Field, 10> kLine1Fields = {
    Field::anno1,       Field::abitnoti, Field::tassofert, Field::iniziofert, Field::finefert,
    Field::mortinfanti, Field::aspvita,  Field::immigr,    Field::emigr,      Field::anno2};

} // namespace

ProjectionModel::OpenResult ProjectionModel::aprifile_Click()
{
    NotifyScope scope(*this);
    const FileDialogRequest request{FileDialogRequest::Kind::Open, ProjectionTexts::kOpenTitle,
                                    ProjectionTexts::kOpenFilter, 2, QString()};
    const auto path = m_dialogs.choose(request);
    if (!path)
        return OpenResult::Cancelled;
    // The user chose this file: a file that is no study deserves a word.
    const OpenResult result = apriStudio(*path);
    reportOpenFailure(result, *path);
    return result;
}

QString ProjectionModel::openFailure(OpenResult result, const QString &path)
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

bool ProjectionModel::apriDaFuori(const QString &path)
{
    NotifyScope scope(*this);
    // A double-click or a drop that does nothing needs a word too.
    const OpenResult result = apriStudio(path);
    reportOpenFailure(result, path);
    return result == OpenResult::Opened;
}

void ProjectionModel::reportOpenFailure(OpenResult result, const QString &path)
{
    if (result != OpenResult::Opened && result != OpenResult::Cancelled)
        m_messenger.show({openFailure(result, path), appGlobals().HelpTitle, Message::Icon::Critical});
}

ProjectionModel::OpenResult ProjectionModel::apriStudio(const QString &path)
{
    NotifyScope scope(*this);
    m_dialogFileName = path;
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
    emit archived();
    return OpenResult::Opened;
}

StudyRecord ProjectionModel::study() const
{
    StudyRecord record;
    record.inputs = {text(Field::anno1),      text(Field::abitnoti), text(Field::tassofert),   m_pdf,
                     text(Field::iniziofert), text(Field::finefert), text(Field::mortinfanti), text(Field::aspvita),
                     text(Field::immigr),     text(Field::emigr),    text(Field::anno2)};
    record.titlePage = m_titlePage.read();
    return record;
}

void ProjectionModel::applyStudy(const StudyRecord &study)
{
    NotifyScope scope(*this);
    const StudyRecord *record = &study;
    m_titlePage.write(record->titlePage);
    const auto &in = record->inputs;
    setText(Field::anno1, in[0]);
    setText(Field::abitnoti, in[1]);
    setText(Field::tassofert, in[2]);
    if (m_pdf != in[3]) {
        m_pdf = in[3];
        // A result computed with another share no longer holds.
        aggiornoPasso();
    }
    for (std::size_t i = 4; i < in.size(); ++i)
        setText(kLine1Fields[i - 1], in[i]);
    if (in[8].isEmpty())
        setText(Field::immigr, QStringLiteral("0"));
    if (in[9].isEmpty())
        setText(Field::emigr, QStringLiteral("0"));
    m_operations = 0;
}

ProjectionModel::SaveResult ProjectionModel::salvafile_Click()
{
    return scrivoArchivio();
}

ProjectionModel::SaveResult ProjectionModel::salvanome_Click()
{
    return scrivoArchivio();
}

// Names the first field the file format cannot hold, before any file is chosen.
bool ProjectionModel::refuseUnstorable(const QStringList &fields, const QStringList &captions)
{
    for (qsizetype i = 0; i < fields.size(); ++i) {
        if (StudyFile::canStore(fields[i]))
            continue;
        const QString text =
            fields[i].contains(u'"')
                ? QStringLiteral("Il dato \"%1\" contiene le virgolette (\"), che l'archivio non può "
                                 "conservare: sostituiscile, ad esempio con un apice ('), e salva di nuovo.")
                : QStringLiteral("Il dato \"%1\" contiene caratteri che l'archivio non può conservare (ad "
                                 "esempio simboli speciali o un ritorno a capo): sostituiscili e salva di "
                                 "nuovo.");
        showDataError(text.arg(captions[i]));
        return true;
    }
    return false;
}

ProjectionModel::SaveResult ProjectionModel::scrivoArchivio()
{
    NotifyScope scope(*this);
    const TitlePageData titlePage = m_titlePage.read();
    if (m_popolazione.isEmpty() || titlePage.ricerca.isEmpty()) {
        notify({ProjectionTexts::kSaveNeedsData, appGlobals().HelpTitle, Message::Icon::Critical});
        return SaveResult::Refused;
    }
    StudyRecord record = study();
    record.titlePage = titlePage;

    QStringList captions;
    captions << fieldCaption(Field::anno1) << fieldCaption(Field::abitnoti) << fieldCaption(Field::tassofert)
             << ProjectionTexts::fieldCaption(kFieldCount);
    for (std::size_t i = 4; i < record.inputs.size(); ++i)
        captions << fieldCaption(kLine1Fields[i - 1]);
    for (int i = 0; i < 9; ++i)
        captions << TitlePageData::fieldCaption(i);
    if (refuseUnstorable(QStringList(record.inputs.begin(), record.inputs.end()) + titlePage.fields(), captions))
        return SaveResult::Refused;

    const FileDialogRequest request{FileDialogRequest::Kind::Save, ProjectionTexts::kSaveTitle,
                                    ProjectionTexts::kSaveFilter, 1, m_dialogFileName};
    const auto path = m_dialogs.choose(request);
    if (!path)
        return SaveResult::Cancelled;
    m_dialogFileName = *path;

    // A device or a pipe under that name is no study to replace; a link
    // keeps pointing where it did, and the file it points to is written.
    const QFileInfo target(*path);
    if (target.exists() && !target.isFile()) {
        notify({ProjectionTexts::notARegularFile(QDir::toNativeSeparators(*path)), appGlobals().HelpTitle,
                Message::Icon::Critical});
        return SaveResult::Failed;
    }
    // Written aside and renamed at the end: a failed save leaves the old file
    // whole. Unbuffered, because a buffered QSaveFile can commit a short write.
    QSaveFile file(target.isSymLink() ? target.symLinkTarget() : *path);
    const QByteArray bytes = StudyFile::serialize(record).value_or(QByteArray());
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) || file.write(bytes) != bytes.size() ||
        !file.commit()) {
        notify({QStringLiteral("Non è stato possibile salvare lo studio nel file \"%1\" (%2). Il file "
                               "precedente, se c'era, è rimasto com'era.")
                    .arg(*path, file.errorString()),
                appGlobals().HelpTitle, Message::Icon::Critical});
        return SaveResult::Failed;
    }
    emit archived();
    return SaveResult::Saved;
}

void ProjectionModel::eliminare_click()
{
    NotifyScope scope(*this);
    const FileDialogRequest request{FileDialogRequest::Kind::Open, appGlobals().DeleteDialogTitle,
                                    ProjectionTexts::kDeleteFilter, 2, m_dialogFileName};
    const auto path = m_dialogs.choose(request);
    if (!path)
        return;
    m_dialogFileName = *path;
    QFile::remove(*path);
}

bool ProjectionModel::stampa_Click()
{
    NotifyScope scope(*this);
    if (!m_documents)
        return false;
    const QString before = m_passo;
    m_passo = QStringLiteral("Sto caricando WORD.");
    emit changed();
    const auto document = m_documents->create();
    ProjectionDocuments::results(*document, *this, m_titlePage.read().ricerca);
    if (!m_documents->deliver(*document, QStringLiteral("risultati"))) {
        m_passo = before;
        return false;
    }
    m_passo = QStringLiteral("Ho visualizzato i dati con WORD. Li puoi modificare, integrare e archiviare.");
    return true;
}

bool ProjectionModel::acquisizionedati_Click()
{
    NotifyScope scope(*this);
    if (!m_documents)
        return false;
    const QString before = m_passo;
    m_passo = QStringLiteral("Sto caricando WORD");
    emit changed();
    const auto document = m_documents->create();
    ProjectionDocuments::dataSheet(*document);
    if (!m_documents->deliver(*document, QStringLiteral("modello-acquisizione-dati"))) {
        m_passo = before;
        return false;
    }
    m_passo = QStringLiteral("Ho visualizzato il modello d'acquisizione dati con WORD");
    return true;
}
