// The window "Dimensionamento": the fourteen figures in four groups, the
// choice of the national figures or the office's own sets, and the sizing of
// the result (one column, or one for each hypothesis) with the formula of the
// row chosen. One instance, modeless; it follows the study as SizingModel does.
#pragma once

#include "SizingModel.h"

#include <QWidget>
#include <array>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTableWidget;
class WindowHost;

class dimensionamento : public QWidget {
    Q_OBJECT

public:
    dimensionamento(WindowHost &host, Study &study, QWidget *parent = nullptr);
    ~dimensionamento() override;

    SizingModel &model() { return m_model; }

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void buildControls();
    QWidget *buildFigures();
    QWidget *buildPresets(QWidget *parent);
    QGroupBox *buildGroup(QWidget *parent, const QString &title, std::initializer_list<PlanSizing::Input> inputs);
    QWidget *buildResults();
    void saveFigures();
    void removeFigures();
    void update_display();
    void showFigures();
    void showResults();
    void showFormula();

    WindowHost &m_host;
    SizingModel m_model;
    std::array<QLineEdit *, PlanSizing::kInputCount> m_fields{};
    QComboBox *m_presets = nullptr;
    QPushButton *m_remove = nullptr;
    QLabel *m_rule = nullptr;
    QLabel *m_message = nullptr;
    QTableWidget *m_results = nullptr;
    QPlainTextEdit *m_formula = nullptr; // the row's formula, then the sentences of no growth
    QStringList m_noGrowth;
};
