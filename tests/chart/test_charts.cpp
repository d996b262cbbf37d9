// What the charts show, the exported tables, the export command and the
// documents that carry a chart, without drawing: a stand-in painter hands
// out a fixed picture.
#include "estimate/NumberReading.h"
#include "output/ChartData.h"
#include "output/ChartPainter.h"
#include "output/HypothesesChartData.h"
#include "output/ProjectionDocuments.h"
#include "output/ResultsExport.h"
#include "output/TitlePageDocuments.h"
#include "projection/HypothesisRun.h"
#include "support/Cases.h"
#include "support/DocumentRecorder.h"
#include "support/Scripted.h"
#include "support/Texts.h"
#include "word/DocumentModel.h"
#include "word/DocumentOutput.h"
#include "word/DocxFile.h"

#include <QDir>
#include <QFile>
#include <QMap>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <gtest/gtest.h>

using F = ProjectionModel::Field;

namespace {

// Hands out the same picture for every study with a result, and counts.
class FixedPainter : public ChartPainter {
public:
    ChartPicture documentPicture(const StudySnapshot &s) override
    {
        ++pictures;
        return s.popolazione.isEmpty() ? ChartPicture{} : ChartPicture{QByteArray("\x89PNG picture"), {2000, 1200}};
    }
    ChartPicture hypothesesPicture(const StudySnapshot &s) override
    {
        return s.hypotheses ? ChartPicture{QByteArray("\x89PNG hypotheses"), {2000, 1200}} : ChartPicture{};
    }
    QByteArray file(const StudySnapshot &, Format) override { return QByteArray("chart"); }
    int pictures = 0;
};

// A study computed from the worked example over years, forwards or backwards.
struct Desk {
    Window w;
    FixedPainter painter;
    RecordingOutput output;
    Desk()
    {
        w.study.setDocumentOutput(&output);
        w.study.setChartPainter(&painter);
    }
    void compute(int years, bool backward = false, const QString &immigr = "3", const QString &emigr = "1")
    {
        const QString target = QString::number(backward ? 2000 - years : 2000 + years);
        fillFields(w.m(), workedExample(target, immigr, emigr));
        w.m().calcola_Click();
    }
    StudySnapshot snapshot() { return w.study.snapshot(); }
    qsizetype index(const QString &prefix) const
    {
        for (qsizetype i = 0; i < output.last.size(); ++i)
            if (output.last[i].startsWith(prefix))
                return i;
        return -1;
    }
    qsizetype lastIndex(const QString &prefix) const
    {
        for (qsizetype i = output.last.size() - 1; i >= 0; --i)
            if (output.last[i].startsWith(prefix))
                return i;
        return -1;
    }
};

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

// ---- numbers and axes ----

struct Italian {
    const char *name;
    double value;
    const char *text;
};

class ItalianNumbers : public testing::TestWithParam<Italian> {};

TEST_P(ItalianNumbers, ThousandsWithAPointAndHalvesUp)
{
    EXPECT_EQ(ChartNumbers::italian(GetParam().value), QString::fromUtf8(GetParam().text));
}

const Italian kItalian[] = {
    {"Zero", 0, "0"},
    {"Hundreds", 999, "999"},
    {"Thousand", 1000, "1.000"},
    {"Negative", -12345, "-12.345"},
    {"Millions", 1234567, "1.234.567"},
    {"HalfUp", 2.5, "3"},
    {"NegativeHalf", -2.5, "-2"},
};
INSTANTIATE_TEST_SUITE_P(ChartNumbers, ItalianNumbers, testing::ValuesIn(kItalian), RowName());

struct AxisCase {
    const char *name;
    double lo, hi;
    double min, max;
    const char *first, *last;
};

class Axes : public testing::TestWithParam<AxisCase> {};

TEST_P(Axes, RoundTicksThatHoldEveryValue)
{
    const AxisCase &c = GetParam();
    const ChartData::Axis a = ChartNumbers::axis(c.lo, c.hi, 6);
    EXPECT_DOUBLE_EQ(a.min, c.min);
    EXPECT_DOUBLE_EQ(a.max, c.max);
    ASSERT_GE(a.ticks.size(), 2);
    EXPECT_EQ(a.ticks.first().second, QString::fromUtf8(c.first));
    EXPECT_EQ(a.ticks.last().second, QString::fromUtf8(c.last));
    EXPECT_LE(a.min, c.lo);
    EXPECT_GE(a.max, c.hi);
    for (qsizetype i = 1; i < a.ticks.size(); ++i)
        EXPECT_LT(a.ticks[i - 1].first, a.ticks[i].first);
    EXPECT_GE(a.ticks.first().first, a.min);
    EXPECT_LE(a.ticks.last().first, a.max);
}

const AxisCase kAxes[] = {
    {"Inhabitants", 9800, 12400, 9500, 12500, "9.500", "12.500"},
    {"FlatPopulation", 5000, 5000, 4700, 5300, "4.700", "5.300"},
    {"NegativeFlows", -40, 75, -40, 80, "-40", "80"},
};
INSTANTIATE_TEST_SUITE_P(ChartNumbers, Axes, testing::ValuesIn(kAxes), RowName());

struct YearsCase {
    const char *name;
    double first, last, minGap;
    const char *labels;
};

class YearLabels : public testing::TestWithParam<YearsCase> {};

TEST_P(YearLabels, TheEndsAndRoundYearsThatLeaveRoomBetweenLabels)
{
    const YearsCase &c = GetParam();
    QStringList labels;
    for (const auto &tick : ChartNumbers::years(c.first, c.last, c.minGap).ticks)
        labels << tick.second;
    EXPECT_EQ(labels.join(u' '), QString::fromUtf8(c.labels));
}

const YearsCase kYears[] = {
    {"OneYear", 2000, 2001, 0.1, "2000 2001"},
    {"EveryYear", 2000, 2010, 0.7, "2000 2001 2002 2003 2004 2005 2006 2007 2008 2009 2010"},
    {"EveryTwo", 2000, 2014, 1.3, "2000 2002 2004 2006 2008 2010 2012 2014"},
    {"EveryFiveAndTheLast", 2000, 2029, 2.3, "2000 2005 2010 2015 2020 2025 2029"},
    // 2020 would sit one year from 2021: it goes, the ends stay.
    {"ARoundYearTooNearAnEndGoes", 1991, 2021, 2.3, "1991 1995 2000 2005 2010 2015 2021"},
    {"EveryTwenty", 2000, 2199, 13.5, "2000 2020 2040 2060 2080 2100 2120 2140 2160 2180 2199"},
};
INSTANTIATE_TEST_SUITE_P(ChartNumbers, YearLabels, testing::ValuesIn(kYears), RowName());

// ---- what the charts show ----

TEST(ChartData, NothingWithoutACalculation)
{
    Desk d;
    fillFields(d.w.m(), workedExample(QStringLiteral("2010"), QString(), QString()));
    EXPECT_TRUE(ChartData::of(d.snapshot()).isEmpty());
    d.w.m().calcola_Click();
    EXPECT_FALSE(ChartData::of(d.snapshot()).isEmpty());
    // A changed field empties the result: the chart goes with it.
    d.w.type(F::tassofert, QStringLiteral("1,6"));
    EXPECT_TRUE(ChartData::of(d.snapshot()).isEmpty());
}

TEST(ChartData, ABackwardRunReadsInCalendarOrderWithItsEndsMarked)
{
    Desk d;
    d.compute(20, true);
    const StudySnapshot s = d.snapshot();
    const ChartData c = ChartData::of(s);
    ASSERT_EQ(c.inhabitants.points.size(), 21);
    EXPECT_EQ(c.inhabitants.points.first().x(), 1980);
    EXPECT_EQ(c.inhabitants.points.last().x(), 2000);
    for (qsizetype i = 1; i < c.inhabitants.points.size(); ++i)
        EXPECT_LT(c.inhabitants.points[i - 1].x(), c.inhabitants.points[i].x());
    // The start year (2000) with its known inhabitants, the result at 1980.
    ASSERT_EQ(c.known.points.size(), 1);
    EXPECT_EQ(c.known.points[0], QPointF(2000, 10000));
    EXPECT_EQ(c.known.name, QStringLiteral("Abitanti noti nel 2000: 10.000"));
    ASSERT_EQ(c.result.points.size(), 1);
    EXPECT_EQ(c.result.points[0].x(), 1980);
    EXPECT_EQ(c.result.points[0].y(), s.popolazione.toDouble());
    EXPECT_TRUE(c.result.name.startsWith(QStringLiteral("Risultato per il 1980: ")));
    // The inhabitants line shows the grid's numbers.
    EXPECT_EQ(c.inhabitants.points.last().y(), gridCellText(s.table, 1, GridColumn::abit).toDouble());
    EXPECT_LE(c.people.min, c.result.points[0].y());
    EXPECT_GE(c.people.max, c.known.points[0].y());
}

struct ChartRun {
    const char *name;
    int years;
    bool backward;
};

class LineEnds : public testing::TestWithParam<ChartRun> {};

// The line starts at the known inhabitants and ends on the result, with no
// jump where a row of the table has no migration.
TEST_P(LineEnds, FromTheKnownInhabitantsToTheResultWithoutAJump)
{
    const ChartRun &run = GetParam();
    Desk d;
    d.compute(run.years, run.backward, "30", "10");
    const StudySnapshot s = d.snapshot();
    const ChartData c = ChartData::of(s);
    const QList<QPointF> &p = c.inhabitants.points;
    ASSERT_EQ(p.size(), run.years + 1);
    for (qsizetype i = 1; i < p.size(); ++i)
        ASSERT_EQ(p[i].x(), p[i - 1].x() + 1);
    const QPointF start = run.backward ? p.last() : p.first(), target = run.backward ? p.first() : p.last();
    EXPECT_EQ(start, QPointF(2000, 10000));
    ASSERT_FALSE(s.popolazione.isEmpty());
    EXPECT_EQ(target.y(), s.popolazione.toDouble());
    EXPECT_EQ(c.result.points, QList<QPointF>{target});
    if (run.years < 3)
        return;
    // Year by year from the start: the step into the target year is like
    // the one before it.
    QList<QPointF> runOrder = p;
    if (run.backward)
        std::reverse(runOrder.begin(), runOrder.end());
    const qsizetype n = runOrder.size();
    const double last = runOrder[n - 1].y() - runOrder[n - 2].y(), before = runOrder[n - 2].y() - runOrder[n - 3].y();
    EXPECT_NEAR(last, before, std::max(2.0, std::fabs(before) * 0.05));
}

const ChartRun kRuns[] = {
    {"Forward1", 1, false},     {"Backward1", 1, true},     {"Forward2", 2, false},     {"Backward2", 2, true},
    {"Forward5", 5, false},     {"Backward5", 5, true},     {"Forward10", 10, false},   {"Backward10", 10, true},
    {"Forward11", 11, false},   {"Backward11", 11, true},   {"Forward14", 14, false},   {"Backward14", 14, true},
    {"Forward20", 20, false},   {"Backward20", 20, true},   {"Forward28", 28, false},   {"Backward28", 28, true},
    {"Forward29", 29, false},   {"Backward29", 29, true},   {"Forward60", 60, false},   {"Backward60", 60, true},
    {"Forward120", 120, false}, {"Backward120", 120, true}, {"Forward199", 199, false}, {"Backward199", 199, true},
};
INSTANTIATE_TEST_SUITE_P(ChartData, LineEnds, testing::ValuesIn(kRuns), RowName());

TEST(ChartData, TheNotesSayWhatTheLineShowsAndWhyTheTablesLastRowDiffers)
{
    Desk d;
    d.compute(10, true, "30", "10");
    const StudySnapshot s = d.snapshot();
    const ChartData c = ChartData::of(s);
    EXPECT_EQ(
        c.note,
        QStringLiteral("La linea segna gli abitanti all'inizio di ogni anno, prima degli immigrati e degli emigrati "
                       "di quell'anno (la tabella li riporta dopo; il calcolo non li conta nell'anno di partenza), e "
                       "finisce sul risultato. Nella tabella la riga "
                       "del 1990 riporta 8.323 e non 8.493: il calcolo a ritroso toglie gli immigrati e aggiunge "
                       "gli emigrati anche nel suo ultimo anno, dopo aver trovato il risultato."));
    EXPECT_EQ(gridCellText(s.table, 11, GridColumn::abit), QStringLiteral("8323"));
    EXPECT_EQ(c.change, QStringLiteral("Dal 1990 al 2000 gli abitanti passano da 8.493 a 10.000 (+17,7%). "
                                       "La scala degli abitanti non parte da zero."));
    EXPECT_EQ(c.components[5].name,
              QStringLiteral("Incremento naturale: nascite meno morti dopo l'età mediana, in ordine di calendario "
                             "(la colonna \"+/- abit.\" del calcolo a ritroso ha il segno opposto)"));
    // Forwards the last row is the result; without migration the line is the table's.
    d.compute(10, false, "0", "0");
    const ChartData plain = ChartData::of(d.snapshot());
    EXPECT_EQ(plain.note, QStringLiteral("La linea segna gli abitanti all'inizio di ogni anno, come la tabella, e "
                                         "finisce sul risultato."));
    EXPECT_EQ(plain.components[5].name, QStringLiteral("Incremento naturale: nascite meno morti dopo l'età mediana"));
}

TEST(ChartData, SixComponentsAsTheGridShowsThemWithoutTheRowsThatHaveNoMigration)
{
    Desk d;
    d.compute(10, false, "30", "50");
    const StudySnapshot s = d.snapshot();
    const ChartData c = ChartData::of(s);
    ASSERT_EQ(c.components.size(), 6);
    EXPECT_EQ(c.components[0].points.size(), 11);
    // Migration is worked out from the second year to the last but one.
    EXPECT_EQ(c.components[3].points.size(), 9);
    EXPECT_EQ(c.components[3].points.first().x(), 2001);
    EXPECT_EQ(c.components[4].points.last().x(), 2009);
    // Emigrants without sign, natural change with its own.
    EXPECT_EQ(c.components[4].points.first().y(), gridCellText(s.table, 2, GridColumn::em).toDouble());
    EXPECT_GE(c.components[4].points.first().y(), 0);
    EXPECT_EQ(c.components[5].points[4].y(), gridCellText(s.table, 5, GridColumn::aument).toDouble());
    EXPECT_EQ(c.components[1].name, QStringLiteral("Morti nei primi anni"));
}

TEST(ChartData, ABackwardRunsNaturalChangeReadsAsBirthsLessDeaths)
{
    // The grid keeps the sign of the run's direction; the chart reads the
    // years forwards, so a place with more deaths than births falls.
    Desk d;
    d.compute(10, true);
    const StudySnapshot s = d.snapshot();
    const ChartData c = ChartData::of(s);
    ASSERT_EQ(c.components[5].points.size(), 11);
    for (qsizetype i = 0; i < c.components[5].points.size(); ++i) {
        const double births = c.components[0].points[i].y(), deaths = c.components[2].points[i].y();
        EXPECT_NEAR(c.components[5].points[i].y(), births - deaths, 1.0) << i;
    }
    EXPECT_LT(c.components[5].points.first().y(), 0);
    EXPECT_EQ(c.components[5].points.first().y(), -gridCellText(s.table, 11, GridColumn::aument).toDouble());
}

TEST(ChartData, TheTitleNamesTheResearchAndThePlaceWhenThereAreAny)
{
    Desk d;
    d.compute(5);
    EXPECT_EQ(ChartData::of(d.snapshot()).subtitle, QString());
    d.w.titlePage.setText(TitlePageModel::Field::localita, QStringLiteral("Borgo"));
    EXPECT_EQ(ChartData::of(d.snapshot()).subtitle, QStringLiteral("Borgo"));
    d.w.titlePage.setText(TitlePageModel::Field::ricerca, QStringLiteral("Piano 2030"));
    EXPECT_EQ(ChartData::of(d.snapshot()).subtitle, QStringLiteral("Piano 2030\nBorgo"));
}

// ---- the hypotheses' chart ----

TEST(HypothesesChartData, ABackwardRunReadsInCalendarOrderWithWholeYearsAndItsResultsMarked)
{
    Desk d;
    d.compute(20, true);
    d.w.titlePage.setText(TitlePageModel::Field::localita, QStringLiteral("Borgo"));
    const StudyRecord study = d.w.m().files().study();
    StudyHypotheses h = HypothesisRun::of(study);
    h.values[0] = {"tassofert", "1,2", "1,9"};
    const auto c = std::get<HypothesisComparison>(HypothesisRun::compare(study, h));
    const HypothesesChartData data = HypothesesChartData::of(c, study.titlePage);
    EXPECT_EQ(data.title, "Ipotesi a confronto");
    EXPECT_EQ(data.subtitle, "Borgo");
    EXPECT_EQ(data.lines[0].name, "Ipotesi bassa");
    EXPECT_EQ(data.resultsName, "Risultati per il 1980");
    for (const Hypotheses::Kind kind : Hypotheses::kKinds) {
        const QList<QPointF> &line = data.lines[std::size_t(kind)].points;
        ASSERT_EQ(line.size(), 21);
        EXPECT_EQ(line.first().x(), 1980);
        EXPECT_EQ(line.last(), QPointF(2000, 10000));
        for (qsizetype i = 1; i < line.size(); ++i)
            EXPECT_EQ(line[i].x(), line[i - 1].x() + 1);
        const double result = *NumberReading::italianNumber(c.column(kind).result);
        EXPECT_EQ(data.results[std::size_t(kind)].points, QList<QPointF>{QPointF(1980, result)});
    }
    EXPECT_EQ(data.years.ticks.first().second, "1980");
    EXPECT_EQ(data.years.ticks.last().second, "2000");
    for (const auto &[year, label] : data.years.ticks)
        EXPECT_EQ(label, QString::number(int(year))) << year;
    EXPECT_EQ(data.note, "Le linee segnano gli abitanti di ogni anno come la tabella; i quadrati segnano i "
                         "risultati. Nel calcolo a ritroso l'ultima riga della tabella riporta gli abitanti dopo gli "
                         "immigrati e gli emigrati di quell'anno, che il risultato non conta.");
}

TEST(HypothesesChartData, TheBandHoldsTheLowerAndTheHigherOfLowAndHighEachYear)
{
    HypothesisComparison c;
    const std::array<std::vector<double>, 3> people = {{{100, 90, 130}, {100, 105, 110}, {100, 120, 95}}};
    for (std::size_t i = 0; i < 3; ++i)
        c.columns[i] = {{}, {2000, 2001, 2002}, people[i], QString::number(people[i].back())};
    const HypothesesChartData data = HypothesesChartData::of(c, TitlePageData{});
    EXPECT_EQ(data.bandLow.points, (QList<QPointF>{{2000, 100}, {2001, 90}, {2002, 95}}));
    EXPECT_EQ(data.bandHigh.points, (QList<QPointF>{{2000, 100}, {2001, 120}, {2002, 130}}));
    EXPECT_LE(data.people.min, 90);
    EXPECT_GE(data.people.max, 130);
    EXPECT_TRUE(HypothesesChartData::of(StudySnapshot{}).isEmpty());
}

// ---- the exported table ----

TEST(ResultsExport, EveryNumberIsTheGridsCell)
{
    Desk d;
    d.compute(30, true, "12", "7");
    const StudySnapshot s = d.snapshot();
    for (int row = 1; row <= s.usedRows(); ++row) {
        for (int c = 0; c < kGridColumnCount; ++c) {
            const auto column = static_cast<GridColumn>(c);
            EXPECT_EQ(NumberReading::integerText(ResultsExport::gridValue(s.table, row, column)),
                      gridCellText(s.table, row, column))
                << row << ' ' << c;
        }
    }
}

TEST(ResultsExport, CsvTheItalianWay)
{
    Desk d;
    d.compute(3);
    const StudySnapshot s = d.snapshot();
    const QByteArray bytes = ResultsExport::csv(s);
    ASSERT_TRUE(bytes.startsWith("\xEF\xBB\xBF"));
    const QStringList lines = QString::fromUtf8(bytes.mid(3)).split(QStringLiteral("\r\n"));
    ASSERT_EQ(lines.size(), 6); // heading, four years, the empty end
    // "+" would start a formula: a zero-width space goes first, quoted.
    EXPECT_EQ(lines[0],
              QStringLiteral("Anno;Abitanti;Immigrati;Emigrati;Donne;Nascite;Mortalità;Morti;\"\u200B+/- abit.\""));
    QStringList second;
    for (int c = 0; c < kGridColumnCount; ++c)
        second << gridCellText(s.table, 2, static_cast<GridColumn>(c));
    EXPECT_EQ(lines[2], second.join(u';'));
    EXPECT_EQ(lines[5], QString());
    // A year that is not whole keeps its decimal comma.
    StudySnapshot odd = s;
    odd.table.year[1] = 2000.5;
    EXPECT_TRUE(QString::fromUtf8(ResultsExport::csv(odd)).contains(QStringLiteral("\r\n2000,5;")));
}

struct ExportName {
    const char *name;
    const char *path;
    ResultsExport::Format format;
    const char *written;
};

class ExportNames : public testing::TestWithParam<ExportName> {};

TEST_P(ExportNames, TheExtensionChoosesTheFormat)
{
    const ExportName &row = GetParam();
    EXPECT_EQ(ResultsExport::formatOf(QString::fromUtf8(row.path)), row.format);
    EXPECT_EQ(ResultsExport::withExtension(QString::fromUtf8(row.path)), QString::fromUtf8(row.written));
}

const ExportName kExportNames[] = {
    {"Xlsx", "/tmp/a.xlsx", ResultsExport::Format::Xlsx, "/tmp/a.xlsx"},
    {"CsvAnyCase", "/tmp/a.CSV", ResultsExport::Format::Csv, "/tmp/a.CSV"},
    {"NoExtension", "/tmp/risultati", ResultsExport::Format::Xlsx, "/tmp/risultati.xlsx"},
    {"OtherExtension", "/tmp/a.txt", ResultsExport::Format::Xlsx, "/tmp/a.txt.xlsx"},
};
INSTANTIATE_TEST_SUITE_P(ResultsExport, ExportNames, testing::ValuesIn(kExportNames), RowName());

TEST(ResultsExport, XlsxIsAZipWithBothSheets)
{
    Desk d;
    d.compute(199);
    QString error;
    const QByteArray bytes = ResultsExport::xlsx(d.snapshot(), &error);
    ASSERT_FALSE(bytes.isEmpty()) << error.toStdString();
    EXPECT_TRUE(bytes.startsWith("PK"));
    EXPECT_TRUE(bytes.contains("xl/worksheets/sheet2.xml"));
    EXPECT_TRUE(bytes.contains("xl/charts/chart1.xml"));
}

// ---- the export command ----

TEST(ExportCommand, RefusedWithoutACalculationAndNoDialog)
{
    Desk d;
    EXPECT_FALSE(d.w.study.outputs().exportTable());
    ASSERT_EQ(d.w.messenger.shown.size(), 1);
    EXPECT_EQ(d.w.messenger.shown[0].text, Expected::kExportNeedsCalculation);
    EXPECT_EQ(d.w.messenger.shown[0].icon, Message::Icon::Critical);
    EXPECT_TRUE(d.w.dialogs.requests.isEmpty());
}

TEST(ExportCommand, TheDialogRemembersTheNameAndTheFormatFollowsIt)
{
    QTemporaryDir dir;
    Desk d;
    d.compute(10);
    const QString csv = dir.filePath(QStringLiteral("tabella.csv"));
    d.w.dialogs.choices = {csv, dir.filePath(QStringLiteral("senza"))};
    ASSERT_TRUE(d.w.study.outputs().exportTable());
    ASSERT_EQ(d.w.dialogs.requests.size(), 1);
    const FileDialogRequest first = d.w.dialogs.requests[0];
    EXPECT_EQ(first.kind, FileDialogRequest::Kind::Save);
    EXPECT_EQ(first.title, Expected::kExportTitle);
    EXPECT_EQ(first.fileName, Expected::kExportName);
    EXPECT_EQ(first.filterIndex, 1);
    EXPECT_EQ(readAll(csv), ResultsExport::csv(d.snapshot()));
    ASSERT_TRUE(d.w.study.outputs().exportTable());
    EXPECT_EQ(d.w.dialogs.requests[1].fileName, csv);
    EXPECT_EQ(d.w.dialogs.requests[1].filterIndex, 2);
    EXPECT_TRUE(readAll(dir.filePath(QStringLiteral("senza.xlsx"))).startsWith("PK"));
    EXPECT_TRUE(d.w.messenger.shown.isEmpty());
}

TEST(ExportCommand, ACancelledDialogWritesNothing)
{
    Desk d;
    d.compute(10);
    d.w.dialogs.choices = {std::nullopt};
    EXPECT_FALSE(d.w.study.outputs().exportTable());
    EXPECT_TRUE(d.w.messenger.shown.isEmpty());
}

TEST(ExportCommand, AFailedWriteSaysSoAndKeepsThePreviousFileWhole)
{
    QTemporaryDir dir;
    Desk d;
    d.compute(10);
    // A name at the length limit: the temporary file beside it, a few
    // characters longer, cannot be made, whoever runs the test.
    const QString path = dir.filePath(QString(251, u'r') + QStringLiteral(".csv"));
    {
        QFile previous(path);
        ASSERT_TRUE(previous.open(QIODevice::WriteOnly));
        previous.write("versione precedente");
    }
    EXPECT_FALSE(d.w.study.outputs().run(OutputId::Csv, path));
    ASSERT_EQ(d.w.messenger.shown.size(), 1);
    EXPECT_TRUE(d.w.messenger.shown[0].text.startsWith(QStringLiteral("Impossibile esportare la tabella")));
    EXPECT_EQ(d.w.messenger.shown[0].icon, Message::Icon::Critical);
    EXPECT_EQ(readAll(path), QByteArray("versione precedente"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 1);
    // A folder in place of the file is refused as well.
    EXPECT_FALSE(d.w.study.outputs().run(OutputId::Xlsx, dir.path()));
    EXPECT_EQ(d.w.messenger.shown.size(), 2);
}

// ---- documents with the chart ----

TEST(ChartDocuments, TheResultsDocumentEndsWithTheChartAfterItsTables)
{
    Desk d;
    d.compute(20);
    ASSERT_TRUE(d.w.study.outputs().run(OutputId::Risultati));
    const qsizetype picture = d.index(QStringLiteral("picture 2000x1200"));
    ASSERT_GE(picture, 0);
    EXPECT_GT(picture, d.lastIndex(QStringLiteral("addTable")));
    EXPECT_EQ(d.output.last[picture - 1], QStringLiteral("type Andamento del numero di abitanti, dal 2000 al 2020¶"));
    EXPECT_GT(picture, d.lastIndex(QStringLiteral("keepTogether")));
}

TEST(ChartDocuments, NoChartWithoutResultsOrWithoutAPainter)
{
    Desk d;
    fillFields(d.w.m(), workedExample(QString(), QString(), QString()));
    ASSERT_TRUE(d.w.study.outputs().run(OutputId::Risultati));
    EXPECT_LT(d.index(QStringLiteral("picture")), 0);
    EXPECT_EQ(d.painter.pictures, 0);
    d.compute(10);
    d.w.study.setChartPainter(nullptr);
    ASSERT_TRUE(d.w.study.outputs().run(OutputId::Risultati));
    EXPECT_LT(d.index(QStringLiteral("picture")), 0);
}

struct ChartReport {
    const char *name;
    int years;
    int plainPages;
    int chartPages;
};

class ChartReports : public testing::TestWithParam<ChartReport> {};

// After a table that is not full the chart adds its page; after a full one
// it takes the page the closing block had alone.
TEST_P(ChartReports, OneChartPageBeforeTheClosingCounted)
{
    const ChartReport &row = GetParam();
    Desk d;
    d.compute(row.years);
    auto sentence = [](int pages) {
        return QStringLiteral("appendedParagraph 12 ¶La presente relazione è composta di n. %1 pagine.¶").arg(pages);
    };
    ASSERT_TRUE(d.w.study.outputs().run(OutputId::Relazione));
    EXPECT_TRUE(d.output.last.contains(sentence(row.plainPages)));
    EXPECT_LT(d.index(QStringLiteral("picture")), 0);
    const QStringList plain = d.output.last;
    ASSERT_TRUE(d.w.study.outputs().run(OutputId::RelazioneGrafico));
    EXPECT_TRUE(d.output.last.contains(sentence(row.chartPages)));
    const qsizetype picture = d.index(QStringLiteral("picture"));
    ASSERT_GE(picture, 0);
    EXPECT_EQ(d.output.last[picture - 4], QStringLiteral("appendParagraph"));
    EXPECT_EQ(d.output.last[picture - 3], QStringLiteral("newPage"));
    EXPECT_LT(picture, d.index(QStringLiteral("pageCountField")));
    EXPECT_GT(picture, d.lastIndex(QStringLiteral("format9")));
    // Everything before the chart page is the plain report's.
    EXPECT_EQ(d.output.last.mid(0, picture - 6), plain.mid(0, picture - 6));
}

const ChartReport kChartReports[] = {
    {"TenYears", 10, 3, 4},
    {"FullFirstTable", 27, 4, 4},
    {"TwoTables", 28, 4, 5},
    {"LongestSpan", 199, 8, 9},
};
INSTANTIATE_TEST_SUITE_P(ChartDocuments, ChartReports, testing::ValuesIn(kChartReports), RowName());

TEST(ChartDocuments, AReportAskedWithItsChartNeverGoesWithoutIt)
{
    Desk d;
    d.compute(10);
    d.w.study.setChartPainter(nullptr);
    EXPECT_FALSE(d.w.study.outputs().run(OutputId::RelazioneGrafico));
    EXPECT_TRUE(d.output.last.isEmpty());
    ASSERT_EQ(d.w.messenger.shown.size(), 1);
    EXPECT_EQ(d.w.messenger.shown[0].icon, Message::Icon::Critical);
}

TEST(ChartDocuments, ThePictureIsAnInlineDrawingAsWideAsTheText)
{
    DocumentModel m;
    m.typeText(QStringLiteral("prima\r"));
    m.addPicture(QByteArray("\x89PNG dati"), {2000, 1000}, QStringLiteral("Grafico & <prova>"));
    m.addPicture(QByteArray(), {10, 10}, QStringLiteral("vuoto")); // nothing to show: no picture
    ASSERT_EQ(m.pictures().size(), 1);
    QMap<QString, QByteArray> parts;
    for (const auto &[name, bytes] : DocxFile::parts(m))
        parts.insert(name, bytes);
    EXPECT_EQ(parts.value(QStringLiteral("word/media/picture1.png")), QByteArray("\x89PNG dati"));
    EXPECT_TRUE(parts.value(QStringLiteral("[Content_Types].xml")).contains("Extension=\"png\""));
    const QByteArray rels = parts.value(QStringLiteral("word/_rels/document.xml.rels"));
    EXPECT_TRUE(rels.contains("Id=\"rIdPicture1\"") && rels.contains("Target=\"media/picture1.png\""));
    const QByteArray body = parts.value(QStringLiteral("word/document.xml"));
    const DocxFile::Page page = DocxFile::page(false);
    const qint64 cx = qint64(page.textWidth()) * 635;
    EXPECT_TRUE(body.contains(QStringLiteral("<wp:extent cx=\"%1\" cy=\"%2\"/>").arg(cx).arg(cx / 2).toUtf8()));
    EXPECT_TRUE(body.contains("r:embed=\"rIdPicture1\""));
    EXPECT_TRUE(body.contains("descr=\"Grafico &amp; &lt;prova&gt;\""));
    QXmlStreamReader xml(body);
    while (!xml.atEnd())
        xml.readNext();
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    // A plain document keeps its plain package.
    DocumentModel plain;
    for (const auto &[name, bytes] : DocxFile::parts(plain)) {
        EXPECT_FALSE(name.endsWith(QLatin1String(".png")));
        EXPECT_FALSE(bytes.contains("png"));
    }
}

TEST(ChartDocuments, ATallPictureIsShrunkWholeToThePage)
{
    DocumentModel m;
    m.addPicture(QByteArray("x"), {100, 1000}, QString());
    QByteArray body;
    for (const auto &[name, bytes] : DocxFile::parts(m))
        if (name == QLatin1String("word/document.xml"))
            body = bytes;
    const DocxFile::Page page = DocxFile::page(false);
    const qsizetype at = body.indexOf("<wp:extent cx=\"");
    ASSERT_GE(at, 0);
    const QList<QByteArray> numbers = body.mid(at).split('"');
    const double cx = numbers[1].toDouble(), cy = numbers[3].toDouble();
    EXPECT_LE(cy, double(page.textHeight()) * 635);
    EXPECT_NEAR(cy / cx, 10.0, 0.01);
}
