// The fixed Italian texts of the projection window.
#pragma once

#include <QString>

namespace ProjectionTexts {

// The inputs' own captions, prompts and tooltips are ProjectionInputs'.

inline const QString kOpening = QStringLiteral(
    "Apri un file archiviato oppure inizia digitando l'anno da cui partire e il numero degli abitanti relativo.");
inline const QString kReadyToCompute = QStringLiteral(
    "Clicca sul tasto 'Calcola' per visualizzare la griglia dei risultati riferiti a ogni anno del periodo, "
    "quindi sul tasto 'Verifica' per controllare e su 'Riequilibra' per adeguare il risultato alla più "
    "probabile realtà.");
inline const QString kAfterVerify = QStringLiteral(
    "Se i risultati non sono congrui, dopo la verifica, fai il riequilibro con metodo iterativo cliccando "
    "sul tasto 'Riequilibra'.");
inline const QString kAfterRebalance = QStringLiteral(
    "Ora puoi stampare i risultati direttamente in questa finestra, oppure procedere con il frontespizio per "
    "avere una relazione di calcolo completa.");

inline const QString kMedianAgeWarning =
    QStringLiteral("Attenzione: la vita mediana di morte non può essere inferire all'età finale di procreazione. "
                   "Modificare i dati.");
inline const QString kShareNeedsMedianAge =
    QStringLiteral("Qui si suggerisce il valore della percentuale di donne in età feconda dopo aver inserito la vita "
                   "mediana di morte.");
inline const QString kShareSuggestionHead = QStringLiteral(
    "La percentuale media (sulla popolazione), di donne in età feconda, in base all'età mediana di morte, "
    "dovrebbe essere");
inline const QString kShareSuggestionTail = QStringLiteral("%. Puoi comunque lasciare il valore immesso.");
inline const QString kShareNeedsPositiveMedianAge =
    QStringLiteral("Il suggerimento della percentuale di donne in età feconda richiede un'età mediana di morte "
                   "maggiore di zero.");
inline const QString kDataFormallyCorrect =
    QStringLiteral("I dati immessi sono formalmente corretti: ricorda che sono solo numeri e occorre la virgola per i "
                   "decimali. Segui le istruzioni nella casella gialla in alto alla pagina.");
inline const QString kDataMissing = QStringLiteral(
    "Occorre inserire i dati indicati nella casella gialla in alto alla pagina, prima di poter passare al "
    "calcolo o all'archiviazione di tutti i dati.");
inline const QString kRequiredMissing = QStringLiteral(
    "ATTENZIONE: occorre digitare tutti i dati richiesti, eventualmente tranne i tassi di immigrazione ed "
    "emigrazione.");
// The data check, naming the field by its caption.
inline QString notANumber(const QString &caption)
{
    return QStringLiteral("Il dato \"%1\" non è un numero valido: digita solo cifre, con la virgola per i decimali.")
        .arg(caption);
}
inline QString shareNotANumber(const QString &caption)
{
    return QStringLiteral("Il dato \"%1\" non è un numero valido: scegli il valore con la barra di scorrimento.")
        .arg(caption);
}
inline QString outOfBounds(const QString &caption, const QString &lowest, const QString &highest)
{
    return QStringLiteral("Il dato \"%1\" deve essere un numero da %2 a %3: correggi il dato.")
        .arg(caption, lowest, highest);
}
inline QString yearWithDecimals(const QString &caption)
{
    return QStringLiteral("Il dato \"%1\" deve essere un anno intero, senza decimali.").arg(caption);
}
inline const QString kFertileEndNotAfterStart =
    QStringLiteral("L'età di fine procreazione deve essere maggiore dell'età di inizio procreazione: correggi i dati.");
inline const QString kMedianAgeNotPositive =
    QStringLiteral("L'età mediana di morte deve essere maggiore di zero: correggi il dato.");
inline const QString kSameYears = QStringLiteral(
    "L'anno di arrivo coincide con l'anno di partenza: digita un anno di arrivo diverso per avere una stima.");

inline const QString kSpanTooLong =
    QStringLiteral("Attenzione: la massima differenza di anni non può superare il valore di 199.");
inline const QString kTooFewWomen = QStringLiteral(
    "Attenzione: la percentuale delle donne in età feconda è troppa bassa rispetto agli abitanti! Aumentarla.");
inline const QString kRebalanceHeavy =
    QStringLiteral("Attenzione: il riequilibro potrebbe essere troppo laborioso e bloccare il software. Continuare?");
inline QString rebalanceGaveUp(qint64 attempts)
{
    return QStringLiteral("Il riequilibrio è stato interrotto dopo %1 tentativi senza raggiungere il numero di "
                          "abitanti di partenza: controlla i dati immessi.")
        .arg(attempts);
}
// The same on data where every attempt has to be computed in full: why.
inline QString rebalanceGaveUp(qint64 attempts, const QString &why)
{
    return QStringLiteral("Il riequilibrio è stato interrotto dopo %1 tentativi senza raggiungere il numero di "
                          "abitanti di partenza: con questi dati %2, perciò ogni tentativo va calcolato per intero e "
                          "non se ne possono fare di più. Controlla i dati immessi.")
        .arg(attempts)
        .arg(why);
}
inline const QString kIrregularWomen =
    QStringLiteral("la percentuale delle donne in età feconda è proprio al limite del minimo ammesso");
inline const QString kIrregularYear =
    QStringLiteral("in un anno migrazioni, nascite e morti lasciano quasi nessun abitante");
inline const QString kSaveNeedsData =
    QStringLiteral("Inserisci tutti i dati, fai il calcolo e digita almeno il nome della 'Ricerca' (nella finestra "
                   "Frontespizio) e poi clicca su 'Calcola' per avere un controllo dei dati e poterli archiviare.");

inline const QString kOpenTitle = QStringLiteral("Apri file");
inline QString knownInhabitantsReadAs(const QString &typed, const QString &read)
{
    return QStringLiteral("Il numero di abitanti «%1» è letto come %2: si legge il numero iniziale, con il punto per "
                          "i decimali. Se intendevi un altro numero, scrivilo con le sole cifre, senza punti né "
                          "altri segni.")
        .arg(typed, read);
}
inline const QString kResultOutOfBounds =
    QStringLiteral("Con questi dati la simulazione porta a numeri troppo grandi per una popolazione: controlla i "
                   "dati immessi.");
// A study opened from outside (command line, drop) that cannot be opened.
inline QString unreadableStudy(const QString &file)
{
    return QStringLiteral("Il file \"%1\" non si può leggere: controlla che esista e che tu possa aprirlo.").arg(file);
}
inline QString notARegularFile(const QString &file)
{
    return QStringLiteral("\"%1\" non è un file di studio ma una cartella, un dispositivo o un canale: scegli un "
                          "file \"Vicania-dati-...\".")
        .arg(file);
}
inline QString tooLargeForAStudy(const QString &file)
{
    return QStringLiteral("Il file \"%1\" è troppo grande per essere uno studio di Vicania (più di 64 KiB): "
                          "non è stato letto.")
        .arg(file);
}
inline QString notAStudy(const QString &file)
{
    return QStringLiteral("Il file \"%1\" non è uno studio di Vicania: contiene meno di 20 dati.").arg(file);
}
// A field Salva cannot store, and a save that failed.
inline QString unstorableQuotes(const QString &caption)
{
    return QStringLiteral("Il dato \"%1\" contiene le virgolette (\"), che l'archivio non può conservare: "
                          "sostituiscile, ad esempio con un apice ('), e salva di nuovo.")
        .arg(caption);
}
inline QString unstorableCharacters(const QString &caption)
{
    return QStringLiteral("Il dato \"%1\" contiene caratteri che l'archivio non può conservare (ad esempio simboli "
                          "speciali o un ritorno a capo): sostituiscili e salva di nuovo.")
        .arg(caption);
}
inline QString saveFailed(const QString &file, const QString &error)
{
    return QStringLiteral("Non è stato possibile salvare lo studio nel file \"%1\" (%2). Il file precedente, se "
                          "c'era, è rimasto com'era.")
        .arg(file, error);
}
inline const QString kSaveTitle = QStringLiteral("Salva file con nome");
// The studies first, so the dialogs show them; every file a choice away.
inline const QString kOpenFilter = QStringLiteral("File Vicania-dati- | Vicania-dati-*|Tutti i file (*.*) | *.*");
inline const QString kDeleteFilter = QStringLiteral("File Vicania-dati- | Vicania-dati-*|Tutti i file (*.*)|*.*");
inline const QString kSaveFilter = QStringLiteral("File Vicania-dati- | Vicania-dati-*");
// Every study file name begins with it, so the open dialog lists it.
inline const QString kStudyPrefix = QStringLiteral("Vicania-dati-");
inline QString studySaved(const QString &file)
{
    return QStringLiteral("Lo studio è stato salvato nel file \"%1\".").arg(file);
}
inline QString replaceStudy(const QString &file)
{
    return QStringLiteral("Il file \"%1\" esiste già. Vuoi sostituirlo con lo studio di questa finestra?").arg(file);
}
inline const QString kDeleteButton = QStringLiteral("Elimina");
inline QString deleteQuestion(const QString &file)
{
    return QStringLiteral("Vuoi eliminare il file \"%1\"? Il file eliminato non si può recuperare.").arg(file);
}
inline QString deleteFailed(const QString &file, const QString &error)
{
    return QStringLiteral("Non è stato possibile eliminare il file \"%1\" (%2). Il file è rimasto com'era.")
        .arg(file, error);
}

// The window's own messages.
inline const QString kThisIsTheCalculation = QStringLiteral("E' questa la finestra per il calcolo!");
inline const QString kRebalancing = QStringLiteral("Riequilibrio in corso: tentativi eseguiti...");
QString rebalancing(qint64 steps);
inline const QString kRebalanceCancelled =
    QStringLiteral("Riequilibrio annullato: la finestra mostra il risultato dell'ultimo calcolo completato.");

// Importa dati ISTAT: the dialogs for its files, and what its preview says.
inline const QString kIstatBalanceTitle = QStringLiteral("Bilanci demografici ISTAT (P2)");
inline const QString kIstatAgesTitle = QStringLiteral("Popolazione per età ISTAT (POSAS)");
inline const QString kIstatFilter = QStringLiteral("Tabelle ISTAT (ZIP o CSV)|*.zip;*.csv|Tutti i file (*.*)|*.*");
inline const QString kIstatNoBalance =
    QStringLiteral("Aggiungi uno o più bilanci demografici (P2) dell'ISTAT, un file per anno, poi scegli il comune.");
inline const QString kIstatNoMunicipality =
    QStringLiteral("Scegli il comune nell'elenco: qui compariranno i dati ricavati dai file dell'ISTAT.");
QString istatProvisional(const QStringList &years);
QString istatShareRaised(const QString &share);
inline const QString kIstatOneYear =
    QStringLiteral("Verifica sul passato: con un solo anno di bilancio non si può fare; aggiungi i bilanci degli "
                   "anni precedenti.");
QString istatNoPastCheck(int fromYear, int toYear);

// The help of the window's Aiuto button, one line per advice.
QString help();

} // namespace ProjectionTexts
