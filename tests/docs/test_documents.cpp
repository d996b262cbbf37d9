// The documents' order of operations, their guidance texts and refusals, and
// the .docx package itself.
#include "core/AppGlobals.h"
#include "core/Modulo.h"
#include "core/XmlText.h"
#include "output/ProjectionDocuments.h"
#include "output/TitlePageDocuments.h"
#include "support/Cases.h"
#include "support/DocumentRecorder.h"
#include "support/Scripted.h"
#include "titlepage/TitlePageModel.h"
#include "word/DocumentModel.h"
#include "word/DocumentOutput.h"
#include "word/DocxFile.h"

#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <gtest/gtest.h>

using F = ProjectionModel::Field;

namespace {

// A projection window and its title page, with recorded documents.
struct Desk {
    Window w;
    ScriptedMessenger &messenger = w.messenger;
    ScriptedDialogs &dialogs = w.dialogs;
    ProjectionModel &model = w.m();
    TitlePageModel &page = w.titlePage;
    OutputRunner &outputs = w.study.outputs();
    int shown = 0;
    RecordingOutput output;
    Desk()
    {
        w.study.setDocumentOutput(&output);
        QObject::connect(&w.study, &Study::projectionWanted, [this] { ++shown; });
    }
    void compute(int years)
    {
        fillFields(model, workedExample(QString::number(2000 + years), QString(), QString()));
        model.calcola_Click();
    }
    int count(const QString &prefix) const
    {
        int n = 0;
        for (const QString &op : output.last)
            n += op.startsWith(prefix) ? 1 : 0;
        return n;
    }
};

// The program-wide office for the length of a test.
struct Office {
    Office(const QString &name, const QString &address) { set(name, address); }
    ~Office() { set(QString(), QString()); }
    static void set(const QString &name, const QString &address)
    {
        appGlobals().StudioName = name;
        appGlobals().StudioAddress = address;
    }
};

} // namespace

TEST(ResultsDocument, StartsLikeWordAndTellsTheUser)
{
    Desk s;
    s.compute(10);
    ASSERT_TRUE(s.outputs.run(OutputId::Risultati));
    EXPECT_EQ(s.output.kinds, QStringList{"risultati"});
    EXPECT_EQ(s.output.last.mid(0, 8),
              QStringList({"newDocument", "pageSetupA4", "lineSpacing12", "fontName Century Gothic", "fontSize 18",
                           "type Vicania¶", "fontSize 12", "type stima del numero di abitanti in una località¶¶"}));
    EXPECT_EQ(s.model.passo(),
              QStringLiteral("Ho visualizzato i dati con WORD. Li puoi modificare, integrare e archiviare."));
    // Eleven years: one full table, then eight paragraphs and no other table.
    EXPECT_EQ(s.count(QStringLiteral("addTable 13 9")), 1);
    EXPECT_EQ(s.count(QStringLiteral("addTable 45 9")), 0);
    const qsizetype full = s.output.last.indexOf(QStringLiteral("cell 13 9 -18"));
    ASSERT_GT(full, 0);
    EXPECT_EQ(s.output.last.mid(full + 1, 9),
              QStringList({"format9", "appendParagraph", "appendParagraph", "appendParagraph", "appendParagraph",
                           "appendParagraph", "appendParagraph", "appendParagraph", "appendParagraph"}));
    EXPECT_EQ(s.count(QStringLiteral("alignColumn 3 ")), 9);
    EXPECT_EQ(s.count(QStringLiteral("alignColumn 4 ")), 0);
}

TEST(ResultsDocument, AFailedDeliveryLeavesTheGuidanceAsItWas)
{
    Desk s;
    s.compute(3);
    const QString before = s.model.passo();
    s.output.accept = false;
    EXPECT_FALSE(s.outputs.run(OutputId::Risultati));
    EXPECT_EQ(s.model.passo(), before);
}

TEST(DataSheet, IsTheSameWhateverTheWindowHolds)
{
    Desk empty, computed;
    computed.compute(20);
    empty.outputs.run(OutputId::Modello);
    computed.outputs.run(OutputId::Modello);
    EXPECT_EQ(empty.output.last, computed.output.last);
    EXPECT_EQ(empty.model.passo(), QStringLiteral("Ho visualizzato il modello d'acquisizione dati con WORD"));
    EXPECT_EQ(empty.count(QStringLiteral("format9")), 1);
    EXPECT_TRUE(empty.output.last.contains(QStringLiteral("addTable 4 3")));
}

