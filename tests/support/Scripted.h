// Scripted stand-ins for the message boxes and file dialogs, and a model with
// the worked example's data.
#pragma once

#include "core/FileDialogs.h"
#include "core/Messenger.h"
#include "projection/ProjectionModel.h"
#include "storage/TitlePageData.h"

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
    std::deque<std::optional<QString>> choices;
    QList<FileDialogRequest> requests;
};

// A projection window with scripted dialogs and a title page without window.
struct Window {
    Window();
    ScriptedMessenger messenger;
    ScriptedDialogs dialogs;
    TitlePageHolder titlePage;
    std::unique_ptr<ProjectionModel> model;
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
