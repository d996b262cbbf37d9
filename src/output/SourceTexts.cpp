#include "SourceTexts.h"

#include "estimate/NumberReading.h"
#include "estimate/StudySnapshot.h"
#include "istat/IstatPastCheck.h"

namespace SourceTexts {

namespace {

QString tables(const StudySource &source)
{
    QStringList files;
    for (const StudySource::Year &y : source.years)
        files << y.file;
    const int first = source.years.front().year, last = source.years.back().year;
    const QString years = first == last ? QStringLiteral("dell'anno %1").arg(last)
                                        : QStringLiteral("degli anni %1–%2").arg(first).arg(last);
    QString text = QStringLiteral("I dati di partenza sono ricavati dalle tabelle dell'ISTAT (Istituto nazionale di "
                                  "statistica) per il comune di %1 (codice ISTAT %2): bilancio demografico dei "
                                  "comuni %3 (%4)")
                       .arg(source.name, source.code, years, files.join(QStringLiteral(", ")));
    if (!source.agesFile.isEmpty())
        text +=
            QStringLiteral(" e popolazione residente per età del %1 (%2)").arg(source.agesYear).arg(source.agesFile);
    text += u'.';
    QStringList provisional;
    for (const StudySource::Year &y : source.years) {
        if (y.provisional)
            provisional << QString::number(y.year);
    }
    if (!provisional.isEmpty())
        text += QStringLiteral(" I dati del %1 sono provvisori.").arg(provisional.join(QStringLiteral(", ")));
    return text;
}

// The value in the study now, when it is not the one imported.
std::optional<QString> changedTo(const StudySource::Input &in, const StudySnapshot &s)
{
    for (const ProjectionInputs::Row &row : ProjectionInputs::rows()) {
        if (ProjectionInputs::name(row.input) != in.name)
            continue;
        const QString now = s.input(row.input).text.trimmed();
        const auto a = NumberReading::italianNumber(now), b = NumberReading::italianNumber(in.value);
        const bool same = a && b ? *a == *b : now == in.value;
        return same ? std::nullopt : std::optional<QString>(now);
    }
    return std::nullopt;
}

QString caption(const StudySource::Input &in)
{
    for (const ProjectionInputs::Row &row : ProjectionInputs::rows()) {
        if (ProjectionInputs::name(row.input) == in.name)
            return ProjectionInputs::caption(row.input);
    }
    return in.name;
}

// The value and how it was found; the workbook adds the columns it came from,
// which the report's first paragraph names by their tables.
QString derivation(const StudySource::Input &in, bool withSource)
{
    if (in.assumption)
        return QStringLiteral("%1, %2.").arg(in.value, in.formula);
    // Every formula ends with the value it gives.
    if (!withSource)
        return in.formula + u'.';
    return QStringLiteral("%1. Fonte: %2.").arg(in.formula, in.source);
}

QString changeNote(const StudySource::Input &in, const StudySnapshot &s)
{
    const auto now = changedTo(in, s);
    if (!now)
        return {};
    return now->isEmpty() ? QStringLiteral(" Modificato a mano: nello studio il campo è vuoto.")
                          : QStringLiteral(" Modificato a mano: nello studio vale %1.").arg(*now);
}

QString check(const StudySource &source)
{
    if (source.check) {
        const StudySource::Check &c = *source.check;
        return IstatPastCheck::sentence(c.fromYear, c.toYear, c.start, c.computed, c.observed, c.difference, c.percent);
    }
    if (source.years.size() < 2)
        return QStringLiteral("Con un solo anno di dati non si è potuta fare la verifica sul passato.");
    return QStringLiteral("La verifica sul passato non ha dato un risultato.");
}

const QString kLegend =
    QStringLiteral("Nelle formule P1 e P31 sono la popolazione al 1° gennaio e al 31 dicembre, Pm = (P1 + P31) ÷ 2 la "
                   "popolazione media, B i nati vivi, D i morti, I ed E gli iscritti e i cancellati, m la mortalità "
                   "infantile, F gli anni di età feconda, A l'età mediana di morte; su più anni si sommano gli eventi "
                   "e le popolazioni medie.");

} // namespace

QStringList paragraphs(const StudySource &source, const StudySnapshot &s)
{
    QStringList out{tables(source), kLegend};
    for (const StudySource::Input &in : source.inputs)
        out << caption(in) + QStringLiteral(": ") + derivation(in, false) + changeNote(in, s);
    out << check(source);
    return out;
}

std::vector<std::pair<QString, QString>> rows(const StudySource &source, const StudySnapshot &s)
{
    std::vector<std::pair<QString, QString>> out{{QStringLiteral("Tabelle ISTAT"), tables(source)},
                                                 {QStringLiteral("Simboli"), kLegend}};
    for (const StudySource::Input &in : source.inputs)
        out.emplace_back(caption(in), derivation(in, true) + changeNote(in, s));
    out.emplace_back(QStringLiteral("Verifica sul passato"), check(source));
    return out;
}

} // namespace SourceTexts
