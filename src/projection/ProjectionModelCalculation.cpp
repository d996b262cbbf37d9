// The calculation and verification handlers of ProjectionModel.
#include "ProjectionModel.h"
#include "ProjectionTexts.h"
#include "core/AppGlobals.h"
#include "core/Modulo.h"
#include "estimate/NumberReading.h"

#include <QLocale>
#include <cmath>

using NumberReading::italianNumber;
using NumberReading::leadingNumber;
using Field = ProjectionModel::Field;

namespace {

using ProjectionInputs::Reading;
using ProjectionInputs::Row;

QString bound(double value)
{
    return QLocale(QLocale::Italian).toString(value, 'f', 0);
}

QString outOfBounds(const QString &caption, double lowest, double highest)
{
    return ProjectionTexts::outOfBounds(caption, bound(lowest), bound(highest));
}

} // namespace

void ProjectionModel::calcola_Click()
{
    NotifyScope scope(*this);
    const int previousRows = static_cast<int>(std::min<qint64>(m_span, ProjectionTable::kLastRow));
    for (int row = 1; row <= previousRows; ++row) {
        count();
        m_table.clearRow(row);
    }
    m_verification.startYear = text(Field::anno1);
    m_verification.targetYear = text(Field::anno2);
    m_verification.knownInhabitants = text(Field::abitnoti);
    eseguoSimulazione();
}

// Refuses, naming the field, what the arithmetic cannot use: text that is not
// a number, a value out of bounds, a year with decimals, divisions by zero,
// equal years.
bool ProjectionModel::checkNumbers()
{
    return checkTyped() && checkBounds() && checkArithmetic();
}

// The known inhabitants are read by their leading number whatever follows;
// the share, chosen with its scroll bar, is never blank.
bool ProjectionModel::checkTyped()
{
    for (const Row &r : ProjectionInputs::rows()) {
        const QString &t = text(r.input);
        if (r.reading == Reading::Leading || (t.isEmpty() && r.reading != Reading::Chosen) || italianNumber(t))
            continue;
        const QString caption = ProjectionInputs::caption(r.input);
        showDataError(r.reading == Reading::Chosen ? ProjectionTexts::shareNotANumber(caption)
                                                   : ProjectionTexts::notANumber(caption),
                      r.input);
        return false;
    }
    return true;
}

// Reached only once every field holds a number within its bounds.
bool ProjectionModel::checkArithmetic()
{
    auto numberIn = [this](Field f) { return *italianNumber(text(f)); };
    for (const Row &r : ProjectionInputs::rows()) {
        if (r.reading == Reading::Year && numberIn(r.input) != std::floor(numberIn(r.input))) {
            showDataError(ProjectionTexts::yearWithDecimals(ProjectionInputs::caption(r.input)), r.input);
            return false;
        }
    }
    if (numberIn(Field::finefert) - numberIn(Field::iniziofert) <= 0) {
        showDataError(ProjectionTexts::kFertileEndNotAfterStart, Field::finefert);
        return false;
    }
    if (numberIn(Field::aspvita) <= 0) {
        showDataError(ProjectionTexts::kMedianAgeNotPositive, Field::aspvita);
        return false;
    }
    if (numberIn(Field::anno1) == numberIn(Field::anno2)) {
        showDataError(ProjectionTexts::kSameYears, Field::anno2);
        return false;
    }
    return true;
}

// Each value within its bounds before anything is computed from it: the years
// first, then the numbers, the known inhabitants (a leading number too large
// for a double is refused like any other above the bound, not read as 0) and
// the share.
bool ProjectionModel::checkBounds()
{
    for (const Reading reading : {Reading::Year, Reading::Number, Reading::Leading, Reading::Chosen}) {
        for (const Row &r : ProjectionInputs::rows()) {
            if (r.reading != reading || text(r.input).isEmpty())
                continue;
            const std::optional<double> value =
                reading == Reading::Leading ? NumberReading::leadingValue(text(r.input)) : italianNumber(text(r.input));
            if (value && (!std::isfinite(*value) || *value < r.lowest || *value > r.highest)) {
                showDataError(outOfBounds(ProjectionInputs::caption(r.input), r.lowest, r.highest), r.input);
                return false;
            }
        }
    }
    return true;
}

std::optional<ProjectionParams> ProjectionModel::readParams() const
{
    auto number = [this](Field f) { return italianNumber(text(f)); };
    const auto s = number(Field::anno1), t = number(Field::anno2);
    const auto fert = number(Field::tassofert), begin = number(Field::iniziofert), end = number(Field::finefert);
    const auto infant = number(Field::mortinfanti), age = number(Field::aspvita);
    const auto imm = number(Field::immigr), em = number(Field::emigr), share = number(Field::pdf);
    if (!s || !t || !fert || !begin || !end || !infant || !age || !imm || !em || !share)
        return std::nullopt;
    ProjectionParams p;
    p.startYear = *s;
    p.backward = *s > *t;
    p.span = static_cast<int>(std::min(std::fabs(*t - *s), 1e9));
    p.fertilityRate = *fert;
    p.fertileSpan = *end - *begin;
    p.infantMortality = *infant;
    p.medianAgeAtDeath = *age;
    p.immigrationRate = *imm;
    p.emigrationRate = *em;
    p.womenShare = *share;
    return p;
}

