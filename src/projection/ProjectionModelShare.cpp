// The share of fertile women of ProjectionModel: its scroll bar, its label and
// the suggestion of the "?" beside them.
#include "ProjectionModel.h"
#include "ProjectionTexts.h"
#include "core/AppGlobals.h"
#include "estimate/NumberReading.h"
#include "estimate/ProjectionEngine.h"

#include <algorithm>
#include <cmath>

using NumberReading::italianNumber;
using NumberReading::leadingNumber;
using Field = ProjectionModel::Field;

void ProjectionModel::setVScroll2(int value)
{
    NotifyScope scope(*this);
    value = std::clamp(value, kShareMinimum, kShareMaximum);
    if (value == m_vscroll2)
        return;
    m_vscroll2 = value;
    VScroll2_Change();
}

void ProjectionModel::setPdf(const QString &text)
{
    NotifyScope scope(*this);
    if (m_pdf == text)
        return;
    m_pdf = text;
    if (const auto share = italianNumber(text); share && std::isfinite(*share))
        m_vscroll2 = static_cast<int>(std::clamp(std::round(*share), double(kShareMinimum), double(kShareMaximum)));
    // A result computed with another share no longer holds.
    aggiornoPasso();
}

void ProjectionModel::VScroll2_Change()
{
    m_pdf = QString::number(m_vscroll2);
    aggiornoPasso();
}

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
    const double share = std::max<double>(kShareMinimum, ProjectionEngine::smallestWomenShare(typedFertileSpan(), age));
    const QString number = (share >= 0 ? QStringLiteral(" ") : QString()) + NumberReading::integerText(share);
    notify({ProjectionTexts::kShareSuggestionHead + number + ProjectionTexts::kShareSuggestionTail, title,
            Message::Icon::Information});
}

// The fertile span as the women check takes it; 14 to 49 until both ages
// are typed.
double ProjectionModel::typedFertileSpan() const
{
    const auto begin = italianNumber(text(Field::iniziofert)), end = italianNumber(text(Field::finefert));
    if (begin && end && std::isfinite(*end - *begin) && *end - *begin > 0)
        return *end - *begin;
    return 35;
}
