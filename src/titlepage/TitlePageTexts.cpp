#include "TitlePageTexts.h"

#include <QStringList>
#include <array>

namespace TitlePageTexts {

QString labelCaption(int index)
{
    static const std::array<const char *, 9> captions = {
        " ricerca......................:", " località......................:", " tipologia di studio......:",
        " committente..............:",     " luogo elaborazione...:",          " data elaborazione.....:",
        " allegati alla relazione :",      " studio professionale..:",         " indirizzo.....................:"};
    return index >= 0 && index < 9 ? QString::fromUtf8(captions[static_cast<std::size_t>(index)]) : QString();
}

QString labelTooltip(int index)
{
    static const std::array<const char *, 7> tooltips = {
        "il tipo di ricerca che si sta elaborando",
        "denominazione del luogo",
        "ad esempio: 'analisi situazione'; 'ipotesi situazione futura'; ecc.",
        "chi ha commissionato lo studio",
        "località in cui viene effettuata l'elaborazione dei dati",
        "impostata in automatico e modificabile",
        "grafici, disegni, planimetrie, foto, ecc."};
    return index >= 0 && index < 7 ? QString::fromUtf8(tooltips[static_cast<std::size_t>(index)]) : QString();
}

QString help()
{
    return QStringList{
        QStringLiteral("- Digitare o correggere i dati spostandosi con il tasto TAB, o con il mouse, nei campi;"),
        QStringLiteral("- la data viene impostata in automatico, ma è modificabile;"),
        QStringLiteral(
            "- aprire un file archiviato per prelevare, eventualmente, i dati registrati (Vicania-dati-...);"),
        QStringLiteral("- non digitare dati più lunghi di 60 spazi;"),
        QStringLiteral("- effettuare il controllo dei dati immessi cliccando sul tasto ABC.")}
        .join(u'\r');
}

} // namespace TitlePageTexts
