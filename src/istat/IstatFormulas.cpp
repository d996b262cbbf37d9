#include "IstatFormulas.h"

#include "IstatTexts.h"

#include <QLocale>

namespace IstatFormulas {

namespace {

QString digits(qint64 scaled, int decimals, bool trim, bool grouped)
{
    qint64 unit = 1;
    for (int i = 0; i < decimals; ++i)
        unit *= 10;
    const qint64 magnitude = scaled < 0 ? -scaled : scaled;
    QString whole = grouped ? QLocale(QLocale::Italian).toString(magnitude / unit) : QString::number(magnitude / unit);
    QString fraction = decimals > 0 ? QString::number(magnitude % unit).rightJustified(decimals, u'0') : QString();
    if (trim) {
        while (fraction.endsWith(u'0'))
            fraction.chop(1);
    }
    const QString sign = scaled < 0 ? QStringLiteral("-") : QString();
    return sign + whole + (fraction.isEmpty() ? QString() : QStringLiteral(",") + fraction);
}

QString count(qint64 value)
{
    return shownText(value, 0);
}

QString yearsText(const IstatFigures &f)
{
    const int first = f.tables.front()->year, last = f.tables.back()->year;
    QString years = first == last ? QString::number(last) : QStringLiteral("%1–%2").arg(first).arg(last);
    QStringList provisional;
    for (std::size_t i = 0; i < f.rows.size(); ++i) {
        if (f.rows[i]->provisional)
            provisional.append(QString::number(f.tables[i]->year));
    }
    if (!provisional.isEmpty())
        years += QStringLiteral(", dati provvisori del %1").arg(provisional.join(QStringLiteral(", ")));
    return years;
}

// "ISTAT, bilancio demografico 2021–2023 (P2_2021.csv, ...): «A», «B»", each
// heading once however many years use it.
QString balanceSource(const IstatFigures &f, const std::function<QStringList(const BalanceTable &)> &columns)
{
    QStringList files, headings;
    for (const BalanceTable *t : f.tables) {
        files.append(t->fileName);
        for (const QString &h : columns(*t)) {
            if (!headings.contains(h))
                headings.append(h);
        }
    }
    return QStringLiteral("ISTAT, bilancio demografico %1 (%2): «%3»")
        .arg(yearsText(f), files.join(QStringLiteral(", ")), headings.join(QStringLiteral("», «")));
}

QStringList populations(const BalanceTable &t)
{
    return {t.p1Column, t.p31Column};
}

QString meanText(const IstatFigures &f)
{
    return QStringLiteral("((%1 + %2) ÷ 2)").arg(count(f.p1), count(f.p31));
}

DerivedInput item(IstatInput input, QString value, QString formula, QString source)
{
    return {input, IstatTexts::inputName(input), std::move(value), std::move(formula), std::move(source), false, false};
}

} // namespace

QString fieldText(qint64 scaled, int decimals, bool trim)
{
    return digits(scaled, decimals, trim, false);
}

QString shownText(qint64 scaled, int decimals, bool trim)
{
    return digits(scaled, decimals, trim, true);
}

namespace {

DerivedInput startYear(const IstatFigures &f)
{
    const int last = f.tables.back()->year;
    return item(IstatInput::StartYear, QString::number(last + 1), QStringLiteral("%1 + 1 = %2").arg(last).arg(last + 1),
                QStringLiteral("ISTAT, bilancio demografico %1 (%2): l'anno che segue l'ultimo bilancio")
                    .arg(last)
                    .arg(f.tables.back()->fileName));
}

DerivedInput knownInhabitants(const IstatFigures &f)
{
    const BalanceTable &t = *f.tables.back();
    return item(IstatInput::KnownInhabitants, fieldText(f.last->p31, 0),
                QStringLiteral("popolazione al 31 dicembre %1 = %2").arg(t.year).arg(count(f.last->p31)),
                QStringLiteral("ISTAT, bilancio demografico %1 (%2): «%3»").arg(t.year).arg(t.fileName, t.p31Column));
}

DerivedInput migration(const IstatFigures &f, bool in)
{
    const qint64 people = in ? f.inflow : f.outflow;
    const qint64 rate = in ? f.immigration100 : f.emigration100;
    const QString symbol = in ? QStringLiteral("I") : QStringLiteral("E");
    const QString formula = QStringLiteral("1000 × %1 ÷ Pm = 1000 × %2 ÷ %3 = %4")
                                .arg(symbol, count(people), meanText(f), shownText(rate, 2));
    QString source = balanceSource(
        f, [in](const BalanceTable &t) { return (in ? t.inflowColumns : t.outflowColumns) + populations(t); });
    if (std::any_of(f.tables.begin(), f.tables.end(), [](const BalanceTable *t) { return !t->grossFlows; }))
        source += in ? QStringLiteral("; dai saldi migratori, anno per anno, la loro somma quando positiva")
                     : QStringLiteral("; dai saldi migratori, anno per anno, la loro somma cambiata di segno quando "
                                      "negativa");
    return item(in ? IstatInput::Immigration : IstatInput::Emigration, fieldText(rate, 2), formula, source);
}

DerivedInput medianAge(const IstatFigures &f)
{
    const QString formula =
        QStringLiteral("Pm ÷ (D – B × m ÷ 1000) = %1 ÷ (%2 – %3 × %4 ÷ 1000) = %5")
            .arg(meanText(f), count(f.deaths), count(f.births), shownText(f.infantK, 3, true), shownText(f.age10, 1));
    const QString source = balanceSource(f, [](const BalanceTable &t) {
        return QStringList{t.deathsColumn, t.birthsColumn} + populations(t);
    });
    return item(IstatInput::MedianAge, fieldText(f.age10, 1), formula, source + QStringLiteral("; m: ipotesi"));
}

DerivedInput fertilityRate(const IstatFigures &f)
{
    const QString formula = QStringLiteral("B × F × 100 ÷ (Pm × quota) = %1 × %2 × 100 ÷ (%3 × %4) = %5")
                                .arg(count(f.births), shownText(f.endK - f.startK, 3, true), meanText(f),
                                     shownText(f.shareK, 3, true), shownText(f.fertility100, 2));
    const QString source =
        balanceSource(f, [](const BalanceTable &t) { return QStringList{t.birthsColumn} + populations(t); });
    return item(IstatInput::FertilityRate, fieldText(f.fertility100, 2), formula,
                source + QStringLiteral("; F e quota: vedi sopra"));
}

DerivedInput assumption(IstatInput input, qint64 valueK, const QString &formula)
{
    DerivedInput d = item(input, fieldText(valueK, 3, true), formula, QStringLiteral("ipotesi"));
    d.assumption = true;
    return d;
}

} // namespace

namespace {

// num ÷ den in hundredths, rounded half up, for showing only.
qint64 hundredths(qint64 num, qint64 den)
{
    return (200 * num + den) / (2 * den);
}

QString shareFormula(const IstatFigures &f)
{
    if (!f.ages)
        return QStringLiteral("quota già nella finestra = %1").arg(shownText(f.windowShareK, 3, true));
    return QStringLiteral(
               "100 × donne di età da %1 a meno di %2 anni ÷ abitanti = 100 × %3 ÷ %4 = %5, arrotondato a %6")
        .arg(shownText(f.startK, 3, true), shownText(f.endK, 3, true), count(f.women), count(f.total),
             shownText(hundredths(100 * f.women, f.total), 2), count(f.agesShare));
}

QString shareSource(const IstatFigures &f)
{
    if (!f.ages)
        return QStringLiteral("finestra di calcolo");
    return QStringLiteral("ISTAT, popolazione per età %1 (%2): «%3» alle età scelte, «%4» di tutte le età")
        .arg(QString::number(f.ages->year), f.ages->fileName, f.ages->womenColumn, f.ages->totalColumn);
}

DerivedInput womenShare(const IstatFigures &f)
{
    QString formula = shareFormula(f);
    if (f.raised) {
        formula += QStringLiteral("; alzata a %1: la verifica delle donne chiede almeno 50 × F ÷ A = 50 × %2 ÷ %3 = "
                                  "%4, arrotondato per eccesso")
                       .arg(shownText(f.shareK, 3, true), shownText(f.endK - f.startK, 3, true), shownText(f.age10, 1),
                            shownText(hundredths(f.endK - f.startK, 2 * f.age10), 2));
    }
    DerivedInput d = item(IstatInput::WomenShare, fieldText(f.shareK, 3, true), formula, shareSource(f));
    d.raised = f.raised;
    return d;
}

} // namespace

std::vector<DerivedInput> describe(const IstatFigures &f)
{
    const QString span =
        QStringLiteral("ipotesi dell'utente (F = %1 – %2 = %3)")
            .arg(shownText(f.endK, 3, true), shownText(f.startK, 3, true), shownText(f.endK - f.startK, 3, true));
    return {startYear(f),
            knownInhabitants(f),
            fertilityRate(f),
            womenShare(f),
            assumption(IstatInput::FertileStart, f.startK, QStringLiteral("ipotesi dell'utente")),
            assumption(IstatInput::FertileEnd, f.endK, span),
            assumption(IstatInput::InfantMortality, f.infantK,
                       QStringLiteral("ipotesi dell'utente: %1 morti nel primo anno ogni 1000 nati vivi")
                           .arg(shownText(f.infantK, 3, true))),
            medianAge(f),
            migration(f, true),
            migration(f, false)};
}

} // namespace IstatFormulas
