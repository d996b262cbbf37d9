#include "HypothesesSections.h"

#include "ReportSections.h"
#include "estimate/NumberReading.h"
#include "estimate/StudySnapshot.h"

#include <cstdlib>

namespace HypothesesSections {

namespace {

using Hypotheses::Kind;

constexpr std::size_t kEveryYearUpTo = 30;

QString whole(double value)
{
    return NumberReading::integerText(value);
}

void headings(DocumentWriter &w, const QString &first)
{
    w.setCell(1, 1, first);
    for (const Kind kind : Hypotheses::kKinds)
        w.setCell(1, int(kind) + 2, Hypotheses::name(kind));
}

void inputsTable(DocumentWriter &w, const HypothesisComparison &c)
{
    w.addTable(int(Hypotheses::kVaried.size()) + 1, 4);
    w.setTableFontSize(10);
    w.repeatHeadingRows(1);
    headings(w, QStringLiteral("Dati"));
    for (std::size_t i = 0; i < Hypotheses::kVaried.size(); ++i) {
        w.setCell(int(i) + 2, 1, ProjectionInputs::caption(Hypotheses::kVaried[i]));
        for (const Kind kind : Hypotheses::kKinds)
            w.setCell(int(i) + 2, int(kind) + 2, c.column(kind).values[i]);
    }
    w.applyTableFormat9();
}

void inhabitantsTable(DocumentWriter &w, const HypothesisComparison &c)
{
    const std::vector<std::size_t> rows = shownRows(c);
    w.addTable(int(rows.size()) + 1, 4);
    w.setTableFontSize(10);
    w.repeatHeadingRows(1);
    headings(w, QStringLiteral("Anno"));
    for (std::size_t r = 0; r < rows.size(); ++r) {
        w.setCell(int(r) + 2, 1, QString::number(c.columns[0].years[rows[r]]));
        for (const Kind kind : Hypotheses::kKinds)
            w.setCell(int(r) + 2, int(kind) + 2, whole(c.column(kind).inhabitants[rows[r]]));
    }
    w.applyTableFormat9();
}

QString resultsSentence(const HypothesisComparison &c)
{
    return QStringLiteral("Nell'anno %1 gli abitanti stimati sono %2 nell'ipotesi bassa, %3 in quella centrale e %4 "
                          "in quella alta.")
        .arg(QString::number(c.columns[0].years.back()), c.column(Kind::Low).result, c.column(Kind::Central).result,
             c.column(Kind::High).result);
}

} // namespace

std::vector<std::size_t> shownRows(const HypothesisComparison &c)
{
    const std::vector<int> &years = c.columns[0].years;
    std::vector<std::size_t> rows;
    for (std::size_t r = 0; r < years.size(); ++r) {
        const bool fifth = std::abs(years[r] - years.front()) % 5 == 0;
        if (years.size() <= kEveryYearUpTo + 1 || fifth || r + 1 == years.size())
            rows.push_back(r);
    }
    return rows;
}

void chapter(DocumentWriter &w, const StudySnapshot &s, const ChartPicture &picture)
{
    const HypothesisComparison &c = *s.hypotheses;
    ReportSections::chapterTitle(w, QStringLiteral("Ipotesi a confronto"));
    w.typeText(QStringLiteral("Oltre all'ipotesi centrale, che è la simulazione esposta sopra, si sono calcolate "
                              "un'ipotesi bassa e una alta, con lo stesso metodo e con valori diversi del tasso di "
                              "fecondità, dell'età mediana di morte e dei tassi di immigrazione e di emigrazione; "
                              "gli altri dati sono quelli dell'ipotesi centrale.\r\r"));
    inputsTable(w, c);
    w.appendParagraph();
    w.typeText(c.rows() > kEveryYearUpTo + 1
                   ? QStringLiteral("\rAbitanti stimati nelle tre ipotesi, ogni cinque anni, con il primo e "
                                    "l'ultimo anno:\r\r")
                   : QStringLiteral("\rAbitanti stimati nelle tre ipotesi, anno per anno:\r\r"));
    inhabitantsTable(w, c);
    w.appendParagraph();
    w.typeText(u'\r' + resultsSentence(c) + u'\r');
    if (!picture.isNull()) {
        w.keepRestTogether();
        w.appendParagraph();
        w.typeText(QStringLiteral("Andamento del numero di abitanti nelle tre ipotesi\r"));
        w.addPicture(picture.png, picture.pixels,
                     QStringLiteral("Grafico degli abitanti nelle ipotesi bassa, centrale e alta, anno per anno"));
    }
}

int pages(const StudySnapshot &s, const ChartPicture &picture)
{
    return ReportSections::pagesFromTop([&](DocumentWriter &w) { chapter(w, s, picture); });
}

} // namespace HypothesesSections
