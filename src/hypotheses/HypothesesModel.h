// The window "Ipotesi a confronto" without widgets: the low and high values
// of the inputs that vary, kept in the study's hypotheses line only while
// one differs from the projection window's; "Calcola ipotesi", its three
// columns or the refusal that names a hypothesis; the chart of them. It
// follows the study: a result no longer matching the projection window's
// inputs or the values typed here goes.
#pragma once

#include "estimate/HypothesisComparison.h"
#include "output/HypothesesChartData.h"
#include "storage/StudyFile.h"

#include <QObject>
#include <QPointer>
#include <optional>

class Messenger;
class ProjectionModel;
class Study;

class HypothesesModel : public QObject {
    Q_OBJECT

public:
    using Kind = Hypotheses::Kind;

    HypothesesModel(Study &study, Messenger &messenger, QObject *parent = nullptr);

    // A value of a hypothesis as typed; the central ones are the projection
    // window's.
    QString value(Kind kind, ProjectionInput input) const;
    // A low or high value typed: one that is not a number is refused by name.
    // True when taken.
    bool setValue(Kind kind, ProjectionInput input, const QString &text);

    // "Calcola ipotesi": the three hypotheses computed, or the refusal shown
    // and no result.
    bool calcolaIpotesi();
    const std::optional<HypothesisComparison> &results() const { return m_results; }
    // The chart of the results, titled by the title page as it is now.
    HypothesesChartData chart() const;

signals:
    // Something the window shows has changed.
    void changed();

private:
    // What the results are computed from: the inputs and the hypotheses.
    struct Basis {
        decltype(StudyRecord::inputs) inputs;
        QStringList line;
        bool operator==(const Basis &) const = default;
    };
    StudyRecord study() const;
    static Basis basisOf(const StudyRecord &study);
    void follow(ProjectionModel *model);
    void studyChanged();

    Study &m_study;
    Messenger &m_messenger;
    QPointer<ProjectionModel> m_model;
    std::optional<HypothesisComparison> m_results;
    Basis m_basis;
};
