// A study file dropped on a main window opens as Apri would.
#pragma once

#include <QObject>

class QWidget;
class WindowHost;

class StudyDrop : public QObject {
    Q_OBJECT

public:
    // Makes window accept a dropped study; the filter belongs to it.
    static void install(QWidget *window, WindowHost &host);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    StudyDrop(QObject *parent, WindowHost &host) : QObject(parent), m_host(host) {}
    WindowHost &m_host;
};
