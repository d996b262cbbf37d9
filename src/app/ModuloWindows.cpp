#include "ModuloWindows.h"

#include "Program.h"
#include "core/Modulo.h"

namespace Modulo {

void OpenProjectionWindow()
{
    Program::instance().showWindow(WindowId::stimaabitanti);
}

void OpenTitlePageWindow()
{
    Program::instance().showWindow(WindowId::frontespizio);
}

void ShowWindow(const QString &name)
{
    if (const auto id = WindowNames::find(name))
        Program::instance().showWindow(*id);
}

void PrintGuidePage()
{
    Program::instance().printGuidePage(GuidePageTitle, GuidePageText);
}

void ConfirmExit()
{
    Program::instance().confirmExit();
}

void LeaveToSplash()
{
    Program::instance().leaveToSplash();
}

} // namespace Modulo
