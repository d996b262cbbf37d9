// The about window and the customer-support window: fixed texts, no scaling;
// their OK button only hides them.
#pragma once

#include <QWidget>

class Program;

class informaz : public QWidget {
    Q_OBJECT

public:
    explicit informaz(Program &program);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    Program &m_program;
};

// Its texts and contact data come from supportoclienti.ini in the program's
// folder, so an office that deploys the program can set its own.
class supportoclienti : public QWidget {
    Q_OBJECT

public:
    explicit supportoclienti(Program &program);
    static QString value(const QString &key);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    Program &m_program;
};
