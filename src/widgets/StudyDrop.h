// A study file dropped on a main window opens as Apri would.
#pragma once

#include <QObject>

class QWidget;

class StudyDrop : public QObject {
    Q_OBJECT

public:
    // Makes window accept a dropped study; the filter belongs to it.
    static void install(QWidget *window);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    using QObject::QObject;
};
