// The projection window without widgets: its commands, the calculation, the
// verification and the rebalancing, and what the window shows of them. The
// inputs and their guidance are InputFields' (writing one from the program
// runs the change handler, as typing does), the grid's scrolling is
// GridViewport's and the study files are StudyFiles', which reach the model as
// a StudyFiles::Window; its documents and exports are the study's
// OutputRunner's. It draws nothing itself. Messages and file dialogs go through
// interfaces.
#pragma once

#include "InputFields.h"
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

class ProjectionModel : public QObject, private StudyFiles::Window, private InputFields::Owner {
    Q_OBJECT

public:
    using Field = ProjectionInput;

    using OpenResult = StudyFiles::OpenResult;
    using SaveResult = StudyFiles::SaveResult;

    ProjectionModel(Messenger &messenger, FileDialogs &dialogs, TitlePageLink &titlePage, QObject *parent = nullptr);

    // The inputs, as InputFields has them (the share's scroll bar too).
    InputFields &fields() { return m_inputs; }
    QString text(Field field) const { return m_inputs.text(field); }
    void setText(Field field, const QString &text) { m_inputs.setText(field, text); }
    void typeText(Field field, const QString &text) { m_inputs.typeText(field, text); }
    void leaveField(Field field) { m_inputs.leaveField(field); }

    // Controls
    QString popolazione() const { return m_popolazione; }
    QString passo() const { return m_passo; }
    // The guidance of an output being made, shown at once.
    void setPasso(const QString &text);
    QString numop() const { return QString::number(m_operations); }
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
    void setVScroll1(int value);
    // The last table row a redraw or clear may reach.
    int usedRows() const { return GridViewport::usedRows(m_span); }
    void ann_MouseMove(int visibleRow);

    // What the verification keeps: how many ran since the calculation, and
    // the inputs it swapped, as they were.
    struct Verification {
        int count = 0;
        QString startYear, targetYear, knownInhabitants;
    };
    const Verification &verification() const { return m_verification; }

    // Commands
    void avviso_Click();
    void controlladati_Click();
    void calcola_Click();
    void verifica_Click();
    void riequilibra_Click();
    // Apri, Salva, Salva con nome, Elimina and the study both windows hold.
    StudyFiles &files() { return m_files; }
    // The file dialogs, for the commands that ask for other files.
    FileDialogs &dialogs() { return m_dialogs; }
    void cancelladati_Click();
    // Called now and then during a long rebalancing with the steps done so
    // far; returning false cancels it. The window wires it to a progress dialog.
    void setRebalanceProgress(std::function<bool(qint64)> progress) { m_rebalanceProgress = std::move(progress); }
    // Tests compare the quick search of the rebalancing with the literal loop.
    void setRebalanceShortcut(bool enabled) { m_rebalanceShortcut = enabled; }

    // A message over the window, brought up to date first; when it is about a
    // control (its name), that control then gets the focus.
    Message::Answer notify(const Message &message, const QString &about = {});

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
    // The window's load: share 25, counter 0, opening guidance.
    void Form_Load();
    // A data-check error, which may be about a control (its name), which then
    // gets the focus.
    void showDataError(const QString &text, const QString &about = {});
    void showDataError(const QString &text, Field about);

    // StudyFiles::Window: the study files read and write the window as the
    // functions above do.
    QString fieldText(Field field) const override { return text(field); }
    void writeField(Field field, const QString &text) override { setText(field, text); }
    QString resultText() const override { return popolazione(); }
    void restartOperationCount() override { m_operations = 0; }
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
    // InputFields::Owner
    void inputChanged() override;
    void tellInputError(const QString &text, const QString &control) override { showDataError(text, control); }

    void redrawGrid() { m_grid.redraw(m_table, m_span); }
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
    bool checkBounds();
    double result() const;

    // Every cell of rows 1 to rows finite and of a size a population can have.
    bool withinBounds(int rows) const;
    bool refuseRunaway(int rows);
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

    InputFields m_inputs{*this};
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

    Verification m_verification;
    QString m_knownTextNoticed; // the known-inhabitants text last explained
    bool m_clearTableOnly = false;

    std::function<bool(qint64)> m_rebalanceProgress;
    bool m_rebalanceShortcut = true;
    int m_notifyDepth = 0;
};
