// The projection window: the controls of the model at their designed places,
// the model's handlers behind them, one repaint after each change.
#pragma once

#include "ProjectionModel.h"

#include <QMainWindow>
#include <array>

class Program;
class clsResize;
class QAction;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QScrollBar;
class QToolBar;

class stimaabitanti : public QMainWindow {
    Q_OBJECT

public:
    explicit stimaabitanti(Program &program, QWidget *parent = nullptr);

    ProjectionModel &model() { return m_model; }
    QWidget *client() const { return m_client; }
    clsResize *resizer() const { return m_resize; }

    // Toolbar positions 1 to 16; separators at 5, 8 and 13.
    void Toolbar1_ButtonClick(int position);
    void aiuto_Click();
    void esci_Click();
    void riequilibra_Click();

    static QString helpText();

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void Form_Load();
    void buildInputs();
    void buildGrid();
    void buildButtons();
    void buildMenus();
    void buildToolbar();
    QPushButton *button(const QString &name, const QString &caption, const QString &tooltip,
                        std::array<int, 4> geometry, void (stimaabitanti::*handler)());
    void update_display();
    void refreshGrid();

    Program &m_program;
    ProjectionModel m_model;
    QWidget *m_client = nullptr;
    clsResize *m_resize = nullptr;
    QToolBar *m_toolbar = nullptr;
    std::array<QLineEdit *, ProjectionModel::kFieldCount> m_fields{};
    QLabel *m_pdf = nullptr;
    QScrollBar *m_vscroll2 = nullptr;
    QLabel *m_passo = nullptr;
    QLabel *m_popolazione = nullptr;
    QLabel *m_numop = nullptr;
    QProgressBar *m_progress = nullptr;
    QPushButton *m_calcola = nullptr;
    QPushButton *m_verifica = nullptr;
    QPushButton *m_riequilibra = nullptr;
    QPushButton *m_frontespiz = nullptr;
    QPushButton *m_stampa = nullptr;
    QScrollBar *m_vscroll1 = nullptr;
    std::array<std::array<QLabel *, 10>, kGridColumnCount> m_cells{};
    bool m_refreshing = false;
};
