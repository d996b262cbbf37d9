// "Importa dati ISTAT": the files, the municipality, the assumptions and the
// inputs they give, shown over an IstatImport, which holds every rule.
#pragma once

#include "IstatImport.h"

#include <QDialog>
#include <array>

class ProjectionModel;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTableWidget;

class IstatImportDialog : public QDialog {
    Q_OBJECT

public:
    explicit IstatImportDialog(IstatImport &import, QWidget *parent = nullptr);
    // Asks; "Usa questi dati" fills the window's fields and the title page's
    // place. False on Annulla, and nothing changes.
    static bool run(QWidget *parent, ProjectionModel &model);

private:
    QWidget *filesBox();
    QWidget *municipalityBox();
    QWidget *assumptionsBox();
    QWidget *previewBox();
    QWidget *buttonsRow();
    void wireFiles();
    void wireChoices();
    void keyboard();
    void showFiles();
    void showMunicipalities();
    void showPreview();
    void fillTable(const IstatDerivation &d);
    void chooseCurrent();

    IstatImport &m_import;
    QListWidget *m_balances = nullptr;
    QPushButton *m_addBalances = nullptr;
    QPushButton *m_removeBalance = nullptr;
    QLineEdit *m_agesFile = nullptr;
    QPushButton *m_chooseAges = nullptr;
    QPushButton *m_removeAges = nullptr;
    QLabel *m_fileMessage = nullptr;
    QLineEdit *m_search = nullptr;
    QListWidget *m_municipalities = nullptr;
    std::array<QLineEdit *, 3> m_assumptions{};
    QLabel *m_tableCaption = nullptr;
    QTableWidget *m_table = nullptr;
    QLabel *m_message = nullptr;
    QLabel *m_notes = nullptr;
    QPushButton *m_use = nullptr;
    QPushButton *m_cancel = nullptr;
};
