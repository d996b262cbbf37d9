#include "GuideTexts.h"

#include "core/WindowNames.h"

#include <array>

namespace GuideTexts {

const QStringList &windowNames()
{
    static const QStringList names = WindowNames::guidePageNames();
    return names;
}

namespace {

struct Page {
    const char *title;
    const char *text;
};

// In the order of the help contents.
constexpr std::array<Page, kPageCount> kPages = {{
    {"MANUALE D'USO RAPIDO",
     "Il programma Vicania simula il calcolo degli abitanti di una zona (un comune, una frazione, un quartiere) "
     "in un anno scelto, partendo dagli abitanti noti in un altro anno e da pochi indici demografici: tasso di "
     "fecondità, età di inizio e di fine procreazione, mortalità infantile, età mediana di morte, quota di donne "
     "in età feconda e, se noti, i tassi di immigrazione e di emigrazione. Dati e risultati stanno in un'unica "
     "finestra, la finestra di calcolo. Il riquadro giallo in alto, «Segui questi passaggi:», indica sempre "
     "quale dato scrivere; si passa da una casella all'altra con il tasto TAB e i decimali si scrivono con la "
     "virgola. Premendo 'Calcola' il programma esegue la simulazione anno per anno, in avanti se l'anno di "
     "arrivo segue quello di partenza, all'indietro se lo precede (per esempio per risalire a un anno passato da "
     "un censimento recente). Il numero di abitanti calcolato compare nel riquadro giallo e la tabella celeste "
     "riporta i valori di ogni anno. Il pulsante 'Verifica' rifà il calcolo in senso inverso, scambiando l'anno "
     "di partenza con quello di arrivo e mettendo il risultato al posto degli abitanti noti; se il valore "
     "ottenuto si scosta da quello iniziale, 'Riequilibra' corregge per passi successivi il numero di abitanti "
     "fino a farlo coincidere con quello immesso all'inizio. Tra anno di partenza e anno di arrivo possono "
     "esserci al massimo 199 anni, cioè 200 anni di tabella: per periodi più lunghi conviene dividere lo studio "
     "in tratti omogenei, usando il risultato di un tratto come partenza del successivo. I dati si trovano "
     "presso gli uffici di statistica nazionali, regionali e provinciali, l'ufficio anagrafe del comune, gli "
     "annuari statistici e, per il passato, i registri parrocchiali e gli archivi storici. I dati immessi e "
     "quelli del frontespizio si archiviano con il menu File, Salva, e si richiamano con File, Apri; i risultati "
     "non si archiviano, perché si ottengono di nuovo con 'Calcola'. Con 'Stampa' si ottiene un documento Word "
     "con dati e risultati; con 'Frontespizio' si preparano i dati della relazione completa."},
    {"Funzionamento del programma",
     "'Vicania' è un programma di semplice e veloce utilizzo per la stima del numero degli abitanti di un luogo. "
     "Il calcolo si basa sui dati della finestra di calcolo: abitanti nell'anno di partenza, tasso di fecondità, "
     "età di inizio e di fine procreazione, mortalità infantile, età mediana di morte, quota di donne in età "
     "feconda e, facoltativi, i tassi di immigrazione e di emigrazione. Per ogni anno il programma ricava le "
     "donne in età feconda come quota degli abitanti; le nascite sono le donne per il tasso di fecondità, "
     "diminuite della mortalità infantile e divise per gli anni fecondi (età di fine meno età di inizio "
     "procreazione); i morti sono gli abitanti divisi per l'età mediana di morte. Nascite meno morti danno "
     "l'aumento o la diminuzione naturale. Immigrati ed emigrati, per mille abitanti, si applicano all'inizio di "
     "ogni anno escluso il primo (e, nel calcolo in avanti, anche l'ultimo). La popolazione così ottenuta, "
     "arrotondata all'unità, diventa la base dell'anno successivo, o di quello precedente nel calcolo "
     "all'indietro. Il risultato si controlla con 'Verifica', che rifà il calcolo in senso inverso, e si affina "
     "con 'Riequilibra', che corregge gli abitanti per passi successivi."},
    {"Archivio dati",
     "E' possibile memorizzare in appositi files i dati immessi e richiamarli al momento opportuno. Per salvare "
     "uno studio si usa il menu File, Salva o Salva con nome: occorre aver eseguito il calcolo e aver compilato "
     "almeno la voce 'Ricerca' del frontespizio. Per convenzione il nome del file comincia con «Vicania-dati-» "
     "seguito da un nome a scelta, che si scrive nella finestra di salvataggio, per esempio "
     "«Vicania-dati-Roccaventosa»; la finestra propone l'ultimo nome usato. Il file contiene due righe: i dati "
     "di calcolo e i dati del frontespizio. I risultati non vengono archiviati: dopo aver riaperto lo studio con "
     "File, Apri basta premere 'Calcola' per ottenerli di nuovo. Il salvataggio avviene in modo sicuro: se non "
     "va a buon fine, il file precedente resta integro. Per togliere un file che non serve più si usa File, "
     "Elimina: il file scelto viene cancellato subito, senza un'ulteriore domanda, quindi conviene controllare "
     "bene la scelta. Il comando 'Cancella dati finestra' svuota invece soltanto le caselle dei dati, senza "
     "toccare i file archiviati. Un file già pronto da provare è lo studio di esempio "
     "«Vicania-dati-esempio-Roccaventosa»."},
    {"Dati di calcolo",
     "La finestra di calcolo richiede l'introduzione dei dati completi per poter procedere con la simulazione. "
     "Sono obbligatori l'anno di partenza, gli abitanti in quell'anno, il tasso di fecondità, le età di inizio "
     "(non meno di 14) e di fine procreazione (non oltre 49), la mortalità infantile su 1000 nati, l'età mediana "
     "di morte (non minore dell'età di fine procreazione), l'anno di arrivo e la quota di donne in età feconda, "
     "scelta con la piccola barra tra 10 e 40 (il pulsante '?' ne suggerisce un valore). Sono facoltative solo "
     "l'immigrazione e l'emigrazione per mille: le loro caselle sono celeste chiaro e, se vuote, valgono zero. "
     "Le altre caselle sono bianche, mentre le celle dei risultati sono azzurre. Il riquadro giallo in alto "
     "indica il dato da scrivere, il tasto TAB porta alla casella successiva e i decimali vanno scritti con la "
     "virgola. Se manca un dato o una casella contiene un testo che non è un numero, 'Calcola' non procede e lo "
     "segnala con un messaggio. Dopo il calcolo, 'Verifica' lo ripete all'indietro partendo dal risultato e "
     "'Riequilibra' corregge gli abitanti per passi successivi. Con File, Importa dati ISTAT... i dati si "
     "ricavano dai file dell'ISTAT di un comune (bilanci P2 e, facoltativa, popolazione per età POSAS), con "
     "un'anteprima di valori, formule e fonti."},
    {"Risultati del calcolo",
     "I risultati delle iterazioni sono riportati nella tabella a sfondo celeste. Le colonne, nell'ordine, sono: "
     "Anno; Abitanti; Immigrati ed Emigrati, indicati senza segno; Donne in età feconda; Nascite, cioè i nati "
     "che superano i primi anni di vita; Mortalità, i bambini morti nei primi anni; Morti, i decessi dopo l'età "
     "mediana di morte; +/- abit., l'aumento o la diminuzione naturale. Tutti i valori, tranne l'anno, sono "
     "arrotondati all'unità più vicina (le metà per eccesso). La tabella mostra dieci anni alla volta: gli altri "
     "si vedono con la barra di scorrimento verticale, e passando il mouse su un anno l'intera riga si colora di "
     "giallo. Gli abitanti dell'anno di arrivo compaiono nel riquadro giallo accanto alla voce 'numero di "
     "abitanti calcolato', mentre il contatore 'operazioni eseguite' indica quanti calcoli sono stati svolti. I "
     "risultati non vengono archiviati: si ottengono di nuovo riaprendo lo studio e premendo 'Calcola'. Si "
     "possono però stampare con 'Stampa' in un documento Word (.docx), salvato nella cartella Vicania dei "
     "Documenti e aperto subito nel programma di videoscrittura."},
    {"Esempio di calcolo",
     "Un esempio di calcolo, con i dati di prova archiviati nel software, consente di vedere come funziona il "
     "programma in un caso concreto. Si apre con File, Apri scegliendo il file "
     "«Vicania-dati-esempio-Roccaventosa». Roccaventosa è un comune collinare di fantasia: lo studio stima i "
     "suoi abitanti nel 1991 partendo dal censimento del 2021, cioè con un calcolo all'indietro. Anche le fonti "
     "sono esempi inventati: 4873 abitanti nel 2021 (ufficio anagrafe); tasso di fecondità 1,32 e donne in età "
     "feconda 23% (annuario statistico regionale); età di procreazione da 15 a 45 anni e mortalità infantile 4 "
     "per mille (azienda sanitaria locale); età mediana di morte 81 anni (registri parrocchiali); immigrazione 6 "
     "ed emigrazione 9 per mille (pratiche anagrafiche); anno di arrivo 1991. Premendo 'Calcola' si ottengono "
     "5689 abitanti nel 1991: in trent'anni il paese si è ridotto, perché gli emigrati hanno superato gli "
     "immigrati e le nascite sono state poche. Premendo poi 'Verifica' il calcolo viene ripetuto in avanti dal "
     "1991 al 2021 partendo dal risultato, per controllare quanto ci si avvicina ai 4873 abitanti iniziali."},
    {"Finestra FRONTESPIZIO",
     "Questa finestra riguarda i dati destinati al frontespizio della Relazione da stampare. Si apre con il "
     "pulsante 'Frontespizio' quando è disponibile un risultato. La voce 'ricerca' dà il nome allo studio ed è "
     "indispensabile per salvarlo; la 'tipologia di studio' ne chiarisce lo scopo, per esempio 'analisi "
     "situazione' o 'ipotesi situazione futura'; la 'località' indica il luogo studiato e il 'committente' chi "
     "ha chiesto il lavoro. Il luogo e la data di elaborazione (la data di oggi è proposta in automatico ma si "
     "può cambiare) collocano la relazione, mentre gli 'allegati alla relazione' elencano i documenti che la "
     "accompagnano. Nome e indirizzo dello studio professionale si impostano una volta sola dal menu Modifica, "
     "'Studio professionale...', e restano validi nelle sessioni successive. I dati del frontespizio sono "
     "salvati nel file dello studio insieme ai dati di calcolo. Il 'Controllo dati immessi' segnala se mancano "
     "delle voci. Con 'Stampa' si ottiene la relazione completa, scritta in carattere Century Gothic: è un "
     "documento Word comodo da modificare, completare, stampare e conservare; dalla stessa finestra si può "
     "stampare anche il solo frontespizio."},
}};

} // namespace

QString title(int page)
{
    return QString::fromUtf8(kPages[static_cast<std::size_t>(page)].title);
}
QString text(int page)
{
    return QString::fromUtf8(kPages[static_cast<std::size_t>(page)].text);
}

} // namespace GuideTexts
