#include "CliSession.h"

#include "core/FileDialogs.h"
#include "core/Messenger.h"
#include "core/Modulo.h"
#include "core/StudioSettings.h"
#include "core/WholeFile.h"
#include "help/GuideTexts.h"
#include "output/ChartPainter.h"
#include "output/ChartTexts.h"
#include "output/HelpDocuments.h"
#include "output/ResultsExport.h"
#include "study/Study.h"
#include "word/DocumentModel.h"
#include "word/DocumentOutput.h"

#include <QFileInfo>
#include <QMap>
#include <array>
#include <optional>

namespace {

class StreamMessenger : public Messenger {
public:
    explicit StreamMessenger(QTextStream &err) : m_err(err) {}
    Message::Answer show(const Message &message) override
    {
        QString line = message.text;
        line.replace(u'\r', u' ').replace(u'\n', u' ');
        m_err << line << Qt::endl;
        if (message.icon == Message::Icon::Critical)
            stopShown = true;
        return message.buttons == Message::Buttons::YesNo ? Message::Answer::Yes : Message::Answer::Ok;
    }
    bool stopShown = false;

private:
    QTextStream &m_err;
};

// The open dialog "chooses" the study named on the command line.
class FixedChoice : public FileDialogs {
public:
    explicit FixedChoice(QString path) : m_path(std::move(path)) {}
    std::optional<QString> choose(const FileDialogRequest &) override { return m_path; }

private:
    QString m_path;
};

// Each document goes to the file named on the command line; nothing is opened.
class FileDocuments : public DocumentOutput {
public:
    FileDocuments(QTextStream &err, QString path) : m_err(err), m_path(std::move(path)) {}
    std::unique_ptr<DocumentWriter> create() override { return std::make_unique<DocumentModel>(); }
    bool deliver(DocumentWriter &document, const QString &) override
    {
        QString error;
        if (document.save(m_path, &error))
            return true;
        m_err << "Impossibile scrivere il documento \"" << m_path << "\": " << error << Qt::endl;
        failed = true;
        return false;
    }
    bool deliverNamed(DocumentWriter &document, const QString &) override { return deliver(document, {}); }
    const QString &path() const { return m_path; }
    bool failed = false;

private:
    QTextStream &m_err;
    QString m_path;
};

// What a document row writes with: the study, where the file goes, the page
// of the guide, who draws the charts.
struct Target {
    Study &study;
    FileDocuments &output;
    int page;
    ChartPainter *charts;
    QTextStream &err;
};

// Both charts to the file, in the format of its extension.
void writeChart(const Target &t)
{
    const StudySnapshot s = t.study.projection().snapshot();
    QString why = QStringLiteral("il grafico non si è potuto disegnare");
    const auto format = ChartPainter::formatOf(t.output.path());
    if (s.popolazione.isEmpty()) {
        t.err << ChartTexts::kExportNeedsCalculation << Qt::endl;
    } else {
        const QByteArray bytes = t.charts && format ? t.charts->file(s, *format) : QByteArray();
        if (!bytes.isEmpty() && WholeFile::write(t.output.path(), bytes, &why))
            return;
        t.err << ChartTexts::exportFailed(t.output.path(), why) << Qt::endl;
    }
    t.output.failed = true;
}

// A document signed by no office is still written, with a word on it.
void noticeWithoutOffice(const Target &t)
{
    if (!t.study.titlePage().hasOffice())
        t.err << "Attenzione: nessuno studio professionale è impostato, né nel programma né nello studio: il "
                 "documento non riporta né il nome né l'indirizzo dello studio."
              << Qt::endl;
}

// The seven help pages in one document, as the help contents print them.
void writeGuide(DocumentOutput &output)
{
    QStringList titles, texts;
    for (int i = 0; i < GuideTexts::kPageCount; ++i) {
        titles << GuideTexts::title(i);
        texts << GuideTexts::text(i);
    }
    const auto document = output.create();
    HelpDocuments::contents(*document, titles, texts);
    output.deliverNamed(*document, QString());
}

// One guide page, as its window prints it.
void writeGuidePage(DocumentOutput &output, int page)
{
    const auto document = output.create();
    HelpDocuments::guidePage(*document, GuideTexts::title(page), GuideTexts::text(page));
    output.deliver(*document, QStringLiteral("guida"));
}

// The window commands vicania-cli runs, one row each.
struct CliCommand {
    const char *name;
    void (*run)(ProjectionModel &model);
};
const std::array<CliCommand, 3> kCommands = {{
    {"calcola", [](ProjectionModel &m) { m.calcola_Click(); }},
    {"verifica", [](ProjectionModel &m) { m.verifica_Click(); }},
    {"riequilibra", [](ProjectionModel &m) { m.riequilibra_Click(); }},
}};

const CliCommand *findCommand(const QString &name)
{
    for (const CliCommand &c : kCommands) {
        if (name == QLatin1String(c.name))
            return &c;
    }
    return nullptr;
}

// The documents vicania-cli writes, one row each: the option, whether a
// guide page name comes before the file, whether the file is a chart (its
// extension names the format), whether it would be written without a result
// (the others refuse with a message of their own), and what writes it.
struct CliDocument {
    const char *option;
    bool namesPage;
    bool chart;
    bool needsResult;
    void (*write)(const Target &target);
};
const std::array<CliDocument, 10> kDocuments = {{
    {"--risultati", false, false, true, [](const Target &t) { t.study.projection().stampa_Click(); }},
    {"--modello", false, false, false, [](const Target &t) { t.study.projection().acquisizionedati_Click(); }},
    {"--relazione", false, false, false,
     [](const Target &t) {
         noticeWithoutOffice(t);
         t.study.titlePage().stampa_Click();
     }},
    {"--relazione-grafico", false, false, false,
     [](const Target &t) {
         noticeWithoutOffice(t);
         t.study.titlePage().stampaConGrafico_Click();
     }},
    {"--solo-dati", false, false, false,
     [](const Target &t) {
         noticeWithoutOffice(t);
         t.study.titlePage().solodati_Click();
     }},
    {"--guida", false, false, false, [](const Target &t) { writeGuide(t.output); }},
    {"--pagina-guida", true, false, false, [](const Target &t) { writeGuidePage(t.output, t.page); }},
    {"--grafico", false, true, false, writeChart},
    {"--xlsx", false, false, false,
     [](const Target &t) { t.study.projection().esportaTabella(t.output.path(), ResultsExport::Format::Xlsx); }},
    {"--csv", false, false, false,
     [](const Target &t) { t.study.projection().esportaTabella(t.output.path(), ResultsExport::Format::Csv); }},
}};

const CliDocument *findDocument(const QString &option)
{
    for (const CliDocument &d : kDocuments) {
        if (option == QLatin1String(d.option))
            return &d;
    }
    return nullptr;
}

} // namespace

