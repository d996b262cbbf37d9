// The about window and the customer-support window: fixed texts, no scaling;
// their OK button only hides them.
#pragma once

#include <QWidget>

class WindowHost;

class informaz : public QWidget {
    Q_OBJECT

public:
    explicit informaz(WindowHost &host);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    WindowHost &m_host;
};

// Its texts and contact data come from supportoclienti.ini in the program's
// folder, so an office that deploys the program can set its own.
class supportoclienti : public QWidget {
    Q_OBJECT

public:
    explicit supportoclienti(WindowHost &host);
    static QString value(const QString &key);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    WindowHost &m_host;
};
