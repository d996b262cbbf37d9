// The projection window without widgets: what its controls hold and what its
// handlers do. Writing a field from the program runs that field's change
// handler, as typing does. It leaves the grid's scrolling to GridViewport,
// the study files to StudyFiles, which reach it as a StudyFiles::Window, and
// its documents and exports to the study's OutputRunner; it draws nothing
// itself. Messages and file dialogs go through interfaces.
#pragma once

#include "ProjectionFields.h"
#include "StudyFiles.h"
#include "estimate/GridViewport.h"
#include "estimate/ProjectionEngine.h"
#include "estimate/ProjectionTable.h"
#include "storage/StudyFile.h"

#include <QObject>
#include <QString>
#include <array>
#include <functional>
#include <optional>

#include "core/Messenger.h"

class FileDialogs;
class TitlePageLink;
namespace RebalanceSearch {
struct Loop;
}

class ProjectionModel : public QObject, private StudyFiles::Window {
    Q_OBJECT

public:
    using Field = ProjectionField;
    static constexpr int kFieldCount = kProjectionFieldCount;
    static constexpr int kShareMinimum = 10;
    static constexpr int kShareMaximum = 40;
    static constexpr int kShareStart = 25;

    using OpenResult = StudyFiles::OpenResult;
    using SaveResult = StudyFiles::SaveResult;

    ProjectionModel(Messenger &messenger, FileDialogs &dialogs, TitlePageLink &titlePage, QObject *parent = nullptr);

    // The window's load: share 25, counter 0, opening guidance.
    void Form_Load();

    // Controls
    QString text(Field field) const { return m_fields[index(field)]; }
    // Written by the program (a study opened, the calculation): the field's
    // change handler runs, its check included.
    void setText(Field field, const QString &text);
    // Typed by the user: the same, but a check of the field alone waits until
    // the user leaves it, so a number is never interrupted while typed.
    void typeText(Field field, const QString &text);
    // The user left a field: its own check, if it was typed since.
    void leaveField(Field field);
    QString pdf() const { return m_pdf; }
    // The share as a study holds it: its text as it is, and the scroll bar at
    // the nearest value it has.
    void setPdf(const QString &text);
    int VScroll2() const { return m_vscroll2; }
    void setVScroll2(int value);
    QString popolazione() const { return m_popolazione; }
    QString passo() const { return m_passo; }
    // The guidance of an output being made, shown at once.
    void setPasso(const QString &text);
    QString numop() const { return QString::number(m_operations); }
    // A study just opened starts its count again.
    void resetOperations() { m_operations = 0; }
    bool calcolaEnabled() const { return m_calcolaEnabled; }
    bool verificaEnabled() const { return m_verificaEnabled; }
    bool riequilibraEnabled() const { return m_riequilibraEnabled; }
    bool frontespizEnabled() const { return m_frontespizEnabled; }
    int progressValue() const { return m_progressValue; }
    int progressMaximum() const { return m_progressMaximum; }

    // Results grid
    const ProjectionTable &table() const { return m_table; }
    qint64 ProjectionSpan() const { return m_span; }
    const GridViewport &grid() const { return m_grid; }
    int VScroll1() const { return m_grid.VScroll1(); }
    int VScroll1Maximum() const { return m_grid.VScroll1Maximum(); }
    void setVScroll1(int value);
    int highlightedRow() const { return m_grid.highlightedRow(); }
    // A cell as the grid shows it: the table as it was at the last redraw.
    QString gridCell(int visibleRow, GridColumn column) const { return m_grid.gridCell(visibleRow, column); }
    // The last table row a redraw or clear may reach.
    int usedRows() const { return GridViewport::usedRows(m_span); }

    // Window values
    int VerifyCount() const { return m_verifyCount; }
    QString SavedStartYear() const { return m_savedStartYear; }
    QString SavedTargetYear() const { return m_savedTargetYear; }
    QString SavedKnownInhabitants() const { return m_savedKnownInhabitants; }
    QString LastImmigrationRate() const { return m_lastImmigrationRate; }
    std::optional<double> LastEmigrationRate() const { return m_lastEmigrationRate; }
    bool clearTableOnly() const { return m_clearTableOnly; }
    QString commonDialogFileName() const { return m_files.fileName(); }

    // Change handlers
    void anno1_Change();
    void abitnoti_Change();
    void tassofert_Change();
    void iniziofert_Change();
    void finefert_Change();
    void mortinfanti_Change();
    void aspvita_Change();
    void immigr_Change();
    void emigr_Change();
    void anno2_Change();
    void VScroll2_Change();
    void VScroll1_Change() { m_grid.redraw(m_table, m_span); }

    // Tooltip of a field caption (1 to 10) on mouse-over.
    static QString labelloTooltip(int index);
    void ann_MouseMove(int visibleRow);
    void tolgoEvidenza() { m_grid.tolgoEvidenza(); }

