#include "ProjectionModel.h"

#include "ProjectionTexts.h"
#include "core/AppGlobals.h"
#include "core/FileDialogs.h"
#include "core/Modulo.h"
#include "estimate/NumberReading.h"
#include "storage/StudyHypotheses.h"
#include "storage/StudySource.h"

#include <algorithm>
#include <cmath>

using NumberReading::italianNumber;
using NumberReading::leadingNumber;
using Field = ProjectionModel::Field;

ProjectionModel::ProjectionModel(Messenger &messenger, FileDialogs &dialogs, TitlePageLink &titlePage, QObject *parent)
    : QObject(parent), m_messenger(messenger), m_dialogs(dialogs), m_titlePage(titlePage),
      m_files(*this, messenger, dialogs, titlePage)
{
    Form_Load();
}

void ProjectionModel::Form_Load()
{
    NotifyScope scope(*this);
    m_inputs.load();
    m_operations = 0;
    m_verificaEnabled = false;
    m_frontespizEnabled = false;
    m_passo = ProjectionTexts::kOpening;
}

Message::Answer ProjectionModel::notify(const Message &message, const QString &about)
{
    // The window is brought up to date before a modal box covers it.
    emit changed();
    const Message::Answer answer = m_messenger.show(message);
    if (!about.isEmpty())
        emit messageAbout(about);
    return answer;
}

void ProjectionModel::showDataError(const QString &text, const QString &about)
{
    notify({text, appGlobals().DataCheckTitle, Message::Icon::Critical, Message::Buttons::Ok, Message::Answer::Ok},
           about);
}

void ProjectionModel::showDataError(const QString &text, Field about)
{
    showDataError(text, ProjectionInputs::focusControl(about));
}

// ---- guidance ----

// Any input changed: a result of the old values goes, and Calcola can run.
void ProjectionModel::inputChanged()
{
    setPopolazione(QString());
    m_calcolaEnabled = true;
    m_passo = m_inputs.guidance();
}

void ProjectionModel::setPopolazione(const QString &caption)
{
    if (caption == m_popolazione)
        return;
    m_popolazione = caption;
    // popolazione_Change: the title page needs a result.
    m_frontespizEnabled = false;
    if (!m_popolazione.isEmpty())
        m_frontespizEnabled = true;
}

double ProjectionModel::result() const
{
    return leadingNumber(m_popolazione);
}

void ProjectionModel::controlladati_Click()
{
    NotifyScope scope(*this);
    const QString &title = appGlobals().DataCheckTitle;
    if (!m_popolazione.isEmpty())
        notify({ProjectionTexts::kDataFormallyCorrect, title, Message::Icon::Information});
    else
        notify({ProjectionTexts::kDataMissing, title, Message::Icon::Critical});
}

// ---- the share's suggestion (the "?" beside its scroll bar) ----

void ProjectionModel::avviso_Click()
{
    NotifyScope scope(*this);
    const QString &title = appGlobals().DataCheckTitle;
    if (text(Field::aspvita).isEmpty()) {
        notify({ProjectionTexts::kShareNeedsMedianAge, title, Message::Icon::Information});
        return;
    }
    // The age as the calculation reads it; a text it cannot read, by its
    // leading number.
    const double age = italianNumber(text(Field::aspvita)).value_or(leadingNumber(text(Field::aspvita)));
    if (!(age > 0)) {
        notify({ProjectionTexts::kShareNeedsPositiveMedianAge, title, Message::Icon::Information});
        return;
    }
    // The smallest share the calculation accepts, never below the scroll bar's.
    const double share = std::max<double>(InputFields::kShareMinimum,
                                          ProjectionEngine::smallestWomenShare(m_inputs.typedFertileSpan(), age));
    const QString number = (share >= 0 ? QStringLiteral(" ") : QString()) + NumberReading::integerText(share);
    notify({ProjectionTexts::kShareSuggestionHead + number + ProjectionTexts::kShareSuggestionTail, title,
            Message::Icon::Information});
}

// ---- results grid ----

void ProjectionModel::setVScroll1(int value)
{
    NotifyScope scope(*this);
    if (m_grid.setVScroll1(value))
        redrawGrid();
}

void ProjectionModel::ann_MouseMove(int visibleRow)
{
    NotifyScope scope(*this);
    m_grid.ann_MouseMove(visibleRow);
}

// ---- clearing ----

void ProjectionModel::cancelladati_Click()
{
    NotifyScope scope(*this);
    if (m_clearTableOnly) {
        m_clearTableOnly = false;
    } else {
        for (int i = 0; i < ProjectionInputs::kTypedCount; ++i)
            setText(ProjectionInputs::at(i), QString());
        // Their source and their hypotheses go with them.
        m_files.setLine(StudySource::kKeyword, {});
        m_files.setLine(StudyHypotheses::kKeyword, {});
        m_operations = 0;
    }
    for (int row = 1; row <= usedRows(); ++row)
        m_table.clearRow(row);
    redrawGrid();
}

// Another study's numbers never stay on screen: its results go, and the
// buttons that work on them are as at the window's load.
void ProjectionModel::clearResults()
{
    NotifyScope scope(*this);
    m_table = ProjectionTable{};
    m_span = 0;
    m_grid = GridViewport{};
    setPopolazione(QString());
    m_progressValue = 0;
    m_verification.count = 0;
    m_calcolaEnabled = true;
    m_verificaEnabled = false;
    m_riequilibraEnabled = true;
}

void ProjectionModel::setPasso(const QString &text)
{
    m_passo = text;
    emit changed();
}

void ProjectionModel::tellSaved(const QString &path)
{
    NotifyScope scope(*this);
    m_passo = ProjectionTexts::studySaved(path);
}
