// The common file dialog as the program drives it: title, Windows-style filter
// list ("description|pattern|..."), 1-based selected filter and the proposed name.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

struct FileDialogRequest {
    // Delete: an open dialog whose choice is to be removed.
    enum class Kind { Open, Save, Delete };

    Kind kind = Kind::Open;
    QString title;
    QString filter;
    int filterIndex = 1;
    QString fileName;
    // Where the dialog opens when the proposed name names no folder; empty:
    // wherever the system's dialog chooses.
    QString folder = {};
    // The caption of the accept button; empty: the dialog's own.
    QString acceptLabel = {};

    bool operator==(const FileDialogRequest &) const = default;
};

class FileDialogs {
public:
    virtual ~FileDialogs() = default;
    // The chosen path, or nothing when the user cancels.
    virtual std::optional<QString> choose(const FileDialogRequest &request) = 0;
    // An open dialog where several files can be chosen at once; where the
    // dialogs know only one, one.
    virtual std::optional<QStringList> chooseFiles(const FileDialogRequest &request)
    {
        if (auto one = choose(request))
            return QStringList{*one};
        return std::nullopt;
    }

    // Where the study dialogs open: the documents' folder until the user
    // picks a study elsewhere, then that folder, for the rest of the run.
    QString studyFolder() const { return m_studyFolder; }
    void setStudyFolder(const QString &folder) { m_studyFolder = folder; }

    // Where the dialogs for downloaded data open: empty (the system's
    // choice) until the user picks such a file, then its folder.
    QString dataFolder() const { return m_dataFolder; }
    void setDataFolder(const QString &folder) { m_dataFolder = folder; }

private:
    QString m_studyFolder;
    QString m_dataFolder;
};
