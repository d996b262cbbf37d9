// The title-page window: the study's data for the report, at their designed
// places, driven by TitlePageModel; file commands go to the projection window.
#pragma once

#include "TitlePageModel.h"

#include <QMainWindow>
#include <array>

class Program;
class clsResize;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolBar;

class frontespizio : public QMainWindow {
    Q_OBJECT

public:
    explicit frontespizio(Program &program, QWidget *parent = nullptr);

    TitlePageModel &model() { return m_model; }
    QWidget *client() const { return m_client; }

    void Toolbar1_ButtonClick(int position);
    void aiuto_Click();
    void Command1_Click();
    static QString helpText();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void Form_Load();
    void buildFields();
    void buildButtons();
    void buildToolbar();
    void buildMenus();
    void update_display();

    Program &m_program;
    TitlePageModel m_model;
    QWidget *m_client = nullptr;
    clsResize *m_resize = nullptr;
    std::array<QLineEdit *, TitlePageModel::kFieldCount> m_fields{};
    QLabel *m_labelstudio = nullptr;
    QLabel *m_labelindirizzo = nullptr;
    QLabel *m_passo = nullptr;
};
