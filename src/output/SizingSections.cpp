#include "SizingSections.h"

#include "ReportSections.h"
#include "estimate/PlanSizingTexts.h"
#include "estimate/StudySnapshot.h"

namespace SizingSections {

namespace {

using PlanSizing::Sizing;

// The central column: the only one, or the central hypothesis.
std::size_t central(const Sizing &z)
{
    return z.columns.size() == 3 ? 1 : 0;
}

void inputsTable(DocumentWriter &w, const Sizing &z)
{
    w.addTable(PlanSizing::kInputCount + 1, 4);
    w.setTableFontSize(10);
    w.repeatHeadingRows(1);
    w.setCell(1, 1, QStringLiteral("Dato"));
    w.setCell(1, 2, QStringLiteral("Valore"));
    w.setCell(1, 3, QStringLiteral("Unità"));
    w.setCell(1, 4, QStringLiteral("Fonte"));
    int r = 2;
    for (const PlanSizing::InputRow &row : PlanSizing::rows()) {
        w.setCell(r, 1, QString::fromUtf8(row.caption));
        w.setCell(r, 2, z.inputs.text(row.input));
        w.setCell(r, 3, QString::fromUtf8(row.unit));
        w.setCell(r++, 4, PlanSizingTexts::ruleOf(z, row.input));
    }
    w.applyTableFormat9();
}

void resultsTable(DocumentWriter &w, const Sizing &z)
{
    const auto lines = PlanSizing::resultLines(z.columns[0]);
    const int columns = int(z.columns.size());
    w.addTable(int(lines.size()) + 1, columns + 1);
    w.setTableFontSize(10);
    w.repeatHeadingRows(1);
    w.setCell(1, 1, QStringLiteral("Voce"));
    for (int c = 0; c < columns; ++c)
        w.setCell(1, c + 2, z.names[std::size_t(c)].isEmpty() ? QStringLiteral("Valore") : z.names[std::size_t(c)]);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        w.setCell(int(i) + 2, 1, PlanSizingTexts::caption(lines[i].first));
        for (int c = 0; c < columns; ++c) {
            const QString value = PlanSizing::resultLines(z.columns[std::size_t(c)])[i].second;
            const auto number = value.contains(u',') ? value : PlanSizingTexts::number(value.toDouble());
            w.setCell(int(i) + 2, c + 2, number);
        }
    }
    w.applyTableFormat9();
}

void formulas(DocumentWriter &w, const Sizing &z)
{
    const std::size_t c = central(z);
    w.typeText(z.columns.size() == 3 ? QStringLiteral("Come si ottengono i valori dell'ipotesi centrale:\r")
                                     : QStringLiteral("Come si ottengono i valori:\r"));
    w.setFontSize(10);
    for (const auto &[key, value] : PlanSizing::resultLines(z.columns[c]))
        w.typeText(PlanSizingTexts::caption(key) + QStringLiteral(": ") + PlanSizingTexts::formula(key, z, c) +
                   QStringLiteral(".\r"));
    w.setFontSize(12);
    const QString growth = PlanSizingTexts::noGrowth(z.columns[c]);
    if (!growth.isEmpty())
        w.typeText(u'\r' + growth + u'\r');
}

} // namespace

void chapter(DocumentWriter &w, const StudySnapshot &s)
{
    const Sizing &z = *s.sizing;
    ReportSections::chapterTitle(w, QStringLiteral("Dimensionamento del piano"));
    w.typeText(QStringLiteral("Dagli abitanti stimati si ricavano le famiglie, le abitazioni e il volume residenziale "
                              "da prevedere e le aree per spazi pubblici che il %1 chiede per ogni abitante insediato "
                              "o da insediare (almeno 18 m²: 4,50 per l'istruzione, 2,00 per le attrezzature di "
                              "interesse comune, 9,00 per il verde, il gioco e lo sport, 2,50 per i parcheggi). "
                              "Ogni dato riporta la sua fonte.\r\r")
                   .arg(PlanSizingTexts::kDecree));
    inputsTable(w, z);
    w.appendParagraph();
    w.typeText(QStringLiteral("\rRisultati tra il %1 e il %2 (%3 anni):\r\r")
                   .arg(gridCellText(s.table, 1, GridColumn::ann), gridCellText(s.table, s.usedRows(), GridColumn::ann))
                   .arg(z.years));
    resultsTable(w, z);
    w.appendParagraph();
    w.typeText(QStringLiteral("\r"));
    formulas(w, z);
}

int pages(const StudySnapshot &s)
{
    return ReportSections::pagesFromTop([&](DocumentWriter &w) { chapter(w, s); });
}

void align(DocumentWriter &w, const StudySnapshot &s, int first)
{
    w.alignTableColumn(first, 2, DocumentWriter::Alignment::Right);
    for (int c = 2; c <= int(s.sizing->columns.size()) + 1; ++c)
        w.alignTableColumn(first + 1, c, DocumentWriter::Alignment::Right);
}

} // namespace SizingSections
