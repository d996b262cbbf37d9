#include "ResultsExport.h"

#include "core/WholeFile.h"
#include "estimate/NumberReading.h"
#include "estimate/StudySnapshot.h"

#include <cmath>

namespace ResultsExport {

namespace {

QString csvNumber(double value)
{
    if (value == std::floor(value) && std::fabs(value) < 1e15)
        return NumberReading::integerText(value);
    return QString::number(value, 'g', 15).replace(u'.', u',');
}

// A spreadsheet opening a CSV takes a field that begins with one of these
// for a formula, "+/- abit." too.
bool looksLikeFormula(const QString &text)
{
    return !text.isEmpty() && QStringLiteral("=+-@").contains(text.front());
}

// A text cell of a CSV file: quoted when it holds the separator or a quote,
// or when it could pass for a formula; then an invisible zero-width space
// goes first, which Calc, unlike an apostrophe, does not show.
QString csvText(QString text)
{
    const bool formula = looksLikeFormula(text);
    if (formula)
        text.prepend(QChar(0x200B));
    if (!formula && !text.contains(u';') && !text.contains(u'"') && !text.contains(u'\n') && !text.contains(u'\r'))
        return text;
    return u'"' + text.replace(u'"', QStringLiteral("\"\"")) + u'"';
}

} // namespace

Format formatOf(const QString &path)
{
    return path.endsWith(QLatin1String(".csv"), Qt::CaseInsensitive) ? Format::Csv : Format::Xlsx;
}

QString withExtension(const QString &path)
{
    const bool known = path.endsWith(QLatin1String(".csv"), Qt::CaseInsensitive) ||
                       path.endsWith(QLatin1String(".xlsx"), Qt::CaseInsensitive);
    return known ? path : path + QStringLiteral(".xlsx");
}

double gridValue(const ProjectionTable &t, int row, GridColumn column)
{
    const auto r = static_cast<std::size_t>(row);
    using NumberReading::roundHalfUp;
    switch (column) {
    case GridColumn::ann:
        return t.year[r].value_or(0);
    case GridColumn::abit:
        return roundHalfUp(t.inhabitants[r]);
    case GridColumn::imm:
        return std::fabs(roundHalfUp(t.immigrants[r]));
    case GridColumn::em:
        return std::fabs(roundHalfUp(t.emigrants[r]));
    case GridColumn::donne:
        return roundHalfUp(t.fertileWomen[r]);
    case GridColumn::figli:
        return roundHalfUp(t.births[r]);
    case GridColumn::morti:
        return roundHalfUp(t.infantDeaths[r]);
    case GridColumn::mortivecch:
        return roundHalfUp(t.oldAgeDeaths[r]);
    case GridColumn::aument:
        return roundHalfUp(t.naturalChange[r]);
    }
    return 0;
}

QByteArray csv(const StudySnapshot &s)
{
    QStringList lines;
    QStringList heading;
    for (int c = 0; c < kGridColumnCount; ++c)
        heading << csvText(gridHeaderCaption(static_cast<GridColumn>(c)));
    lines << heading.join(u';');
    for (int row = 1; row <= s.usedRows(); ++row) {
        QStringList cells;
        for (int c = 0; c < kGridColumnCount; ++c)
            cells << csvNumber(gridValue(s.table, row, static_cast<GridColumn>(c)));
        lines << cells.join(u';');
    }
    // The mark tells a spreadsheet the file is UTF-8; CR LF ends each line.
    return QByteArray("\xEF\xBB\xBF") + (lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toUtf8();
}

QByteArray hypothesesCsv(const HypothesisComparison &c)
{
    QStringList lines{QStringLiteral("Anno;Bassa;Centrale;Alta")};
    for (std::size_t r = 0; r < c.rows(); ++r) {
        QStringList cells{QString::number(c.columns[0].years[r])};
        for (const HypothesisColumn &column : c.columns)
            cells << csvNumber(column.inhabitants[r]);
        lines << cells.join(u';');
    }
    QStringList results{QStringLiteral("Risultato")};
    for (const HypothesisColumn &column : c.columns)
        results << csvText(column.result);
    lines << results.join(u';');
    return QByteArray("\xEF\xBB\xBF") + (lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toUtf8();
}

QByteArray sizingCsv(const PlanSizing::Sizing &z)
{
    QStringList heading{QStringLiteral("voce")};
    for (const QString &name : z.names)
        heading << (name.isEmpty() ? QStringLiteral("valore") : name.toLower());
    QStringList lines{heading.join(u';')};
    std::vector<std::vector<std::pair<QString, QString>>> columns;
    for (const PlanSizing::Result &r : z.columns)
        columns.push_back(PlanSizing::resultLines(r));
    for (std::size_t i = 0; i < columns.front().size(); ++i) {
        QStringList cells{columns.front()[i].first};
        for (const auto &column : columns)
            cells << column[i].second;
        lines << cells.join(u';');
    }
    return QByteArray("\xEF\xBB\xBF") + (lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toUtf8();
}

bool write(const StudySnapshot &s, const QString &path, Format format, QString *error)
{
    QString why;
    const QByteArray bytes = format == Format::Csv ? csv(s) : xlsx(s, &why);
    if (bytes.isEmpty()) {
        if (error)
            *error = why;
        return false;
    }
    return WholeFile::write(path, bytes, error);
}

} // namespace ResultsExport
