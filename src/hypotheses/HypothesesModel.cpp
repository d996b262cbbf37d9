#include "HypothesesModel.h"

#include "HypothesesTexts.h"
#include "core/AppGlobals.h"
#include "core/Messenger.h"
#include "estimate/NumberReading.h"
#include "projection/HypothesisRun.h"
#include "study/Study.h"

#include <variant>

HypothesesModel::HypothesesModel(Study &study, Messenger &messenger, QObject *parent)
    : QObject(parent), m_study(study), m_messenger(messenger)
{
    // A projection window loaded afresh brings a model of its own.
    connect(&m_study, &Study::projectionCreated, this, [this](ProjectionModel *model) {
        follow(model);
        studyChanged();
    });
    follow(m_study.hasProjection() ? &m_study.projection() : nullptr);
}

void HypothesesModel::follow(ProjectionModel *model)
{
    if (m_model)
        disconnect(m_model, nullptr, this, nullptr);
    m_model = model;
    if (m_model)
        connect(m_model, &ProjectionModel::changed, this, &HypothesesModel::studyChanged);
}

// Reading the study never makes a projection that is not there.
StudyRecord HypothesesModel::study() const
{
    return m_model ? m_model->files().study() : StudyRecord{};
}

HypothesesModel::Basis HypothesesModel::basisOf(const StudyRecord &study)
{
    const QStringList *line = study.line(StudyHypotheses::kKeyword);
    return {study.inputs, line ? *line : QStringList()};
}

QString HypothesesModel::value(Kind kind, ProjectionInput input) const
{
    const StudyRecord s = study();
    if (kind == Kind::Central)
        return ProjectionInputs::inRecord(s, input);
    const StudyHypotheses h = HypothesisRun::of(s);
    const StudyHypotheses::Values *v = h.of(ProjectionInputs::name(input));
    return v ? (kind == Kind::Low ? v->low : v->high) : QString();
}

bool HypothesesModel::setValue(Kind kind, ProjectionInput input, const QString &text)
{
    if (kind == Kind::Central)
        return false;
    const QString typed = text.trimmed();
    if (!NumberReading::italianNumber(typed)) {
        m_messenger.show({HypothesesTexts::notANumber(ProjectionInputs::caption(input), Hypotheses::longName(kind)),
                          appGlobals().DataCheckTitle, Message::Icon::Critical});
        emit changed();
        return false;
    }
    ProjectionModel &projection = m_study.projection();
    const StudyRecord s = projection.files().study();
    StudyHypotheses h = HypothesisRun::of(s);
    for (StudyHypotheses::Values &v : h.values) {
        if (v.input == ProjectionInputs::name(input))
            (kind == Kind::Low ? v.low : v.high) = typed;
    }
    // The study keeps the line only while it says something.
    projection.files().setLine(StudyHypotheses::kKeyword, HypothesisRun::differs(s, h) ? h.line() : QStringList());
    follow(&projection);
    studyChanged();
    return true;
}

bool HypothesesModel::calcolaIpotesi()
{
    const StudyRecord s = study();
    auto compared = HypothesisRun::compare(s, HypothesisRun::of(s));
    m_results.reset();
    if (const QString *refusal = std::get_if<QString>(&compared)) {
        emit changed();
        m_messenger.show({*refusal, appGlobals().DataCheckTitle, Message::Icon::Critical});
        return false;
    }
    m_results = std::get<HypothesisComparison>(std::move(compared));
    m_basis = basisOf(s);
    emit changed();
    return true;
}

HypothesesChartData HypothesesModel::chart() const
{
    return m_results ? HypothesesChartData::of(*m_results, study().titlePage) : HypothesesChartData{};
}

// A result computed from other inputs or other hypotheses no longer holds.
void HypothesesModel::studyChanged()
{
    if (m_results && basisOf(study()) != m_basis)
        m_results.reset();
    emit changed();
}
