#include "HelpDocuments.h"

#include "core/AppGlobals.h"
#include "word/DocumentWriter.h"

namespace HelpDocuments {

void guidePage(DocumentWriter &w, const QString &title, const QString &text)
{
    const AppGlobals &g = appGlobals();
    w.newDocument();
    w.setLineSpacing12();
    w.pageSetupA4();
    w.setFontName(kDocumentFont);
    w.setFontSize(20);
    w.typeText(g.ProgramName + u'\r');
    w.setFontSize(16);
    w.typeText(g.ProgramDescription + QStringLiteral("\r\r\r"));
    w.typeText(QStringLiteral("Guida: ") + title + QStringLiteral("\r\r"));
    w.setFontSize(12);
    w.typeText(text + u'\r');
    w.numberPages(false);
    w.alignAll(DocumentWriter::Alignment::Justify);
    w.setProperties(QStringLiteral("Guida: ") + title, documentAuthor(g.StudioName, g.ProgramName));
}

void contents(DocumentWriter &w, const QStringList &titles, const QStringList &texts)
{
    const AppGlobals &g = appGlobals();
    // No common set-up here: the word processor's own paper and spacing.
    w.newDocument();
    w.setFontName(kDocumentFont);
    w.setFontSize(20);
    w.typeText(g.ProgramName + u'\r');
    w.setFontSize(16);
    w.typeText(g.ProgramDescription + QStringLiteral("\r\r\r"));
    for (qsizetype i = 0; i < titles.size(); ++i) {
        w.typeText(QStringLiteral("Guida: ") + titles[i] + QStringLiteral("\r\r"));
        if (i == 0)
            w.setFontSize(12);
        w.typeText(texts[i] + u'\r');
        if (i + 1 < titles.size())
            w.typeText(QStringLiteral("\f"));
    }
    w.numberPages(false);
    w.alignAll(DocumentWriter::Alignment::Justify);
    w.setProperties(QStringLiteral("Guida di ") + g.ProgramName, documentAuthor(g.StudioName, g.ProgramName));
}

QString editionLine(const QString &version, const QString &releaseDate, const QString &releaseCode)
{
    const int year = releaseDate.section(u'/', 2, 2).toInt();
    // A number turned into text keeps a blank for its sign.
    const QString yearText = (year >= 0 ? QStringLiteral(" ") : QString()) + QString::number(year);
    return QStringLiteral("edizione professionale - versione ") + version + QStringLiteral("  ") + yearText +
           QStringLiteral("- 20") + releaseCode.right(2);
}

} // namespace HelpDocuments
