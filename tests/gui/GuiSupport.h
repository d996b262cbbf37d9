// The program with scripted message boxes, file dialogs and a music recorder.
#pragma once

#include "app/DesktopDocuments.h"
#include "app/Program.h"
#include "core/Modulo.h"
#include "core/Music.h"
#include "support/Scripted.h"

#include <QAction>
#include <QLineEdit>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

class MusicRecorder : public Music {
public:
    void open(const QString &fileName) override { calls << QStringLiteral("open ") + fileName; }
    void play() override { calls << QStringLiteral("play"); }
    void pause() override { calls << QStringLiteral("pause"); }
    void close() override { calls << QStringLiteral("close"); }
    QStringList calls;
};

// A control by its name; a missing one ends the test at once.
template <typename T = QWidget> T *child(QWidget *w, const QString &name)
{
    T *c = w->findChild<T *>(name);
    if (!c)
        qFatal("missing control %s", qPrintable(name));
    return c;
}

// A command of a window (menu item or toolbar action) by its name; a missing
// one ends the test at once.
inline QAction *action(QWidget *w, const QString &name)
{
    return child<QAction>(w, name);
}
inline void trigger(QWidget *w, const QString &name)
{
    action(w, name)->trigger();
}

// Types into a field as the user would: the field entered (leaving the one
// before), its old text selected and replaced, or deleted.
inline void typeInto(QWidget *w, const QString &field, const QString &text)
{
    auto *edit = child<QLineEdit>(w, field);
    edit->setFocus();
    edit->selectAll();
    if (text.isEmpty())
        QTest::keyClick(edit, Qt::Key_Delete);
    else
        QTest::keyClicks(edit, text);
}

// Shows a window by name, as the program's windows ask for one; a name
// outside the set of windows shows nothing.
inline void showWindow(WindowHost &host, const QString &name)
{
    if (const auto id = WindowNames::find(name))
        host.showWindow(*id);
}

// Documents go to a temporary folder and are not opened.
struct App {
    ScriptedMessenger messenger;
    ScriptedDialogs dialogs;
    MusicRecorder music;
    QTemporaryDir folder;
    DesktopDocuments documents{messenger};
    Program program{messenger, dialogs, music, documents};
    App()
    {
        // The splash sets these first in the running program.
        Modulo::InitDialogTitles();
        program.setQuitWhenEmpty(false);
        documents.setFolder(folder.path());
        documents.setOpening(false);
    }
};
