// The rebalancing handler of ProjectionModel: the step-by-step loop, and the
// quick search that leaves exactly what the loop would leave.
#include "ProjectionModel.h"
#include "ProjectionTexts.h"
#include "core/AppGlobals.h"
#include "estimate/NumberReading.h"
#include "estimate/RebalanceSearch.h"

#include <cmath>

using NumberReading::italianNumber;
using NumberReading::leadingNumber;
using Field = ProjectionModel::Field;

void ProjectionModel::riequilibra_Click()
{
    NotifyScope scope(*this);
    const QString immigration = m_inputs.LastImmigrationRate();
    const double lastIn = italianNumber(immigration).value_or(leadingNumber(immigration));
    const double lastOut = m_inputs.LastEmigrationRate().value_or(0);
    if (std::fabs(lastIn - lastOut) >= 100) {
        const Message question{ProjectionTexts::kRebalanceHeavy, appGlobals().DataCheckTitle, Message::Icon::Question,
                               Message::Buttons::YesNo, Message::Answer::No};
        if (notify(question) != Message::Answer::Yes)
            return;
    }
    const double saved = leadingNumber(m_verification.knownInhabitants);
    if (m_verification.count == 1 && saved > result()) {
        m_verificaEnabled = false;
        // A negative known field would step away from the target for ever.
        const double step = std::max(1.0, std::floor(leadingNumber(text(Field::abitnoti)) / 10000));
        rebalance(step, true);
    }
    if (m_verification.count == 1 && saved < result()) {
        m_verificaEnabled = false;
        rebalance(1, false);
    }
    m_verificaEnabled = true;
    m_passo = ProjectionTexts::kAfterRebalance;
}

// One step of the loop; true when the loop must stop: the comparison turned,
// or the projection stopped with a message or left no result.
bool ProjectionModel::rebalanceIteration(double knownInhabitants, bool upward, double saved)
{
    setText(Field::abitnoti, NumberReading::plainText(knownInhabitants));
    if (!eseguoSimulazione() || m_popolazione.isEmpty())
        return true;
    return upward ? !(result() < saved) : !(result() > saved);
}

void ProjectionModel::rebalance(double step, bool upward)
{
    const double saved = leadingNumber(m_verification.knownInhabitants);
    auto next = [&] {
        const double known = leadingNumber(text(Field::abitnoti));
        return upward ? known + step : known - step;
    };
    const RebalanceSearch::Loop loop{leadingNumber(text(Field::abitnoti)), step, upward, saved};
    const qint64 before = m_operations;
    if (rebalanceIteration(next(), upward, saved))
        return;
    const qint64 perProjection = m_operations - before;
    count();
    const qint64 limit = RebalanceSearch::stepLimit(GridViewport::usedRows(m_span));
    if (m_rebalanceShortcut && rebalanceQuickly(loop, perProjection, limit))
        return;
    for (qint64 literal = 1;; ++literal) {
        if (literal > limit) {
            showDataError(rebalanceGaveUp(limit));
            return;
        }
        if (m_rebalanceProgress && !m_rebalanceProgress(literal))
            return;
        if (rebalanceIteration(next(), upward, saved))
            return;
        count();
    }
}

// Steps 2 to n - 1 would each repeat the same projection with a result still
// on the same side: step n runs at once, and their counts are added. True when
// the loop is over; false when it goes on one step at a time from here.
bool ProjectionModel::rebalanceQuickly(const RebalanceSearch::Loop &loop, qint64 perProjection, qint64 limit)
{
    const auto params = readParams();
    if (!params)
        return false;
    auto jumpTo = [&](qint64 n) {
        count((n - 2) * (perProjection + 1));
        if (rebalanceIteration(RebalanceSearch::knownAt(loop, n), loop.upward, loop.target))
            return true;
        count();
        return false;
    };
    if (ProjectionEngine::isMonotone(*params))
        return jumpTo(RebalanceSearch::firstStopByBisection(*params, loop));
    // Any other data: every step judged in turn, far faster than through the window.
    const RebalanceSearch::ScanEnd end = RebalanceSearch::scan(*params, loop, limit, m_rebalanceProgress);
    if (jumpTo(end.step) || end.why == RebalanceSearch::ScanEnd::Why::Cancelled)
        return true;
    showDataError(rebalanceGaveUp(limit));
    return true;
}

// Why the loop gave up: on data whose result does not grow steadily with the
// known inhabitants, what makes it so.
QString ProjectionModel::rebalanceGaveUp(qint64 attempts) const
{
    const auto params = readParams();
    const auto why = params ? ProjectionEngine::irregularity(*params) : ProjectionEngine::Irregularity::None;
    switch (why) {
    case ProjectionEngine::Irregularity::WomenAtLimit:
        return ProjectionTexts::rebalanceGaveUp(attempts, ProjectionTexts::kIrregularWomen);
    case ProjectionEngine::Irregularity::FactorNearZero:
        return ProjectionTexts::rebalanceGaveUp(attempts, ProjectionTexts::kIrregularYear);
    case ProjectionEngine::Irregularity::None:
        break;
    }
    return ProjectionTexts::rebalanceGaveUp(attempts);
}
