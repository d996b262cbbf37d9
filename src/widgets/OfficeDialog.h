// "Studio professionale...": the user's office, kept for the next runs.
#pragma once

#include <QDialog>

class QDialogButtonBox;
class QLabel;
class QLineEdit;
class WindowHost;

class OfficeDialog : public QDialog {
    Q_OBJECT

public:
    explicit OfficeDialog(QWidget *parent = nullptr);
    // Asks for the office and keeps it; the windows showing it follow.
    static void edit(QWidget *parent, WindowHost &host);
    // The same before a document that no office would sign: OK only with a
    // name; false on Annulla.
    static bool require(QWidget *parent, WindowHost &host);

    QLineEdit *nameField() const { return m_name; }
    QLineEdit *addressField() const { return m_address; }
    QDialogButtonBox *buttons() const { return m_buttons; }

private:
    void keep(WindowHost &host);

    QLabel *m_intro = nullptr;
    QLineEdit *m_name = nullptr;
    QLineEdit *m_address = nullptr;
    QDialogButtonBox *m_buttons = nullptr;
};