TEST(FullReport, RefusedWithoutACalculation)
{
    Desk s;
    EXPECT_FALSE(s.outputs.run(OutputId::Relazione));
    ASSERT_EQ(s.messenger.shown.size(), 1);
    EXPECT_EQ(s.messenger.shown[0].text, QStringLiteral("La simulazione non è stata effettuata."));
    EXPECT_EQ(s.messenger.shown[0].icon, Message::Icon::Critical);
    EXPECT_EQ(s.messenger.shown[0].title, appGlobals().HelpTitle);
    EXPECT_EQ(s.shown, 1);
    EXPECT_TRUE(s.output.kinds.isEmpty());
}

namespace {

struct Report {
    const char *name;
    int years;
    int tables;
    int pages;
    int lastTable;
    friend void PrintTo(const Report &row, std::ostream *os) { *os << row.years << " years"; }
};

const Report kReports[] = {
    {"TenYears", 10, 1, 3, 3},       {"TwentySevenYears", 27, 1, 4, 3}, {"TwentyEightYears", 28, 2, 4, 4},
    {"SixtyFiveYears", 65, 2, 5, 4}, {"LongestSpan", 199, 6, 8, 8},
};

class FullReportSpan : public testing::TestWithParam<Report> {};

} // namespace

TEST_P(FullReportSpan, PageCountAndResultTables)
{
    const Report &row = GetParam();
    Desk s;
    s.compute(row.years);
    ASSERT_TRUE(s.outputs.run(OutputId::Relazione));
    EXPECT_EQ(s.count(QStringLiteral("addTable 30 9")) + s.count(QStringLiteral("addTable 40 9")), row.tables);
    EXPECT_TRUE(s.output.last.contains(
        QStringLiteral("appendedParagraph 12 ¶La presente relazione è composta di n. %1 pagine.¶").arg(row.pages)));
    EXPECT_EQ(TitlePageDocuments::lastResultTable(row.years), row.lastTable);
    EXPECT_EQ(s.count(QStringLiteral("alignColumn ")), 9 * (row.lastTable - 2));
    EXPECT_EQ(s.page.passo(),
              QStringLiteral("Ho visualizzato la relazione con WORD. La puoi modificare, integrare e archiviare."));
}

INSTANTIATE_TEST_SUITE_P(FullReport, FullReportSpan, testing::ValuesIn(kReports), RowName());

TEST(FullReport, UsesTheProgramWideOfficeAndTheDataOnlyDocumentTheShownOne)
{
    Desk s;
    s.compute(5);
    appGlobals().StudioName = QStringLiteral("Studio del programma");
    s.page.write({"r", "", "", "", "Roma", "oggi", "", "Studio del file", "Via del file"});
    s.outputs.run(OutputId::Relazione);
    EXPECT_TRUE(s.output.last.contains(QStringLiteral("type professionista: Studio del programma¶")));
    EXPECT_TRUE(s.output.last.contains(QStringLiteral("appendedParagraph 12 (Studio del programma)")));
    EXPECT_TRUE(s.output.last.contains(QStringLiteral("type Roma: oggi¶")));
    s.outputs.run(OutputId::SoloDati);
    EXPECT_TRUE(s.output.last.contains(QStringLiteral("cell 9 2 Studio del file")));
    // The guidance keeps the loading text once the document is done.
    EXPECT_EQ(s.page.passo(), QStringLiteral("Sto caricando WORD."));
    appGlobals().StudioName.clear();
}

namespace {

// Who signs the report, by the offices there are and the answer to the
// question asked when there is none.
struct Signer {
    const char *name;
    const char *program; // the program's office
    const char *study;   // the one the title page shows
    const char *given;   // typed in the question; null: Annulla
    int questions;
    const char *signature; // null: nothing written
    friend void PrintTo(const Signer &row, std::ostream *os) { *os << row.name; }
};

const Signer kSigners[] = {
    {"TheProgramsOffice", "Studio del programma", "Studio del file", nullptr, 0, "Studio del programma"},
    {"WithoutItTheStudysOwn", "", "Studio del file", nullptr, 0, "Studio del file"},
    {"NeitherAsksAndAnnullaWritesNothing", "", "", nullptr, 1, nullptr},
    {"NeitherAsksAndTheAnswerSigns", "", "", "Studio Neri", 1, "Studio Neri"},
};

class ReportSigner : public testing::TestWithParam<Signer> {};

} // namespace

