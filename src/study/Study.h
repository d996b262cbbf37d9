// The one owner of a study: the projection window's model and the title
// page's, each made on first use and joined so that each reaches the other's
// current half, and the runner of its documents and exports, which it builds
// the snapshot for. The program, vicania-cli and the tests build it alike. It
// has no widgets and knows no window: the program shows its models.
#pragma once

#include "output/OutputRunner.h"
#include "projection/ProjectionModel.h"
#include "titlepage/TitlePageModel.h"

#include <QDate>
#include <QObject>

class ChartPainter;
class DocumentOutput;
class FileDialogs;
class Messenger;

class Study : public QObject, private TitlePageLink, private TitlePageModel::Projection, private OutputRunner::Study {
    Q_OBJECT

public:
    // A null today means the date of each title page's load.
    Study(Messenger &messenger, FileDialogs &dialogs, QDate today = QDate(), QObject *parent = nullptr);
    ~Study() override;
    Study(const Study &) = delete;
    Study &operator=(const Study &) = delete;

    ProjectionModel &projection();
    TitlePageModel &titlePage();
    bool hasProjection() const { return m_projection != nullptr; }
    bool hasTitlePage() const { return m_titlePage != nullptr; }

    // A window unloaded: its half starts afresh at the next use. The old
    // model goes once the handler running now has returned.
    void resetProjection();
    void resetTitlePage();

    // What the documents are written from: both halves now (the inputs and
    // results of a projection not made yet are empty).
    StudySnapshot snapshot() override;
    // Runs the study's documents and exports.
    OutputRunner &outputs() { return m_outputs; }
    // Where the documents go (none: nothing is written).
    void setDocumentOutput(DocumentOutput *output) { m_outputs.setDocumentOutput(output); }
    // Who draws the charts of the documents (none: no charts).
    void setChartPainter(ChartPainter *charts) { m_outputs.setChartPainter(charts); }
    // The program-wide office changed: the title page follows if it showed it.
    void officeChanged(const QString &oldName, const QString &oldAddress);

signals:
    // The title page asks for the projection window (no calculation yet).
    void projectionWanted();
    // A fresh projection model, for those who watch the study.
    void projectionCreated(ProjectionModel *model);

private:
    // The projection reads and writes the title page through the study.
    TitlePageData read() override { return titlePage().read(); }
    void write(const TitlePageData &data) override { titlePage().write(data); }
    // The title page reaches the projection through the study.
    QString popolazione() override { return projection().popolazione(); }
    void show() override { emit projectionWanted(); }
    ProjectionModel &projectionModel() override { return projection(); }
    // The runs reach the windows' boxes and messages through the study.
    QString guidance(Outputs::Window window) override;
    void guide(Outputs::Window window, const QString &text) override;
    void tell(Outputs::Window window, const Message &message) override;
    void resultWanted(Outputs::Window window) override;
    bool officeReady() override { return titlePage().officeReady(); }

    Messenger &m_messenger;
    FileDialogs &m_dialogs;
    QDate m_today;
    OutputRunner m_outputs{*this, m_dialogs};
    ProjectionModel *m_projection = nullptr; // children of the study
    TitlePageModel *m_titlePage = nullptr;
};
