// The chart window "Grafico dei risultati": the two charts of the study's
// projection, redrawn whenever what they show changes (after Calcola,
// Verifica and Riequilibra), and a plain sentence while no calculation is
// shown. One instance, modeless. Its export writes the charts as PNG, SVG or
// PDF. It follows the study's projection model of the moment; it changes
// nothing in the study.
#pragma once

#include "output/ChartData.h"

#include <QPointer>
#include <QWidget>

class ChartPainter;
class FileDialogs;
class ProjectionModel;
class QChartView;
class QLabel;
class QStackedWidget;
class Study;
class WindowHost;

class grafico : public QWidget {
    Q_OBJECT

public:
    grafico(WindowHost &host, Study &study, FileDialogs &dialogs, ChartPainter &painter, QWidget *parent = nullptr);

    // What the window shows now; empty while no calculation is shown.
    const ChartData &shown() const { return m_shown; }
    bool showsChart() const;
    // Reads the study again and redraws if anything it shows has changed.
    void update_display();
    // The export button: a save dialog, then the file written whole; true
    // once written.
    bool esporta_Click();
    // The same to a named file, the format from its extension.
    bool esporta(const QString &path);

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void follow(ProjectionModel *model);
    void buildControls();

    WindowHost &m_host;
    Study &m_study;
    FileDialogs &m_dialogs;
    ChartPainter &m_painter;
    QPointer<ProjectionModel> m_model;
    ChartData m_shown;
    bool m_drawn = false;
    QString m_fileName; // the export dialog's remembered name
    QStackedWidget *m_pages = nullptr;
    QLabel *m_sentence = nullptr;
    QChartView *m_inhabitants = nullptr;
    QChartView *m_components = nullptr;
};
