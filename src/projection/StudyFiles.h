// The study-file commands of the projection window: Apri, Salva, Salva con
// nome, Elimina, and the study both windows hold. It reaches the window only
// through ProjectionModel's public functions and computes nothing.
#pragma once

#include "storage/StudyFile.h"

#include <QString>
#include <QStringList>

class FileDialogs;
class Messenger;
class ProjectionModel;
class TitlePageLink;

class StudyFiles {
public:
    enum class OpenResult { Opened, Cancelled, Unreadable, TooFewFields, NotAFile, TooLarge };
    enum class SaveResult { Saved, Refused, Cancelled, Failed };

    StudyFiles(ProjectionModel &model, Messenger &messenger, FileDialogs &dialogs, TitlePageLink &titlePage);

    OpenResult aprifile_Click();
    OpenResult apriStudio(const QString &path);
    bool apriDaFuori(const QString &path);
    static QString openFailure(OpenResult result, const QString &path);

    StudyRecord study() const;
    void applyStudy(const StudyRecord &study);

    SaveResult salvafile_Click() { return scrivoArchivio(); }
    SaveResult salvanome_Click() { return scrivoArchivio(); }
    SaveResult scrivoArchivio();
    void eliminare_click();

    // The file the dialogs last named, offered again by the next one.
    QString fileName() const { return m_fileName; }

private:
    void reportOpenFailure(OpenResult result, const QString &path);
    bool refuseWithoutData(const TitlePageData &titlePage);
    bool refuseUnstorable(const StudyRecord &record);
    bool refuseNotAFile(const QString &path);
    bool write(const QString &path, const StudyRecord &record);

    ProjectionModel &m_model;
    Messenger &m_messenger;
    FileDialogs &m_dialogs;
    TitlePageLink &m_titlePage;
    QString m_fileName;
};
