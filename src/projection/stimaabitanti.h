// The projection window: the controls of the model at their designed places,
// built from two tables (its controls and its commands), the model's
// handlers behind them, one repaint after each change. Every rule is in the
// model; the window only shows it.
#pragma once

#include "ProjectionModel.h"
#include "widgets/CommandTable.h"

#include <QMainWindow>
#include <array>

class OutputRunner;
class WindowHost;
class clsResize;
class QLabel;
class QLineEdit;
class QProgressBar;
class QScrollBar;
class ResultsGrid;

class stimaabitanti : public QMainWindow {
    Q_OBJECT

public:
    stimaabitanti(WindowHost &host, ProjectionModel &model, OutputRunner &outputs, QWidget *parent = nullptr);

    ProjectionModel &model() { return m_model; }
    QWidget *client() const { return m_client; }
    clsResize *resizer() const { return m_resize; }
    const CommandTable &commands() const { return m_commands; }
    ResultsGrid *grid() const { return m_grid; }

    // Toolbar positions 1 to 16; separators at 5, 8 and 13.
    void Toolbar1_ButtonClick(int position);
    void aiuto_Click();
    void esci_Click();
    void riequilibra_Click();

    static QString helpText();

    // A command of the window as static data: the window binds it to itself.
    struct CommandRow {
        Command::Kind kind;
        const char *name = "";
        const char *menu = "";
        const char *caption = "";
        const char *toolTip = "";
        int toolbar = 0;
        void (*run)(stimaabitanti &) = nullptr;
        bool (*enabled)(const ProjectionModel &) = nullptr; // none: always enabled
        Controls::Place place{};
        QKeyCombination keys{};
    };

private:
    // The menu bar's rows and the buttons' (the help menu goes between them).
    static const CommandRow kMenuRows[];
    static const CommandRow kButtonRows[];
    std::vector<Command> commandRows();
    void Form_Load();
    void findControls();
    void wireControls();
    void buildGrid();
    void update_display();
    void refreshGrid();

    WindowHost &m_host;
    ProjectionModel &m_model;
    OutputRunner &m_outputs;
    CommandTable m_commands;
    QWidget *m_client = nullptr;
    clsResize *m_resize = nullptr;
    std::array<QLineEdit *, ProjectionInputs::kTypedCount> m_fields{};
    QLabel *m_pdf = nullptr;
    QScrollBar *m_vscroll2 = nullptr;
    QLabel *m_passo = nullptr;
    QLabel *m_popolazione = nullptr;
    QLabel *m_numop = nullptr;
    QProgressBar *m_progress = nullptr;
    QScrollBar *m_vscroll1 = nullptr;
    ResultsGrid *m_grid = nullptr;
    bool m_refreshing = false;
};