TEST_P(ReportSigner, IsNeverNobody)
{
    const Signer &row = GetParam();
    Office office(QString::fromUtf8(row.program), QStringLiteral("Via del programma"));
    Desk s;
    s.compute(5);
    s.page.write({"r", "", "", "", "Roma", "oggi", "", QString::fromUtf8(row.study), "Via del file"});
    int questions = 0;
    s.page.setOfficeRequest([&] {
        ++questions;
        if (row.given)
            Office::set(QString::fromUtf8(row.given), QStringLiteral("Via nuova"));
        return row.given != nullptr;
    });
    EXPECT_EQ(s.outputs.run(OutputId::Relazione), row.signature != nullptr);
    EXPECT_EQ(questions, row.questions);
    if (!row.signature) {
        EXPECT_TRUE(s.output.kinds.isEmpty());
        return;
    }
    const QString name = QString::fromUtf8(row.signature);
    EXPECT_TRUE(s.output.last.contains(QStringLiteral("type professionista: ") + name + u'¶'));
    EXPECT_TRUE(s.output.last.contains(QStringLiteral("appendedParagraph 12 (") + name + u')'));
}

INSTANTIATE_TEST_SUITE_P(FullReport, ReportSigner, testing::ValuesIn(kSigners), RowName());

TEST(FullReport, LongTitleTextsKeepTheCoverOnOnePageAndThePageCountTrue)
{
    Desk s;
    s.compute(10);
    const QString lower = QStringLiteral("type ") + QString(15, u'¶');
    ASSERT_TRUE(s.outputs.run(OutputId::Relazione));
    EXPECT_TRUE(s.output.last.contains(lower));
    EXPECT_EQ(s.count(QStringLiteral("fontSize 14")), 1);
    EXPECT_TRUE(s.output.last.contains(QStringLiteral("numberPages coverUnnumbered")));

    // About 5,000 characters: the empty lines close, the texts shrink, all kept.
    const QString research = QStringLiteral("parola ").repeated(700);
    s.page.setText(TitlePageModel::Field::ricerca, research);
    ASSERT_TRUE(s.outputs.run(OutputId::Relazione));
    EXPECT_FALSE(s.output.last.contains(lower));
    EXPECT_EQ(s.count(QStringLiteral("fontSize 14")), 0);
    EXPECT_TRUE(s.output.last.contains(QStringLiteral("type ricerca: ") + research + u'¶'));

    // Attachments that do not fit under the table: a page of their own, counted.
    s.page.setText(TitlePageModel::Field::ricerca, QStringLiteral("breve"));
    s.page.setText(TitlePageModel::Field::allegati, QStringLiteral("allegato ").repeated(250));
    ASSERT_TRUE(s.outputs.run(OutputId::Relazione));
    const qsizetype sentence = s.output.last.indexOf(
        QStringLiteral("appendedParagraph 12 ¶La presente relazione è composta di n. 4 pagine.¶"));
    ASSERT_GT(sentence, 0);
    EXPECT_EQ(s.output.last[sentence - 1], QStringLiteral("newPage"));
}

TEST(DocumentModel, TablesTakeTheEmptyLastParagraphAndKeepOneAfter)
{
    DocumentModel d;
    d.setFontName(QStringLiteral("Century Gothic"));
    d.setFontSize(12);
    d.typeText(QStringLiteral("uno\rdue\f\r"));
    d.appendParagraph();
    d.addTable(2, 2);
    d.setCell(1, 1, QStringLiteral("a"));
    d.setCell(3, 1, QStringLiteral("fuori"));
    ASSERT_EQ(d.blocks().size(), 5);
    EXPECT_EQ(std::get<DocumentModel::Paragraph>(d.blocks()[0]).text(), QStringLiteral("uno"));
    EXPECT_EQ(std::get<DocumentModel::Paragraph>(d.blocks()[1]).text(), QStringLiteral("due\f"));
    EXPECT_TRUE(std::holds_alternative<DocumentModel::Table>(d.blocks()[3]));
    EXPECT_TRUE(std::holds_alternative<DocumentModel::Paragraph>(d.blocks()[4]));
    EXPECT_EQ(std::get<DocumentModel::Table>(d.blocks()[3]).cell(1, 1), QStringLiteral("a"));
}