int CliSession::run(const QStringList &arguments)
{
    if (arguments.size() >= 2 && arguments[0] == QLatin1String("esegui"))
        return esegui(arguments[1], arguments.mid(2));
    usage();
    return arguments.contains(QLatin1String("--help")) ? Ok : Usage;
}

void CliSession::usage()
{
    m_err << "Uso: vicania-cli esegui STUDIO [COMANDO ...] [--risultati FILE] [--modello FILE]\n"
             "                                  [--relazione FILE] [--relazione-grafico FILE]\n"
             "                                  [--solo-dati FILE] [--guida FILE]\n"
             "                                  [--pagina-guida PAGINA FILE] [--grafico FILE]\n"
             "                                  [--xlsx FILE] [--csv FILE]\n"
             "  Apre il file di studio STUDIO ed esegue i comandi nell'ordine dato:\n"
             "  calcola, verifica, riequilibra (senza comandi: calcola).\n"
             "  Poi scrive i documenti chiesti: dati e risultati, modello di acquisizione\n"
             "  dati, relazione completa (anche con il grafico), solo dati del frontespizio,\n"
             "  guida completa, i grafici (PNG, SVG o PDF secondo l'estensione), la tabella\n"
             "  dei risultati in XLSX o CSV, una pagina della guida (PAGINA: "
          << GuideTexts::windowNames().join(QStringLiteral(", "))
          << ").\n"
             "  Stato di uscita: 0 riuscito; 1 se è apparso un messaggio di errore;\n"
             "  2 se il file non si può leggere; 3 se il comando non è valido."
          << Qt::endl;
}

