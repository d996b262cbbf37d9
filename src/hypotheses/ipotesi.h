// The window "Ipotesi a confronto": the low, central and high values of the
// four inputs that vary (the central ones the projection window's, read
// only), "Calcola ipotesi", the inhabitants of the three hypotheses year by
// year with their results, and their chart. One instance, modeless; it
// follows the study as HypothesesModel does.
#pragma once

#include "HypothesesModel.h"

#include <QWidget>

class QChartView;
class QLabel;
class QStackedWidget;
class QTableWidget;
class QTableWidgetItem;
class Study;
class WindowHost;

class ipotesi : public QWidget {
    Q_OBJECT

public:
    ipotesi(WindowHost &host, Study &study, QWidget *parent = nullptr);

    HypothesesModel &model() { return m_model; }
    // What the chart shows now; empty while there are no results.
    const HypothesesChartData &shown() const { return m_shown; }

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void buildControls();
    QWidget *buildValues();
    QWidget *buildResults();
    void typed(QTableWidgetItem *item);
    void update_display();
    void showValues();
    void showResults();
    void showChart();

    WindowHost &m_host;
    HypothesesModel m_model;
    HypothesesChartData m_shown;
    bool m_drawn = false;
    QTableWidget *m_values = nullptr;
    QLabel *m_yearsCaption = nullptr;
    QTableWidget *m_years = nullptr;
    QTableWidget *m_results = nullptr;
    QStackedWidget *m_pages = nullptr;
    QChartView *m_chart = nullptr;
};
