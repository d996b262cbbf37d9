#include "ProjectionTexts.h"

#include <QStringList>

namespace ProjectionTexts {

QString rebalancing(qint64 steps)
{
    return QStringLiteral("Riequilibrio in corso: %1 tentativi eseguiti...").arg(steps);
}

QString istatProvisional(const QStringList &years)
{
    return QStringLiteral("Dati provvisori (segnati dall'ISTAT con «p»): %1.").arg(years.join(QStringLiteral(", ")));
}

QString istatShareRaised(const QString &share)
{
    return QStringLiteral("La quota di donne in età feconda è alzata a %1%: con una quota minore il calcolo non "
                          "passerebbe il controllo delle donne in età feconda.")
        .arg(share);
}

QString istatNoPastCheck(int fromYear, int toYear)
{
    return QStringLiteral("Verifica sul passato: con questi dati il calcolo dal %1 al %2 non si completa.")
        .arg(fromYear)
        .arg(toYear);
}

QString help()
{
    return QStringList{
        QStringLiteral("- Aprire un file archiviato per prelevare i dati;"),
        QStringLiteral("- digitare i dati seguendo le indicazioni della casella gialla posta in alto;"),
        QStringLiteral("- digitare i decimali usando la virgola;"),
        QStringLiteral("- visualizzare gli anni successivi con la barra di scorrimento verticale;"),
        QStringLiteral("- evidenziare i risultati spostando il mouse sul numero dell'anno corrispondente;"),
        QStringLiteral("- effettuare il controllo del risultato cliccando sul tasto 'Verifica';"),
        QStringLiteral("- riequilibrare il risultato, con un calcolo a ritroso, cliccando sul tasto 'Riequilibra';"),
        QStringLiteral("- visualizzare l'uso dei tasti fermando il puntatore del mouse su di essi.")}
        .join(u'\r');
}

} // namespace ProjectionTexts
