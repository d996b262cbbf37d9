#include "CliSession.h"

#include "core/FileDialogs.h"
#include "core/Messenger.h"
#include "core/Modulo.h"
#include "docs/DocumentModel.h"
#include "docs/DocumentOutput.h"
#include "help/GuideTexts.h"
#include "help/HelpDocuments.h"
#include "study/Study.h"
#include "core/StudioSettings.h"

#include <QMap>
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
    bool failed = false;

private:
    QTextStream &m_err;
    QString m_path;
};

const QStringList kDocumentOptions = {QStringLiteral("--risultati"), QStringLiteral("--modello"),
                                      QStringLiteral("--relazione"), QStringLiteral("--solo-dati"),
                                      QStringLiteral("--guida"),     QStringLiteral("--pagina-guida")};
const QString kGuidePageOption = QStringLiteral("--pagina-guida");

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
             "                                  [--relazione FILE] [--solo-dati FILE] [--guida FILE]\n"
             "                                  [--pagina-guida PAGINA FILE]\n"
             "  Apre il file di studio STUDIO ed esegue i comandi nell'ordine dato:\n"
             "  calcola, verifica, riequilibra (senza comandi: calcola).\n"
             "  Poi scrive i documenti chiesti: dati e risultati, modello di acquisizione\n"
             "  dati, relazione completa, solo dati del frontespizio, guida completa,\n"
             "  una pagina della guida (PAGINA: "
          << GuideTexts::windowNames().join(QStringLiteral(", "))
          << ").\n"
             "  Stato di uscita: 0 riuscito; 1 se è apparso un messaggio di errore;\n"
             "  2 se il file non si può leggere; 3 se il comando non è valido."
          << Qt::endl;
}

namespace {

struct Document {
    QString option, path;
    int page = -1; // of the guide, for --pagina-guida
};

struct Request {
    QStringList commands;
    QList<Document> documents;
};

// The commands and documents asked for, or nothing after saying what is wrong.
std::optional<Request> parseRequest(const QStringList &arguments, QTextStream &err)
{
    Request request;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &a = arguments[i];
        if (a == QLatin1String("calcola") || a == QLatin1String("verifica") || a == QLatin1String("riequilibra")) {
            request.commands << a;
            continue;
        }
        if (!kDocumentOptions.contains(a)) {
            err << "Comando sconosciuto: " << a << Qt::endl;
            return std::nullopt;
        }
        const bool page = a == kGuidePageOption;
        if (i + (page ? 2 : 1) >= arguments.size()) {
            err << "Manca " << (page ? "il nome della pagina o del file" : "il nome del file") << " dopo " << a
                << Qt::endl;
            return std::nullopt;
        }
        Document d{a, QString(), -1};
        if (page) {
            d.page = int(GuideTexts::windowNames().indexOf(arguments[++i]));
            if (d.page < 0) {
                err << "Pagina della guida sconosciuta: " << arguments[i] << Qt::endl;
                return std::nullopt;
            }
        }
        d.path = arguments[++i];
        request.documents.append(d);
    }
    if (request.commands.isEmpty())
        request.commands << QStringLiteral("calcola");
    return request;
}

// Writes each document asked for; false when one could not be written.
bool writeDocuments(const QList<Document> &documents, ProjectionModel &model, TitlePageModel &titlePage,
                    QTextStream &err)
{
    bool failed = false;
    for (const auto &[option, path, page] : documents) {
        FileDocuments output(err, path);
        model.setDocumentOutput(&output);
        titlePage.setDocumentOutput(&output);
        if (option == QLatin1String("--risultati"))
            model.stampa_Click();
        else if (option == QLatin1String("--modello"))
            model.acquisizionedati_Click();
        else if (option == QLatin1String("--relazione"))
            titlePage.stampa_Click();
        else if (option == QLatin1String("--guida"))
            writeGuide(output);
        else if (option == kGuidePageOption)
            writeGuidePage(output, page);
        else
            titlePage.solodati_Click();
        failed = failed || output.failed;
        model.setDocumentOutput(nullptr);
        titlePage.setDocumentOutput(nullptr);
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

int CliSession::esegui(const QString &studyPath, QStringList arguments)
{
    const std::optional<Request> request = parseRequest(arguments, m_err);
    if (!request) {
        usage();
        return Usage;
    }
    Modulo::InitDialogTitles();
    // The office the user set in the program signs the documents here too.
    StudioSettings::load();
    StreamMessenger messenger(m_err);
    FixedChoice dialogs(studyPath);
    Study session(messenger, dialogs);
    ProjectionModel &model = session.projection();
    TitlePageModel &titlePage = session.titlePage();
    bool exitConfirmed = false;
    QObject::connect(&model, &ProjectionModel::exitConfirmed, [&exitConfirmed] { exitConfirmed = true; });

    // Opened as the window's Apri opens it: the message names the file.
    if (model.aprifile_Click() != ProjectionModel::OpenResult::Opened)
        return Unreadable;
    for (const QString &command : request->commands) {
        if (exitConfirmed)
            break; // the window would be closed by now
        if (command == QLatin1String("calcola"))
            model.calcola_Click();
        else if (command == QLatin1String("verifica"))
            model.verifica_Click();
        else
            model.riequilibra_Click();
    }
    const bool written = writeDocuments(request->documents, model, titlePage, m_err);
    printState(model, m_out);
    return messenger.stopShown || !written ? StopShown : Ok;
}
