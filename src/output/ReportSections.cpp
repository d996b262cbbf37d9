#include "ReportSections.h"

#include "SourceTexts.h"
#include "core/AppGlobals.h"
#include "estimate/StudySnapshot.h"
#include "word/DocumentModel.h"
#include "word/DocumentWriter.h"
#include "word/PageFlow.h"

#include <array>

namespace ReportSections {

void start(DocumentWriter &w)
{
    w.newDocument();
    w.pageSetupA4();
    w.setLineSpacing12();
    w.setFontName(kDocumentFont);
}

void chapterTitle(DocumentWriter &w, const QString &title)
{
    w.setFontSize(16);
    w.typeText(title + QStringLiteral("\r\r"));
    w.setFontSize(12);
}

int pagesFromTop(const std::function<void(DocumentWriter &)> &write)
{
    DocumentModel probe;
    start(probe);
    write(probe);
    return PageFlow::estimate(probe).pages;
}

QString author()
{
    return documentAuthor(appGlobals().StudioName, appGlobals().ProgramName);
}

QString author(const StudySnapshot &s)
{
    return documentAuthor(s.officeName, appGlobals().ProgramName);
}

void dataTable(DocumentWriter &w, const StudySnapshot &s)
{
    w.addTable(ProjectionInputs::kCount + 1, 2);
    w.setTableFontSize(12);
    w.repeatHeadingRows(1);
    // The order of the study file: the share after the fertility rate.
    w.setCell(1, 1, QStringLiteral("Dati: tipo"));
    w.setCell(1, 2, QStringLiteral("valore"));
    int r = 2;
    for (const ProjectionInput which : ProjectionInputs::inFileOrder()) {
        w.setCell(r, 1, s.input(which).caption);
        w.setCell(r++, 2, s.input(which).text);
    }
    w.applyTableFormat9();
}

void source(DocumentWriter &w, const StudySnapshot &s)
{
    if (!s.source)
        return;
    w.setFontSize(14);
    w.typeText(SourceTexts::kHeading + QStringLiteral("\r"));
    w.setFontSize(12);
    for (const QString &paragraph : SourceTexts::paragraphs(*s.source, s))
        w.typeText(paragraph + u'\r');
}

std::array<std::pair<QString, QString>, 9> titlePageRows(const TitlePageData &p, const QString &officeName,
                                                         const QString &officeAddress)
{
    return {{
        {QStringLiteral("ricerca"), p.ricerca},
        {QStringLiteral("località"), p.localita},
        {QStringLiteral("tipologia di studio"), p.tipostudio},
        {QStringLiteral("committente"), p.committente},
        {QStringLiteral("luogo di elaborazione"), p.luogo},
        {QStringLiteral("data della elaborazione"), p.data},
        {QStringLiteral("allegati alla relazione"), p.allegati},
        {QStringLiteral("studio professionale"), officeName},
        {QStringLiteral("indirizzo dello studio"), officeAddress},
    }};
}

void legendTable(DocumentWriter &w)
{
    static const std::array<std::pair<const char *, const char *>, 10> rows = {{
        {"Risultati: colonna", "tipologia riferita all'anno"},
        {"anno", "periodo di partenza del calcolo"},
        {"abitanti", "numero simulato di abitanti"},
        {"immigrati", "totale di immigrati"},
        {"emigrati", "totale di emigrati"},
        {"fecondità", "numero di donne in età feconda"},
        {"nascite", "numero di nati che superano i primi anni"},
        {"mortalità", "numero di bambini morti nei primi anni di vita"},
        {"età mediana", "numero di morti superata l'età mediana di morte"},
        {"aumento", "incremento o decremento naturale della popolazione"},
    }};
    w.addTable(10, 2);
    w.setTableFontSize(12);
    w.repeatHeadingRows(1);
    for (int r = 0; r < 10; ++r) {
        w.setCell(r + 1, 1, QString::fromUtf8(rows[std::size_t(r)].first));
        w.setCell(r + 1, 2, QString::fromUtf8(rows[std::size_t(r)].second));
    }
    w.applyTableFormat9();
}

void yearHeader(DocumentWriter &w)
{
    static const std::array<std::pair<const char *, const char *>, 9> headings = {{{"anno", ""},
                                                                                   {"abitanti", "n."},
                                                                                   {"immigrati", "n."},
                                                                                   {"emigrati", "n."},
                                                                                   {"fecondità", "n."},
                                                                                   {"nascite", "n."},
                                                                                   {"mortalità", "n."},
                                                                                   {"età mediana", "n"},
                                                                                   {"aumento", "n."}}};
    headingRows(w, headings);
}

void yearRow(DocumentWriter &w, const StudySnapshot &s, int tableRow, int documentRow)
{
    for (int c = 0; c < kGridColumnCount; ++c)
        w.setCell(documentRow, c + 1, gridCellText(s.table, tableRow, static_cast<GridColumn>(c)));
}

void chart(DocumentWriter &w, const StudySnapshot &s, const ChartPicture &picture, bool newPage)
{
    if (picture.isNull())
        return;
    const int last = s.usedRows();
    QString from = gridCellText(s.table, 1, GridColumn::ann), to = gridCellText(s.table, last, GridColumn::ann);
    // In calendar order, as the chart reads, also after a backward run.
    if (s.table.year[1] && s.table.year[std::size_t(last)] && *s.table.year[std::size_t(last)] < *s.table.year[1])
        std::swap(from, to);
    const QString years = QStringLiteral("dal %1 al %2").arg(from, to);
    w.goToEnd();
    // The heading never stays behind at the foot of a page.
    w.keepRestTogether();
    w.appendParagraph();
    if (newPage)
        w.startNewPage();
    w.setFontSize(12);
    w.typeText(QStringLiteral("Andamento del numero di abitanti, ") + years + u'\r');
    w.addPicture(picture.png, picture.pixels, QStringLiteral("Grafico del numero di abitanti anno per anno, ") + years);
}

} // namespace ReportSections
