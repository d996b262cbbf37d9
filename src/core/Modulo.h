// Shared procedures of the program that need no window.
#pragma once

#include <QString>

class Messenger;

namespace Modulo {

void InitProgramGlobals();
// Runs InitProgramGlobals first, then sets the message and dialog titles.
void InitDialogTitles();

// Asks whether to leave the program; true on Yes. The caller unloads the windows.
bool askConfirmExit(Messenger &messenger);

} // namespace Modulo
