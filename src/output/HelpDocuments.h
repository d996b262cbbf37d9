// The help documents: one guide page, and the seven pages together.
#pragma once

#include <QStringList>

class DocumentWriter;

namespace HelpDocuments {

void guidePage(DocumentWriter &w, const QString &title, const QString &text);
// titles and texts in the order of the help contents.
void contents(DocumentWriter &w, const QStringList &titles, const QStringList &texts);

// "edizione professionale - versione 1.03.05   2018- 2019"
QString editionLine(const QString &version, const QString &releaseDate, const QString &releaseCode);

} // namespace HelpDocuments