// Returns true when the projection ran to its end.
bool ProjectionModel::eseguoSimulazione()
{
    NotifyScope scope(*this);
    m_clearTableOnly = true;
    cancelladati_Click();
    m_progressValue = 0;
    if (!checkInputs())
        return false;
    fillMissingMigration();
    m_calcolaEnabled = true;
    if (m_verification.count == 1)
        m_calcolaEnabled = false;
    const ProjectionParams params = *readParams();
    if (!acceptSpan(params))
        return false;
    return runProjection(params);
}

// The required fields typed, and every number one the arithmetic can use.
bool ProjectionModel::checkInputs()
{
    for (const Row &r : ProjectionInputs::rows()) {
        if (r.required && text(r.input).isEmpty()) {
            showDataError(ProjectionTexts::kRequiredMissing, r.input);
            return false;
        }
    }
    // A median age typed but not yet checked (Calcola by its access key, the
    // field still focused) is checked now; the program's own values were
    // checked when written, and stay warnings only.
    if (!checkNumbers() || !m_inputs.checkPendingMedianAge()) {
        // The table is gone and these data give none: no result either.
        setPopolazione(QString());
        return false;
    }
    return true;
}

// Migration left blank is none, and the window shows it.
void ProjectionModel::fillMissingMigration()
{
    if (text(Field::immigr).isEmpty()) {
        setText(Field::immigr, QStringLiteral("0"));
        count();
    }
    if (text(Field::emigr).isEmpty()) {
        setText(Field::emigr, QStringLiteral("0"));
        count();
    }
}

// The span is kept even when refused: the grid and the documents stop at row
// 200 all the same.
bool ProjectionModel::acceptSpan(const ProjectionParams &params)
{
    m_span = static_cast<qint64>(std::fabs(*italianNumber(text(Field::anno2)) - params.startYear));
    count();
    if (m_span <= 199)
        return true;
    showDataError(ProjectionTexts::kSpanTooLong, Field::anno2);
    if (Modulo::askConfirmExit(m_messenger))
        emit exitConfirmed();
    return false;
}

bool ProjectionModel::runProjection(const ProjectionParams &params)
{
    count(); // F
    noticeKnownInhabitantsReading();
    m_table.inhabitants[1] = leadingNumber(text(Field::abitnoti));
    m_progressMaximum = static_cast<int>(m_span) + 1;
    count();

    const ProjectionOutcome out = ProjectionEngine::run(params, m_table);
    count(out.operations);
    if (refuseRunaway(out.rowsDone))
        return false;
    m_progressValue = out.rowsDone;
    if (out.carried)
        setPopolazione(NumberReading::integerText(*out.carried));
    if (out.womenCheckFailed) {
        showDataError(ProjectionTexts::kTooFewWomen, Field::pdf);
        return false;
    }
    m_verification.count = 0;
    m_verificaEnabled = true;
    redrawGrid();
    return true;
}

// The known inhabitants are read by their leading number, as stored studies
// expect; a text that a reader would take for another number ("10.000",
// "12500 abitanti") is read all the same, and the user is told how, once.
void ProjectionModel::noticeKnownInhabitantsReading()
{
    const QString typed = text(Field::abitnoti);
    if (typed.isEmpty() || typed == m_knownTextNoticed)
        return;
    const double read = leadingNumber(typed);
    const auto plain = italianNumber(typed.trimmed());
    if (plain && *plain == read)
        return;
    m_knownTextNoticed = typed;
    notify({ProjectionTexts::knownInhabitantsReadAs(typed, NumberReading::plainText(read)), appGlobals().DataCheckTitle,
            Message::Icon::Exclamation},
           ProjectionInputs::focusControl(Field::abitnoti));
}

// Never an absurd table, result or document: nothing of it is kept.
bool ProjectionModel::refuseRunaway(int rows)
{
    if (withinBounds(rows))
        return false;
    for (int row = 1; row <= std::min(rows, ProjectionTable::kLastRow); ++row)
        m_table.clearRow(row);
    setPopolazione(QString());
    showDataError(ProjectionTexts::kResultOutOfBounds);
    return true;
}

bool ProjectionModel::withinBounds(int rows) const
{
    return ProjectionEngine::cellsWithinBounds(m_table, std::min(rows, ProjectionTable::kLastRow));
}

void ProjectionModel::verifica_Click()
{
    NotifyScope scope(*this);
    if (m_popolazione.isEmpty())
        return;
    ++m_verification.count;
    if (m_verification.count == 2) {
        setText(Field::anno1, m_verification.startYear);
        setText(Field::anno2, m_verification.targetYear);
        setText(Field::abitnoti, m_verification.knownInhabitants);
    } else {
        setText(Field::abitnoti, m_popolazione);
        const QString target = text(Field::anno2);
        setText(Field::anno2, text(Field::anno1));
        setText(Field::anno1, target);
    }
    eseguoSimulazione();
    m_passo = ProjectionTexts::kAfterVerify;
    m_riequilibraEnabled = false;
    if (leadingNumber(text(Field::abitnoti)) < result()) {
        m_riequilibraEnabled = true;
        m_verification.count = 1;
    }
}
