#include "CliSession.h"

#include "CliHypotheses.h"
#include "CliImport.h"
#include "CliSizing.h"

#include "core/FileDialogs.h"
#include "core/Messenger.h"
#include "core/Modulo.h"
#include "core/StudioSettings.h"
#include "help/GuideTexts.h"
#include "output/ChartPainter.h"
#include "output/Outputs.h"
#include "study/Study.h"
#include "word/DocumentModel.h"
#include "word/DocumentOutput.h"

#include <QFileInfo>
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

// A document signed by no office is still written, with a word on it.
void noticeWithoutOffice(Study &study, QTextStream &err)
{
    if (!study.titlePage().hasOffice())
        err << "Attenzione: nessuno studio professionale è impostato, né nel programma né nello studio: il "
               "documento non riporta né il nome né l'indirizzo dello studio."
            << Qt::endl;
}

// The seven help pages in one document, as the help contents print them.
void writeGuide(OutputRunner &outputs)
{
    QStringList titles, texts;
    for (int i = 0; i < GuideTexts::kPageCount; ++i) {
        titles << GuideTexts::title(i);
        texts << GuideTexts::text(i);
    }
    outputs.guide(OutputId::Guida, titles, texts);
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

} // namespace

int CliSession::run(const QStringList &arguments)
{
    if (arguments.size() >= 2 && arguments[0] == QLatin1String("esegui"))
        return esegui(arguments[1], arguments.mid(2));
    if (!arguments.isEmpty() && arguments[0] == QLatin1String("importa"))
        return CliImport::run(arguments.mid(1), m_out, m_err);
    usage();
    return arguments.contains(QLatin1String("--help")) ? Ok : Usage;
}

namespace {

// The options of the table of outputs, two a line under the command.
QString optionLines()
{
    QString lines = QStringLiteral("Uso: vicania-cli esegui STUDIO [COMANDO ...]");
    int onLine = 0;
    for (const Outputs::Output &o : Outputs::all()) {
        if (onLine == 2) {
            lines += u'\n' + QString(34, u' ');
            onLine = 0;
        } else {
            lines += u' ';
        }
        lines += u'[' + QString::fromLatin1(o.cliOption) + (o.cliNamesPage ? QStringLiteral(" PAGINA") : QString()) +
                 QStringLiteral(" FILE]");
        ++onLine;
    }
    return lines + u'\n';
}

} // namespace

void CliSession::usage()
{
    m_err << optionLines()
          << "  Apre il file di studio STUDIO ed esegue i comandi nell'ordine dato:\n"
             "  calcola, verifica, riequilibra (senza comandi: calcola).\n"
             "  Poi scrive i documenti chiesti: dati e risultati, modello di acquisizione\n"
             "  dati, relazione completa (anche con il grafico), solo dati del frontespizio,\n"
             "  guida completa, i grafici (PNG, SVG o PDF secondo l'estensione), la tabella\n"
             "  dei risultati in XLSX o CSV, gli abitanti delle ipotesi bassa, centrale e\n"
             "  alta in CSV, una pagina della guida (PAGINA: "
          << GuideTexts::windowNames().join(QStringLiteral(", "))
          << ").\n"
             "  --ipotesi-valori \"tassofert=1,2:1,6;immigr=3:9\" imposta, prima dei comandi,\n"
             "  i valori bassi e alti delle ipotesi (tassofert, aspvita, immigr, emigr).\n"
             "  --dimensionamento-valori \"famiglia=2,21;variazione=-0,01\" imposta, prima dei\n"
             "  comandi, i dati del dimensionamento del piano; --dimensionamento FILE ne\n"
             "  scrive i risultati (CSV).\n"
             "  Stato di uscita: 0 riuscito; 1 se è apparso un messaggio di errore;\n"
             "  2 se il file non si può leggere; 3 se il comando non è valido.\n"
          << CliImport::usage() << Qt::flush;
}

namespace {

struct Document {
    const Outputs::Output *kind;
    QString path;
    int page = -1; // of the guide, for --pagina-guida
};

struct Request {
    QList<const CliCommand *> commands;
    QList<Document> documents;
    std::vector<StudyHypotheses::Values> hypotheses;
    CliSizing::Values sizing;
};

// A document option and what follows it, or nothing after saying what is wrong.
std::optional<Document> parseDocument(const Outputs::Output &kind, const QStringList &arguments, qsizetype &i,
                                      QTextStream &err)
{
    const QString &a = arguments[i];
    if (i + (kind.cliNamesPage ? 2 : 1) >= arguments.size()) {
        err << "Manca " << (kind.cliNamesPage ? "il nome della pagina o del file" : "il nome del file") << " dopo " << a
            << Qt::endl;
        return std::nullopt;
    }
    Document d{&kind, QString(), -1};
    if (kind.cliNamesPage) {
        d.page = int(GuideTexts::windowNames().indexOf(arguments[++i]));
        if (d.page < 0) {
            err << "Pagina della guida sconosciuta: " << arguments[i] << Qt::endl;
            return std::nullopt;
        }
    }
    d.path = arguments[++i];
    if (kind.cliChartFile && !ChartPainter::formatOf(d.path)) {
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
        if (arguments[i] == QLatin1String(CliHypotheses::kOption)) {
            const auto values = CliHypotheses::parse(arguments.value(++i), err);
            if (!values)
                return std::nullopt;
            request.hypotheses.insert(request.hypotheses.end(), values->begin(), values->end());
            continue;
        }
        if (arguments[i] == QLatin1String(CliSizing::kOption)) {
            const auto values = CliSizing::parse(arguments.value(++i), err);
            if (!values)
                return std::nullopt;
            request.sizing.insert(request.sizing.end(), values->begin(), values->end());
            continue;
        }
        const Outputs::Output *kind = Outputs::byOption(arguments[i]);
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
                << d.kind->cliOption << "." << Qt::endl;
            return true;
        }
    }
    return false;
}

// One document or export, to the file named; what fails says so itself.
void write(const Outputs::Output &kind, const Document &d, Study &study, QTextStream &err)
{
    if (kind.signedByOffice)
        noticeWithoutOffice(study, err);
    switch (kind.id) {
    case OutputId::Guida:
        writeGuide(study.outputs());
        break;
    case OutputId::PaginaGuida:
        study.outputs().guide(kind.id, {GuideTexts::title(d.page)}, {GuideTexts::text(d.page)});
        break;
    default:
        study.outputs().run(kind.id, d.path);
    }
}

// Writes each document asked for; false when one could not be written. With
// no result, a document that shows results is not written.
bool writeDocuments(const QList<Document> &documents, Study &study, QTextStream &err)
{
    bool failed = false;
    for (const Document &d : documents) {
        if (d.kind->cliNeedsResult && study.projection().popolazione().isEmpty()) {
            err << "Il calcolo non ha dato un risultato: il file \"" << d.path << "\" (" << d.kind->cliOption
                << ") non è stato scritto." << Qt::endl;
            failed = true;
            continue;
        }
        FileDocuments output(err, d.path);
        study.setDocumentOutput(&output);
        write(*d.kind, d, study, err);
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
    if (!request->hypotheses.empty())
        CliHypotheses::apply(model, request->hypotheses);
    if (!request->sizing.empty())
        CliSizing::apply(model, request->sizing);
    for (const CliCommand *command : request->commands) {
        if (exitConfirmed)
            break; // the window would be closed by now
        command->run(model);
    }
    const bool written = writeDocuments(request->documents, session, m_err);
    printState(model, m_out);
    return messenger.stopShown || !written ? StopShown : Ok;
}
