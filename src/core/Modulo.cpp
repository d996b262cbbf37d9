#include "Modulo.h"

#include "AppGlobals.h"
#include "Messenger.h"

AppGlobals &appGlobals()
{
    static AppGlobals globals;
    return globals;
}

namespace Modulo {

void InitProgramGlobals()
{
    AppGlobals &g = appGlobals();
    g.ProgramName = QStringLiteral("Vicania");
    g.ProgramDescription = QStringLiteral("stima del numero di abitanti in una località");
    g.ProgramVersion = QStringLiteral("1.03.05");
    g.ReleaseDate = QStringLiteral("25/12/2018");
    g.ReleaseCode = QStringLiteral("070219");
}

void InitDialogTitles()
{
    InitProgramGlobals();
    AppGlobals &g = appGlobals();
    g.DataCheckTitle = QStringLiteral("Vicania: controllo dati immessi nella finestra attiva");
    g.DeleteDialogTitle = QStringLiteral("Elimina: seleziona il file desiderato e clicca su Apri per cancellarlo");
    g.HelpTitle = QStringLiteral("Vicania: aiuto in linea");
}

bool askConfirmExit(Messenger &messenger)
{
    const Message question{QStringLiteral("Vuoi uscire da Vicania?"),
                           QStringLiteral("Attenzione: i dati non archiviati andranno persi !"),
                           Message::Icon::Question, Message::Buttons::YesNo, Message::Answer::No};
    return messenger.show(question) == Message::Answer::Yes;
}

} // namespace Modulo