namespace {

struct Document {
    const CliDocument *kind;
    QString path;
    int page = -1; // of the guide, for --pagina-guida
};

struct Request {
    QList<const CliCommand *> commands;
    QList<Document> documents;
};

// A document option and what follows it, or nothing after saying what is wrong.
std::optional<Document> parseDocument(const CliDocument &kind, const QStringList &arguments, qsizetype &i,
                                      QTextStream &err)
{
    const QString &a = arguments[i];
    if (i + (kind.namesPage ? 2 : 1) >= arguments.size()) {
        err << "Manca " << (kind.namesPage ? "il nome della pagina o del file" : "il nome del file") << " dopo " << a
            << Qt::endl;
        return std::nullopt;
    }
    Document d{&kind, QString(), -1};
    if (kind.namesPage) {
        d.page = int(GuideTexts::windowNames().indexOf(arguments[++i]));
        if (d.page < 0) {
            err << "Pagina della guida sconosciuta: " << arguments[i] << Qt::endl;
            return std::nullopt;
        }
    }
    d.path = arguments[++i];
    if (kind.chart && !ChartPainter::formatOf(d.path)) {
        err << "Formato del grafico sconosciuto: " << d.path << " (usa .png, .svg o .pdf)" << Qt::endl;
        return std::nullopt;
    }
    return d;
}

// The commands and documents asked for, or nothing after saying what is wrong.
std::optional<Request> parseRequest(const QStringList &arguments, QTextStream &err)
{
    Request request;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        if (const CliCommand *command = findCommand(arguments[i])) {
            request.commands << command;
            continue;
        }
        const CliDocument *kind = findDocument(arguments[i]);
        if (!kind) {
            err << "Comando sconosciuto: " << arguments[i] << Qt::endl;
            return std::nullopt;
        }
        const std::optional<Document> d = parseDocument(*kind, arguments, i, err);
        if (!d)
            return std::nullopt;
        request.documents.append(*d);
    }
    if (request.commands.isEmpty())
        request.commands << &kCommands[0];
    return request;
}

// The same file, also through a link or under another name.
bool sameFile(const QString &a, const QString &b)
{
    const QString canonical = QFileInfo(a).canonicalFilePath();
    return !canonical.isEmpty() && canonical == QFileInfo(b).canonicalFilePath();
}

// An output over the study being read would destroy it.
bool overwritesStudy(const QList<Document> &documents, const QString &studyPath, QTextStream &err)
{
    for (const Document &d : documents) {
        if (sameFile(d.path, studyPath)) {
            err << "Il file \"" << d.path << "\" è lo studio che si sta leggendo: scegli un altro nome per "
                << d.kind->option << "." << Qt::endl;
            return true;
        }
    }
    return false;
}

// Writes each document asked for; false when one could not be written. With
// no result, a document that shows results is not written.
bool writeDocuments(const QList<Document> &documents, Study &study, ChartPainter *charts, QTextStream &err)
{
    bool failed = false;
    for (const Document &d : documents) {
        if (d.kind->needsResult && study.projection().popolazione().isEmpty()) {
            err << "Il calcolo non ha dato un risultato: il file \"" << d.path << "\" (" << d.kind->option
                << ") non è stato scritto." << Qt::endl;
            failed = true;
            continue;
        }
        FileDocuments output(err, d.path);
        study.setDocumentOutput(&output);
        d.kind->write({study, output, d.page, charts, err});
        failed = failed || output.failed;
        study.setDocumentOutput(nullptr);
    }
    return !failed;
}

// The window's state and grid, as the README describes them.
void printState(const ProjectionModel &model, QTextStream &out)
{
    using F = ProjectionModel::Field;
    out << "anno1=" << model.text(F::anno1) << '\n'
        << "abitnoti=" << model.text(F::abitnoti) << '\n'
        << "anno2=" << model.text(F::anno2) << '\n'
        << "popolazione=" << model.popolazione() << '\n'
        << "operazioni=" << model.numop() << '\n';
    QStringList header;
    for (int c = 0; c < kGridColumnCount; ++c)
        header << gridHeaderCaption(static_cast<GridColumn>(c));
    out << header.join(u';') << '\n';
    for (int row = 1; row <= model.usedRows(); ++row) {
        QStringList cells;
        for (int c = 0; c < kGridColumnCount; ++c)
            cells << gridCellText(model.table(), row, static_cast<GridColumn>(c));
        out << cells.join(u';') << '\n';
    }
    out.flush();
}

} // namespace

int CliSession::esegui(const QString &studyPath, const QStringList &arguments)
{
    const std::optional<Request> request = parseRequest(arguments, m_err);
    if (!request) {
        usage();
        return Usage;
    }
    if (overwritesStudy(request->documents, studyPath, m_err))
        return Usage;
    Modulo::InitDialogTitles();
    // The office the user set in the program signs the documents here too.
    StudioSettings::load();
    StreamMessenger messenger(m_err);
    FixedChoice dialogs(studyPath);
    Study session(messenger, dialogs);
    session.setChartPainter(m_charts);
    ProjectionModel &model = session.projection();
    bool exitConfirmed = false;
    QObject::connect(&model, &ProjectionModel::exitConfirmed, [&exitConfirmed] { exitConfirmed = true; });

    // Opened as the window's Apri opens it: the message names the file.
    if (model.files().aprifile_Click() != ProjectionModel::OpenResult::Opened)
        return Unreadable;
    for (const CliCommand *command : request->commands) {
        if (exitConfirmed)
            break; // the window would be closed by now
        command->run(model);
    }
    const bool written = writeDocuments(request->documents, session, m_charts, m_err);
    printState(model, m_out);
    return messenger.stopShown || !written ? StopShown : Ok;
}
