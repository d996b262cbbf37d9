#include "InputFields.h"

#include "ProjectionTexts.h"
#include "estimate/NumberReading.h"

#include <algorithm>
#include <cmath>

using NumberReading::italianNumber;
using NumberReading::leadingNumber;
using Input = ProjectionInput;

namespace {

class Changes {
public:
    explicit Changes(InputFields::Owner &owner) : m_owner(owner) { m_owner.beginChanges(); }
    ~Changes() { m_owner.endChanges(); }
    Changes(const Changes &) = delete;
    Changes &operator=(const Changes &) = delete;

private:
    InputFields::Owner &m_owner;
};

} // namespace

void InputFields::load()
{
    m_texts[ProjectionInputs::index(Input::pdf)] = QString::number(kShareStart);
    m_vscroll2 = kShareStart;
}

void InputFields::setText(Input input, const QString &text)
{
    const Changes changes(m_owner);
    QString &held = m_texts[ProjectionInputs::index(input)];
    if (held == text)
        return;
    held = text;
    changed(input);
}

void InputFields::typeText(Input input, const QString &text)
{
    m_typing = true;
    setText(input, text);
    m_typing = false;
}

void InputFields::leaveField(Input input)
{
    const Changes changes(m_owner);
    if (input == Input::aspvita && m_medianAgeUnchecked)
        checkMedianAge();
}

void InputFields::setVScroll2(int value)
{
    const Changes changes(m_owner);
    value = std::clamp(value, kShareMinimum, kShareMaximum);
    if (value == m_vscroll2)
        return;
    m_vscroll2 = value;
    setText(Input::pdf, QString::number(value));
}

// The one change handler. Every change updates the guidance and lets a result
// computed before go, except a median age refused by its check.
void InputFields::changed(Input input)
{
    const QString &t = text(input);
    switch (input) {
    case Input::aspvita:
        if (m_typing)
            m_medianAgeUnchecked = true;
        else if (!checkMedianAge())
            return;
        break;
    case Input::immigr:
        if (leadingNumber(t) != 0)
            m_lastImmigrationRate = t;
        break;
    case Input::emigr:
        if (leadingNumber(t) != 0)
            m_lastEmigrationRate = -italianNumber(t).value_or(leadingNumber(t));
        break;
    case Input::pdf:
        // The scroll bar follows a share written as text (a study's).
        if (const auto share = italianNumber(t); share && std::isfinite(*share))
            m_vscroll2 = static_cast<int>(std::clamp(std::round(*share), double(kShareMinimum), double(kShareMaximum)));
        break;
    default:
        break;
    }
    m_owner.inputChanged();
}

QString InputFields::guidance() const
{
    for (const ProjectionInputs::Row &row : ProjectionInputs::rows()) {
        if (row.prompt && text(row.input).isEmpty())
            return ProjectionInputs::prompt(row.input);
    }
    return ProjectionTexts::kReadyToCompute;
}

bool InputFields::checkPendingMedianAge()
{
    return !m_medianAgeUnchecked || checkMedianAge();
}

// Compared as numbers, so 100 is no lower than 49; a text that is no number
// is left to the calculation's own checks.
bool InputFields::checkMedianAge()
{
    m_medianAgeUnchecked = false;
    const auto age = italianNumber(text(Input::aspvita)), end = italianNumber(text(Input::finefert));
    if (!age || !end || *age >= *end)
        return true;
    m_owner.tellInputError(ProjectionTexts::kMedianAgeWarning, ProjectionInputs::focusControl(Input::aspvita));
    return false;
}

double InputFields::typedFertileSpan() const
{
    const auto begin = italianNumber(text(Input::iniziofert)), end = italianNumber(text(Input::finefert));
    if (begin && end && std::isfinite(*end - *begin) && *end - *begin > 0)
        return *end - *begin;
    return 35;
}
