#include "IstatTexts.h"

#include <QLocale>

namespace IstatTexts {

namespace {

QString number(double value)
{
    return QLocale(QLocale::Italian).toString(value, 'f', 0);
}

QString megabytes(qint64 bytes)
{
    constexpr qint64 kMegabyte = qint64{1024} * 1024;
    return QString::number((bytes + kMegabyte - 1) / kMegabyte);
}

QString quoted(const QStringList &items)
{
    return QStringLiteral("«") + items.join(QStringLiteral("», «")) + QStringLiteral("»");
}

} // namespace

QString inputName(IstatInput input)
{
    switch (input) {
    case IstatInput::StartYear:
        return QStringLiteral("Anno di partenza");
    case IstatInput::KnownInhabitants:
        return QStringLiteral("Numero di abitanti nell'anno di partenza");
    case IstatInput::FertilityRate:
        return QStringLiteral("Tasso di fecondità (%)");
    case IstatInput::WomenShare:
        return QStringLiteral("Donne in età feconda (% sulla popolazione)");
    case IstatInput::FertileStart:
        return QStringLiteral("Età inizio di procreazione");
    case IstatInput::FertileEnd:
        return QStringLiteral("Età di fine procreazione");
    case IstatInput::InfantMortality:
        return QStringLiteral("Mortalità infantile su 1000");
    case IstatInput::MedianAge:
        return QStringLiteral("Età mediana di morte");
    case IstatInput::Immigration:
        return QStringLiteral("Immigrazione x 1000");
    case IstatInput::Emigration:
        break;
    }
    return QStringLiteral("Emigrazione x 1000");
}

QString unreadable(const QString &file)
{
    return QStringLiteral("Il file «%1» non si può leggere.").arg(file);
}

QString notAFile(const QString &file)
{
    return QStringLiteral("«%1» non è un file: scegli il file scaricato dall'ISTAT.").arg(file);
}

QString fileTooLarge(const QString &file, qint64 maxBytes)
{
    return QStringLiteral("Il file «%1» è troppo grande per una tabella ISTAT dei comuni (più di %2 MB).")
        .arg(file, megabytes(maxBytes));
}

QString badZip(const QString &file)
{
    return QStringLiteral("L'archivio «%1» non si può aprire: non è un file ZIP integro.").arg(file);
}

QString noCsvInZip(const QString &file)
{
    return QStringLiteral("L'archivio «%1» non contiene un file CSV.").arg(file);
}

QString severalCsvInZip(const QString &file, const QStringList &members)
{
    return QStringLiteral("L'archivio «%1» contiene più file CSV (%2): scegli un archivio con un solo file.")
        .arg(file, quoted(members));
}

QString memberTooLarge(const QString &file, const QString &member, qint64 maxBytes)
{
    return QStringLiteral("Il file «%1» dell'archivio «%2» è troppo grande per una tabella ISTAT dei comuni (più di "
                          "%3 MB).")
        .arg(member, file, megabytes(maxBytes));
}

QString memberUnreadable(const QString &file, const QString &member)
{
    return QStringLiteral("Il file «%1» dell'archivio «%2» non si può leggere.").arg(member, file);
}

QString missingColumn(const QString &file, const QString &kind, const QString &column)
{
    return QStringLiteral("Il file «%1» non è %2: manca la colonna «%3».").arg(file, kind, column);
}

QString noYear(const QString &file)
{
    return QStringLiteral("Il file «%1» non dice a quale anno si riferisce, né nel titolo né nel nome.").arg(file);
}

QString tooManyLines(const QString &file, qint64 maxLines)
{
    return QStringLiteral("Il file «%1» ha più di %2 righe: troppe per una tabella ISTAT dei comuni.")
        .arg(file, number(double(maxLines)));
}

QString tooWide(const QString &file, qint64 line, int maxFields)
{
    return QStringLiteral("Il file «%1», riga %2: più di %3 colonne.").arg(file).arg(line).arg(maxFields);
}

QString shortLine(const QString &file, qint64 line)
{
    return QStringLiteral("Il file «%1», riga %2: la riga ha meno colonne dell'intestazione.").arg(file).arg(line);
}

QString notACount(const QString &file, qint64 line, const QString &value, const QString &column)
{
    return QStringLiteral("Il file «%1», riga %2: «%3» nella colonna «%4» non è un numero di persone.")
        .arg(file)
        .arg(line)
        .arg(value, column);
}

QString negativeFlow(const QString &file, qint64 line)
{
    return QStringLiteral("Il file «%1», riga %2: iscritti o cancellati negativi.").arg(file).arg(line);
}

QString listedTwice(const QString &file, const QString &code, qint64 firstLine, qint64 line)
{
    return QStringLiteral("Il file «%1» elenca due volte il comune con codice %2 (righe %3 e %4).")
        .arg(file, code)
        .arg(firstLine)
        .arg(line);
}

QString badAge(const QString &file, qint64 line, const QString &value)
{
    return QStringLiteral("Il file «%1», riga %2: l'età «%3» non è tra 0 e 100 né 999 (il totale).")
        .arg(file)
        .arg(line)
        .arg(value);
}

QString tooManyMunicipalities(const QString &file, int maxMunicipalities)
{
    return QStringLiteral("Il file «%1» elenca più di %2 comuni: troppi per una tabella ISTAT.")
        .arg(file, number(maxMunicipalities));
}

QString ageTwice(const QString &file, qint64 line, const QString &code, int age)
{
    return QStringLiteral("Il file «%1», riga %2: l'età %3 del comune con codice %4 compare due volte.")
        .arg(file)
        .arg(line)
        .arg(age)
        .arg(code);
}

QString noBalance()
{
    return QStringLiteral("Scegli almeno un file del bilancio demografico ISTAT (P2).");
}

QString tooManyYears(int maxYears)
{
    return QStringLiteral("Si possono importare al massimo %1 anni di bilancio demografico.").arg(maxYears);
}

QString sameYear(const QString &file, const QString &other, int year)
{
    return QStringLiteral("I file «%1» e «%2» sono entrambi del %3: serve un solo file per anno.")
        .arg(file, other)
        .arg(year);
}

QString yearsNotConsecutive(int year, int next)
{
    return QStringLiteral("Gli anni dei bilanci non si seguono: dopo il %1 viene il %2. Servono anni consecutivi.")
        .arg(year)
        .arg(next);
}

QString municipalityNotFound(const QString &query, const QString &file)
{
    return QStringLiteral("Nessun comune del file «%1» ha il nome o il codice «%2».").arg(file, query);
}

QString municipalityNotFound(const QString &query, const QString &file, const QStringList &candidates)
{
    return municipalityNotFound(query, file) + QStringLiteral(" Forse: %1.").arg(candidates.join(QStringLiteral(", ")));
}

QString municipalityAmbiguous(const QString &query, const QStringList &candidates)
{
    return QStringLiteral("«%1» indica più comuni: %2. Scegline uno con il suo codice.")
        .arg(query, candidates.join(QStringLiteral(", ")));
}

QString absentInYear(const QString &name, const QString &code, int year, const QString &file)
{
    return QStringLiteral("Il comune %1 (%2) non compare nel bilancio del %3 («%4»).")
        .arg(name, code)
        .arg(year)
        .arg(file);
}

QString codeChanged(const QString &name, const QString &code, int year, const QString &other, int otherYear)
{
    return QStringLiteral("Il comune %1 ha il codice %2 nel %3 e %4 nel %5: i file non descrivono lo stesso comune.")
        .arg(name, code)
        .arg(year)
        .arg(other)
        .arg(otherYear);
}

QString nameChanged(const QString &code, const QString &name, int year, const QString &other, int otherYear)
{
    return QStringLiteral("Il comune con codice %1 si chiama %2 nel %3 e %4 nel %5: i file non descrivono lo stesso "
                          "comune.")
        .arg(code, name)
        .arg(year)
        .arg(other)
        .arg(otherYear);
}

QString absentInAges(const QString &name, const QString &code, const QString &file)
{
    return QStringLiteral("Il comune %1 (%2) non compare nella popolazione per età «%3».").arg(name, code, file);
}

QString nameChangedInAges(const QString &code, const QString &name, const QString &other, const QString &file)
{
    return QStringLiteral("Il comune con codice %1 si chiama %2 nei bilanci e %3 in «%4»: i file non descrivono lo "
                          "stesso comune.")
        .arg(code, name, other, file);
}

QString agesMissing(const QString &name, const QString &file)
{
    return QStringLiteral("Nel file «%1» mancano alcune età del comune %2.").arg(file, name);
}

QString choiceOutOfBounds(const QString &input, double lowest, double highest)
{
    return QStringLiteral("«%1» deve essere compreso tra %2 e %3.").arg(input, number(lowest), number(highest));
}

QString fertileEndNotAfterStart()
{
    return QStringLiteral("L'età di fine procreazione deve essere maggiore di quella di inizio.");
}

QString noPopulation(const QString &name)
{
    return QStringLiteral("Il comune %1 non ha abitanti negli anni scelti: nessun tasso si può ricavare.").arg(name);
}

QString deathsTooFew(qint64 deaths, const QString &infantDeaths)
{
    return QStringLiteral("I morti (%1) non superano i morti infantili ipotizzati (%2): l'età mediana di morte non si "
                          "può ricavare. Abbassa la mortalità infantile.")
        .arg(number(double(deaths)), infantDeaths);
}

QString noWomenTotal(const QString &name, const QString &file)
{
    return QStringLiteral("Nel file «%1» il comune %2 non ha abitanti: la quota delle donne in età feconda non si "
                          "può ricavare.")
        .arg(file, name);
}

QString derivedOutOfBounds(const QString &input, const QString &value, double lowest, double highest)
{
    return QStringLiteral("Il valore ricavato per «%1», %2, è fuori dai limiti del calcolo (da %3 a %4).")
        .arg(input, value, number(lowest), number(highest));
}

QString shareTooHigh(const QString &share, double maxShare)
{
    return QStringLiteral("La quota delle donne in età feconda, %1%, supera il %2%: non è il dato di un comune.")
        .arg(share, number(maxShare));
}

QString medianAgeBelowFertileEnd(const QString &age, const QString &end)
{
    return QStringLiteral("L'età mediana di morte ricavata dai dati (%1) è inferiore all'età di fine procreazione "
                          "(%2): il calcolo non accetterebbe questi dati. Controlla i file scelti e le età "
                          "fertili.")
        .arg(age, end);
}

} // namespace IstatTexts
