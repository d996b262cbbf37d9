// The title-page window: the study's data for the report at their designed
// places, built from two tables (its controls and its commands), driven by
// TitlePageModel; the file commands go to the projection's model.
#pragma once

#include "TitlePageModel.h"
#include "widgets/CommandTable.h"

#include <QMainWindow>
#include <array>

class OutputRunner;
class WindowHost;
class clsResize;
class QLabel;
class QLineEdit;

class frontespizio : public QMainWindow {
    Q_OBJECT

public:
    frontespizio(WindowHost &host, TitlePageModel &model, OutputRunner &outputs, QWidget *parent = nullptr);

    TitlePageModel &model() { return m_model; }
    QWidget *client() const { return m_client; }
    const CommandTable &commands() const { return m_commands; }

    void Toolbar1_ButtonClick(int position);
    void aiuto_Click();
    void Command1_Click();
    static QString helpText();

private:
    std::vector<Command> commandRows();
    std::vector<Command> menuRows();
    std::vector<Command> editRows();
    std::vector<Command> buttonRows();
    void Form_Load();
    void findControls();
    void chainTabOrder();
    void update_display();

    WindowHost &m_host;
    TitlePageModel &m_model;
    OutputRunner &m_outputs;
    CommandTable m_commands;
    QWidget *m_client = nullptr;
    clsResize *m_resize = nullptr;
    std::array<QLineEdit *, TitlePageModel::kFieldCount> m_fields{};
    QLabel *m_labelstudio = nullptr;
    QLabel *m_labelindirizzo = nullptr;
    QLabel *m_passo = nullptr;
};
