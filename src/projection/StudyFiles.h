// The study-file commands of the projection window: Apri, Salva, Salva con
// nome, Elimina, and the study both windows hold. It reaches the window only
// through StudyFiles::Window, so it knows nothing of the model behind it, and
// it computes nothing.
#pragma once

#include "core/Messenger.h"
#include "estimate/ProjectionInputs.h"
#include "storage/StudyFile.h"

#include <QString>
#include <QStringList>
#include <optional>
#include <utility>
#include <vector>

class FileDialogs;
struct FileDialogRequest;
class TitlePageLink;

class StudyFiles {
public:
    enum class OpenResult { Opened, Cancelled, Unreadable, TooFewFields, NotAFile, TooLarge };
    enum class SaveResult { Saved, Refused, Cancelled, Failed };

    // What the commands need of the window they serve: its fields, its
    // messages, word that its study is now a file's, and one repaint for all
    // a command writes (beginChanges ... endChanges, nested as handlers are).
    class Window {
    public:
        virtual QString fieldText(ProjectionInput field) const = 0;
        virtual void writeField(ProjectionInput field, const QString &text) = 0;
        virtual QString resultText() const = 0;
        virtual void restartOperationCount() = 0;
        virtual void tell(const Message &message) = 0;
        virtual Message::Answer ask(const Message &question) = 0;
        virtual void tellDataError(const QString &text) = 0;
        virtual void studyArchived() = 0;
        // Saved: the window says where.
        virtual void tellSaved(const QString &path) = 0;
        // The results of the study shown before go.
        virtual void clearResults() = 0;
        virtual void beginChanges() = 0;
        virtual void endChanges() = 0;

    protected:
        ~Window() = default;
    };

    StudyFiles(Window &window, Messenger &messenger, FileDialogs &dialogs, TitlePageLink &titlePage);

    OpenResult aprifile_Click();
    OpenResult apriStudio(const QString &path);
    bool apriDaFuori(const QString &path);
    static QString openFailure(OpenResult result, const QString &path);

    StudyRecord study() const;
    void applyStudy(const StudyRecord &study);
    // Data imported: each value into its field as a study would write it
    // (the change handling runs), the place onto the title page, the source
    // kept with the study; the other fields stay as they are.
    void applyImport(const std::vector<std::pair<ProjectionInput, QString>> &values, const QString &place,
                     const QStringList &sourceLine);
    // The study's optional lines (its source, say), kept with it until
    // another study replaces it; an empty line removes one.
    const QStringList *line(const QString &keyword) const { return m_lines.line(keyword); }
    void setLine(const QString &keyword, const QStringList &fields) { m_lines.setLine(keyword, fields); }

    SaveResult salvafile_Click() { return scrivoArchivio(); }
    SaveResult salvanome_Click() { return scrivoArchivio(); }
    SaveResult scrivoArchivio();
    void eliminare_click();

    // The name as saved: with the study prefix unless it has it already.
    static QString withStudyPrefix(const QString &path);

    // The file the dialogs last named, offered again by the next one.
    QString fileName() const { return m_fileName; }

private:
    void reportOpenFailure(OpenResult result, const QString &path);
    bool refuseWithoutData(const TitlePageData &titlePage);
    bool refuseUnstorable(const StudyRecord &record);
    bool refuseNotAFile(const QString &path);
    std::optional<QString> choose(FileDialogRequest request);
    std::optional<QString> chooseSaveName();
    bool askYesNo(const QString &question);
    bool write(const QString &path, const StudyRecord &record);

    Window &m_window;
    Messenger &m_messenger;
    FileDialogs &m_dialogs;
    TitlePageLink &m_titlePage;
    QString m_fileName;
    StudyRecord m_lines; // only its lines
};
