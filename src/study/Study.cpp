#include "Study.h"

#include "core/AppGlobals.h"
#include "core/Messenger.h"
#include "estimate/PlanSizingRun.h"
#include "projection/HypothesisRun.h"
#include "projection/ProjectionTexts.h"
#include "storage/StudySizing.h"

Study::Study(Messenger &messenger, FileDialogs &dialogs, QDate today, QObject *parent)
    : QObject(parent), m_messenger(messenger), m_dialogs(dialogs), m_today(today)
{
}

Study::~Study() = default; // the models are children

ProjectionModel &Study::projection()
{
    if (!m_projection) {
        m_projection = new ProjectionModel(m_messenger, m_dialogs, *this, this);
        emit projectionCreated(m_projection);
    }
    return *m_projection;
}

TitlePageModel &Study::titlePage()
{
    if (!m_titlePage) {
        const QDate today = m_today.isValid() ? m_today : QDate::currentDate();
        m_titlePage = new TitlePageModel(m_messenger, *this, today, this);
    }
    return *m_titlePage;
}

// A handler of the old model may be what unloads its window (the exit asked
// after a refused span), so it is deleted later, never under its own feet.
void Study::resetProjection()
{
    if (m_projection)
        std::exchange(m_projection, nullptr)->deleteLater();
}

void Study::resetTitlePage()
{
    if (m_titlePage)
        std::exchange(m_titlePage, nullptr)->deleteLater();
}

void Study::officeChanged(const QString &oldName, const QString &oldAddress)
{
    if (m_titlePage)
        m_titlePage->officeChanged(oldName, oldAddress);
}

namespace {

// Computed afresh for the documents, from the study as it is now.
void addHypotheses(StudySnapshot &s, const StudyRecord &study)
{
    if (!study.line(StudyHypotheses::kKeyword))
        return;
    auto compared = HypothesisRun::compare(study, HypothesisRun::of(study));
    if (auto *c = std::get_if<HypothesisComparison>(&compared))
        s.hypotheses = std::move(*c);
    else
        s.hypothesesRefused = std::get<QString>(compared);
}

void addSizing(StudySnapshot &s, const StudyRecord &study)
{
    const QStringList *line = study.line(StudySizing::kKeyword);
    const auto sizing = line ? StudySizing::fromLine(*line) : std::nullopt;
    if (!sizing)
        return;
    auto sized = PlanSizing::of(s, *sizing);
    if (auto *done = std::get_if<PlanSizing::Sizing>(&sized))
        s.sizing = std::move(*done);
    else
        s.sizingRefused = std::get<QString>(sized);
}

} // namespace

StudySnapshot Study::snapshot()
{
    StudySnapshot s;
    if (m_projection) {
        const ProjectionModel &p = *m_projection;
        for (const ProjectionInputs::Row &row : ProjectionInputs::rows())
            s.inputs[ProjectionInputs::index(row.input)] = {ProjectionInputs::caption(row.input), p.text(row.input)};
        s.table = p.table();
        s.span = p.ProjectionSpan();
        s.popolazione = p.popolazione();
        const StudyRecord study = m_projection->files().study();
        if (const QStringList *line = study.line(StudySource::kKeyword))
            s.source = StudySource::fromLine(*line);
        if (!p.popolazione().isEmpty()) {
            addHypotheses(s, study);
            addSizing(s, study);
        }
    }
    s.titlePage = titlePage().read();
    s.officeName = appGlobals().StudioName;
    s.officeAddress = appGlobals().StudioAddress;
    return s;
}

QString Study::guidance(Outputs::Window window)
{
    switch (window) {
    case Outputs::Window::Projection:
        return projection().passo();
    case Outputs::Window::TitlePage:
        return titlePage().passo();
    case Outputs::Window::None:
        break;
    }
    return {};
}

void Study::guide(Outputs::Window window, const QString &text)
{
    if (window == Outputs::Window::Projection)
        projection().setPasso(text);
    else if (window == Outputs::Window::TitlePage)
        titlePage().setPasso(text);
}

// The projection's messages bring its window up to date first.
void Study::tell(Outputs::Window window, const Message &message)
{
    if (window == Outputs::Window::Projection)
        projection().notify(message);
    else
        m_messenger.show(message);
}

void Study::resultWanted(Outputs::Window window)
{
    if (window == Outputs::Window::TitlePage)
        emit projectionWanted();
}