    // Commands
    void avviso_Click();
    void controlladati_Click();
    void calcola_Click();
    void verifica_Click();
    void riequilibra_Click();
    OpenResult aprifile_Click() { return m_files.aprifile_Click(); }
    // What Apri does once a file is chosen.
    OpenResult apriStudio(const QString &path) { return m_files.apriStudio(path); }
    // A study opened from outside the program (its command line, a drop):
    // as Apri, and a message naming the file when it cannot be opened.
    bool apriDaFuori(const QString &path) { return m_files.apriDaFuori(path); }
    // Both windows' data as Salva writes them, and the same put back as Apri
    // puts them (a recovered study).
    StudyRecord study() const { return m_files.study(); }
    void applyStudy(const StudyRecord &study) { m_files.applyStudy(study); }
    // The message naming the file for a study that could not be opened.
    static QString openFailure(OpenResult result, const QString &path) { return StudyFiles::openFailure(result, path); }
    SaveResult salvafile_Click() { return m_files.salvafile_Click(); }
    SaveResult salvanome_Click() { return m_files.salvanome_Click(); }
    // Checks the window and writes the study; the title page runs it too.
    SaveResult scrivoArchivio() { return m_files.scrivoArchivio(); }
    void eliminare_click() { m_files.eliminare_click(); }
    void cancelladati_Click();
    // Called now and then during a long rebalancing with the steps done so
    // far; returning false cancels it. The window wires it to a progress dialog.
    void setRebalanceProgress(std::function<bool(qint64)> progress) { m_rebalanceProgress = std::move(progress); }
    // Tests compare the quick search of the rebalancing with the literal loop.
    void setRebalanceShortcut(bool enabled) { m_rebalanceShortcut = enabled; }

    static QString fieldName(Field field);
    static QString fieldCaption(Field field);

    // A message over the window, brought up to date first; a data-check error.
    // Either may be about a control (its name), which then gets the focus.
    Message::Answer notify(const Message &message, const QString &about = {});
    void showDataError(const QString &text, const QString &about = {});
    // The control a message about the share names.
    static QString shareControl() { return QStringLiteral("VScroll2"); }

    // Announces one change to the view when the outermost handler returns,
    // so a handler that writes many controls repaints the window once.
    class NotifyScope {
    public:
        explicit NotifyScope(ProjectionModel &model) : m_model(model) { m_model.beginChanges(); }
        ~NotifyScope() { m_model.endChanges(); }
        NotifyScope(const NotifyScope &) = delete;
        NotifyScope &operator=(const NotifyScope &) = delete;

    private:
        ProjectionModel &m_model;
    };

signals:
    // Something the window shows has changed.
    void changed();
    // The user confirmed leaving the program after the span refusal.
    void exitConfirmed();
    // The window's study is the one of a file: just opened or just saved.
    void archived();
    // A message was about this control (a field's name, or the share's bar).
    void messageAbout(const QString &control);

private:
    // StudyFiles::Window: the study files read and write the window as the
    // functions above do.
    QString fieldText(Field field) const override { return text(field); }
    void writeField(Field field, const QString &text) override { setText(field, text); }
    QString shareText() const override { return pdf(); }
    void writeShare(const QString &text) override { setPdf(text); }
    QString resultText() const override { return popolazione(); }
    void restartOperationCount() override { resetOperations(); }
    void tell(const Message &message) override { notify(message); }
    Message::Answer ask(const Message &question) override { return notify(question); }
    void tellDataError(const QString &text) override { showDataError(text); }
    void studyArchived() override { emit archived(); }
    void tellSaved(const QString &path) override;
    void clearResults() override;
    void beginChanges() override { ++m_notifyDepth; }
    void endChanges() override
    {
        if (--m_notifyDepth == 0)
            emit changed();
    }

    static std::size_t index(Field f) { return static_cast<std::size_t>(f); }
    void runChangeHandler(Field field);
    void aggiornoPasso();
    bool checkMedianAge();
    double typedFertileSpan() const;
    void setPopolazione(const QString &caption);
    void count(qint64 steps = 1) { m_operations += steps; }

    bool eseguoSimulazione();
    bool checkInputs();
    void fillMissingMigration();
    bool acceptSpan(const ProjectionParams &params);
    bool runProjection(const ProjectionParams &params);
    std::optional<ProjectionParams> readParams() const;
    bool checkNumbers();
    bool checkTyped();
    bool checkArithmetic();
    double result() const;

    // Every cell of rows 1 to rows finite and of a size a population can have.
    bool withinBounds(int rows) const;
    bool refuseRunaway(int rows);
    bool checkBounds();
    void noticeKnownInhabitantsReading();
    void rebalance(double step, bool upward);
    bool rebalanceIteration(double knownInhabitants, bool upward, double saved);
    bool rebalanceQuickly(const RebalanceSearch::Loop &loop, qint64 perProjection, qint64 limit);
    QString rebalanceGaveUp(qint64 attempts) const;

    Messenger &m_messenger;
    FileDialogs &m_dialogs;
    TitlePageLink &m_titlePage;
    StudyFiles m_files;
    GridViewport m_grid;

    std::array<QString, kFieldCount> m_fields;
    QString m_pdf = QStringLiteral("25");
    int m_vscroll2 = kShareStart;
    QString m_popolazione;
    QString m_passo;
    qint64 m_operations = 0;
    bool m_calcolaEnabled = true;
    bool m_verificaEnabled = true;
    bool m_riequilibraEnabled = true;
    bool m_frontespizEnabled = true;
    int m_progressValue = 0;
    int m_progressMaximum = 100;

    ProjectionTable m_table;
    qint64 m_span = 0;

    int m_verifyCount = 0;
    QString m_savedStartYear;
    QString m_savedTargetYear;
    QString m_savedKnownInhabitants;
    QString m_knownTextNoticed; // the known-inhabitants text last explained
    QString m_lastImmigrationRate;
    std::optional<double> m_lastEmigrationRate;
    bool m_clearTableOnly = false;
    bool m_typing = false;
    bool m_medianAgeUnchecked = false; // typed since its check last ran

    std::function<bool(qint64)> m_rebalanceProgress;
    bool m_rebalanceShortcut = true;
    int m_notifyDepth = 0;
};
