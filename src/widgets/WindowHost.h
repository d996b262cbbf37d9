// What a window may ask of the program: the shared services and the other
// windows. The program is the one host; a window never sees the registry
// whole, so windows and the registry do not include each other.
#pragma once

#include "core/WindowNames.h"

class DocumentOutput;
class Messenger;
class Music;
class QString;
class QWidget;

class WindowHost {
public:
    virtual Messenger &messenger() = 0;
    virtual DocumentOutput &documents() = 0;
    virtual Music &music() = 0;

    // A window, loaded hidden if needed.
    virtual QWidget *window(WindowId id) = 0;
    // Loaded if needed, shown and brought forward.
    virtual void showWindow(WindowId id) = 0;
    // It goes; the next use builds it afresh.
    virtual void unload(WindowId id) = 0;
    // A window closed with its title-bar button goes (the two main windows
    // only hide, keeping their data, and never call it).
    virtual void forget(QWidget *window) = 0;
    // Asks, and on Yes leaves to the splash.
    virtual void confirmExit() = 0;
    virtual void leaveToSplash() = 0;
    // A study from outside the program (a drop): opened as Apri would.
    virtual void openStudy(const QString &path) = 0;
    // The program-wide office changed; the windows showing it follow.
    virtual void officeChanged(const QString &oldName, const QString &oldAddress) = 0;
    // The guide page to print, as its window shows it.
    virtual void printGuidePage(const QString &title, const QString &text) = 0;

protected:
    ~WindowHost() = default;
};
