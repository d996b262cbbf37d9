// Runs the outputs of one study end to end, for the windows' commands and
// vicania-cli alike: refused without what it needs, the guidance before, the
// build from the study's snapshot, the delivery (or the file written), the
// guidance after. The study answers what a run needs of it.
#pragma once

#include "Outputs.h"

class DocumentOutput;
class FileDialogs;
struct Message;

class OutputRunner {
public:
    // What a run needs of the study and its windows.
    class Study {
    public:
        virtual StudySnapshot snapshot() = 0;
        virtual QString guidance(Outputs::Window window) = 0;
        // Shown at once: the box tells what is being done while it is done.
        virtual void guide(Outputs::Window window, const QString &text) = 0;
        virtual void tell(Outputs::Window window, const Message &message) = 0;
        // Refused for want of a result: the window that makes one comes forward.
        virtual void resultWanted(Outputs::Window window) = 0;
        // An office signs the document, asked for when there is none; false:
        // the user cancelled.
        virtual bool officeReady() = 0;

    protected:
        ~Study() = default;
    };

    OutputRunner(Study &study, FileDialogs &dialogs) : m_study(study), m_dialogs(dialogs) {}

    // Where documents go (none: nothing is written) and who draws the charts
    // (none: documents without charts, no chart files).
    void setDocumentOutput(DocumentOutput *output) { m_documents = output; }
    void setChartPainter(ChartPainter *charts) { m_charts = charts; }

    // A document of the study, or an export to the file named; true once
    // delivered or written.
    bool run(OutputId id, const QString &path = {});
    // The guide's pages in one document, or one page.
    bool guide(OutputId id, const QStringList &titles, const QStringList &texts);
    // Esporta tabella: XLSX or CSV, as the name the user chooses says.
    bool exportTable();

private:
    bool refusedWithoutResult(const Outputs::Output &output);
    bool document(const Outputs::Output &output, OutputSource source);
    bool save(const Outputs::Output &output, const OutputSource &source, const QString &path);
    void tell(const Outputs::Output &output, const QString &text);

    Study &m_study;
    FileDialogs &m_dialogs;
    DocumentOutput *m_documents = nullptr;
    ChartPainter *m_charts = nullptr;
    QString m_exportName; // the export dialog's remembered name
};