TEST(Docx, HostileTextGivesWellFormedParts)
{
    DocumentModel d;
    const QString hostile = QStringLiteral("A & B <c> \"d\" ]]> \x01\x02\x1f fine ") + QString(10000, u'x') +
                            QChar(0xD800) + QStringLiteral("😀");
    d.typeText(hostile + u'\r');
    d.addTable(1, 1);
    d.setCell(1, 1, hostile);
    for (const auto &[name, bytes] : DocxFile::parts(d)) {
        QXmlStreamReader reader(bytes);
        while (!reader.atEnd())
            reader.readNext();
        EXPECT_FALSE(reader.hasError()) << name.toStdString() << ": " << reader.errorString().toStdString();
    }
    EXPECT_EQ(XmlText::safe(QStringLiteral("a\x01"
                                           "b\tc")),
              QStringLiteral("ab\tc"));
    QTemporaryDir dir;
    QString error;
    EXPECT_TRUE(d.save(dir.filePath(QStringLiteral("ostile.docx")), &error)) << error.toStdString();
    EXPECT_FALSE(d.save(dir.filePath(QStringLiteral("manca/ostile.docx")), &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("manca/ostile.docx.part"))));
}

// A snapshot is a copy: what is written from it is what the windows printed
// The full report is one pass over its sections: each written once, in the
// order of the document, the closing block after the chart.
TEST(FullReport, WritesEachSectionOnceInOrder)
{
    Desk s;
    s.compute(60);
    DocumentRecorder report;
    const ChartPicture chart{QByteArray("png"), QSize(40, 30)};
    TitlePageDocuments::fullReport(report, s.w.study.snapshot(), chart);
    const QStringList sections = {"newDocument",
                                  "type ricerca: ",
                                  "type Criteri di calcolo",
                                  "cell 1 1 Dati: tipo",
                                  "cell 1 1 Risultati: colonna",
                                  "cell 1 1 anno",
                                  "type Andamento del numero",
                                  "appendedParagraph 12 ¶La presente relazione",
                                  "numberPages",
                                  "properties Relazione: "};
    qsizetype at = -1;
    for (const QString &section : sections) {
        QList<qsizetype> found;
        for (qsizetype i = 0; i < report.operations.size(); ++i) {
            if (report.operations[i].startsWith(section))
                found << i;
        }
        // Every year table repeats its heading; the others are there once.
        ASSERT_FALSE(found.isEmpty()) << section.toStdString();
        EXPECT_TRUE(section == QLatin1String("cell 1 1 anno") || found.size() == 1) << section.toStdString();
        EXPECT_GT(found.first(), at) << section.toStdString();
        at = found.last();
    }
}

// when it was taken, whatever the windows and the office do afterwards.
TEST(StudySnapshot, DocumentsStayThoseOfTheMomentItWasTaken)
{
    Desk s;
    const Office office(QStringLiteral("Studio Primo"), QStringLiteral("Via Prima 1"));
    s.page.setText(TitlePageModel::Field::ricerca, QStringLiteral("Prima ricerca"));
    s.compute(60);
    ASSERT_TRUE(s.outputs.run(OutputId::Risultati));
    const QStringList results = s.output.last;
    ASSERT_TRUE(s.outputs.run(OutputId::Relazione));
    const QStringList report = s.output.last;
    const StudySnapshot taken = s.w.study.snapshot();

    Office::set(QStringLiteral("Studio Secondo"), QStringLiteral("Via Seconda 2"));
    s.page.setText(TitlePageModel::Field::ricerca, QStringLiteral("Seconda ricerca"));
    s.compute(3);
    ASSERT_TRUE(s.outputs.run(OutputId::Risultati));
    EXPECT_NE(s.output.last, results);

    DocumentRecorder fromResults;
    ProjectionDocuments::results(fromResults, taken);
    EXPECT_EQ(fromResults.operations, results);
    DocumentRecorder fromReport;
    TitlePageDocuments::fullReport(fromReport, taken);
    EXPECT_EQ(fromReport.operations, report);
    EXPECT_TRUE(report.contains(QStringLiteral("type Via Prima 1¶")));
    EXPECT_TRUE(report.contains(QStringLiteral("properties Relazione: Prima ricerca|Studio Primo")));
}
