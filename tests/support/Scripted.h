// Scripted stand-ins for the message boxes and file dialogs, and a model with
// the worked example's data.
#pragma once

#include "core/FileDialogs.h"
#include "core/Messenger.h"
#include "core/Modulo.h"
#include "study/Study.h"

#include <QList>
#include <deque>
#include <memory>

class ScriptedMessenger : public Messenger {
public:
    Message::Answer show(const Message &message) override;
    // Answers for the next questions; without one a question is answered No.
    std::deque<Message::Answer> answers;
    QList<Message> shown;
    QStringList texts() const;
};

class ScriptedDialogs : public FileDialogs {
public:
    std::optional<QString> choose(const FileDialogRequest &request) override;
    // Several files chosen at once from fileLists; once it is empty, one
    // file from choices, as a dialog of one file would.
    std::optional<QStringList> chooseFiles(const FileDialogRequest &request) override;
    std::deque<std::optional<QString>> choices;
    std::deque<std::optional<QStringList>> fileLists;
    QList<FileDialogRequest> requests;
};

// The worked example's inputs in window order: 2000, 10000, 1,5, 14, 49, 5,
// 80, the migration rates and the target year.
QStringList workedExample(const QString &anno2, const QString &immigr = QStringLiteral("3"),
                          const QString &emigr = QStringLiteral("1"));
// Writes texts into the model's fields in window order, as the program does.
void fillFields(ProjectionModel &model, const QStringList &texts);

// A study as the program builds it, with scripted dialogs and no window.
struct Window {
    Window();
    ScriptedMessenger messenger;
    ScriptedDialogs dialogs;
    Study study{messenger, dialogs, QDate(2026, 12, 6)};
    // The program's titles are set before the title page first loads.
    TitlePageModel &titlePage = (Modulo::InitDialogTitles(), study.titlePage());
    ProjectionModel *model = &study.projection();
    ProjectionModel &m() { return *model; }

    using F = ProjectionModel::Field;
    // Types a field as the user would.
    void type(F field, const QString &text) { model->setText(field, text); }
    // Fills every field; empty texts are left empty.
    void fill(const QString &anno1, const QString &abitnoti, const QString &tassofert, const QString &iniziofert,
              const QString &finefert, const QString &mortinfanti, const QString &aspvita, const QString &immigr,
              const QString &emigr, const QString &anno2);
    // The worked example: 2000, 10000, 1,5, 14, 49, 5, 80, migration, target.
    void example(const QString &anno2 = QStringLiteral("2001"), const QString &immigr = QStringLiteral("0"),
                 const QString &emigr = QStringLiteral("0"));
    int numop() const { return model->numop().toInt(); }
};
