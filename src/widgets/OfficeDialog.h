// "Studio professionale...": the user's office, kept for the next runs.
#pragma once

#include <QDialog>

class QLineEdit;
class WindowHost;

class OfficeDialog : public QDialog {
    Q_OBJECT

public:
    explicit OfficeDialog(QWidget *parent = nullptr);
    // Asks for the office and keeps it; the windows showing it follow.
    static void edit(QWidget *parent, WindowHost &host);

    QLineEdit *nameField() const { return m_name; }
    QLineEdit *addressField() const { return m_address; }

private:
    QLineEdit *m_name = nullptr;
    QLineEdit *m_address = nullptr;
};
