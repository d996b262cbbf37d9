// Qt's own texts (standard buttons, file dialogs, context menus) in Italian,
// whatever the machine's language, from the translations of the Qt on the
// system.
#pragma once

class QCoreApplication;

namespace ItalianTranslations {

// False when the system has no Italian translation of Qt (the texts of Qt
// then stay in English; the program's own are Italian anyway).
bool install(QCoreApplication &app);

} // namespace ItalianTranslations
