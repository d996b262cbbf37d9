// The shared procedures that move between windows, by their usual names:
// each is the one program's own.
#pragma once

#include <QString>

namespace Modulo {

// Shows the projection window, loading it first when needed.
void OpenProjectionWindow();
// Shows the title-page window, loading it first when needed.
void OpenTitlePageWindow();
// Shows a window by name, modeless, loading it first when needed; a name
// outside the set of windows shows nothing.
void ShowWindow(const QString &name);

// Prints the guide page named by GuidePageTitle and GuidePageText.
void PrintGuidePage();
// Asks, and on Yes leaves to the splash.
void ConfirmExit();
// Unloads every window, resumes the music and shows the splash with its
// closing text.
void LeaveToSplash();

} // namespace Modulo
