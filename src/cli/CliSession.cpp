#include "CliSession.h"

#include "app/FileDialogs.h"
#include "app/Messenger.h"
#include "app/Modulo.h"
#include "docs/DocumentModel.h"
#include "docs/DocumentOutput.h"
#include "help/GuideTexts.h"
#include "help/HelpDocuments.h"
#include "projection/ProjectionModel.h"
#include "titlepage/StudioSettings.h"
#include "titlepage/TitlePageModel.h"

#include <QMap>

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

int CliSession::esegui(const QString &study, QStringList arguments)
{
    QStringList commands;
    struct Document {
        QString option, path;
        int page = -1; // of the guide, for --pagina-guida
    };
    QList<Document> documents;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &a = arguments[i];
        if (kDocumentOptions.contains(a)) {
            const bool page = a == kGuidePageOption;
            if (i + (page ? 2 : 1) >= arguments.size()) {
                m_err << "Manca " << (page ? "il nome della pagina o del file" : "il nome del file") << " dopo " << a
                      << Qt::endl;
                usage();
                return Usage;
            }
            Document d{a, QString(), -1};
            if (page) {
                d.page = int(GuideTexts::windowNames().indexOf(arguments[++i]));
                if (d.page < 0) {
                    m_err << "Pagina della guida sconosciuta: " << arguments[i] << Qt::endl;
                    usage();
                    return Usage;
                }
            }
            d.path = arguments[++i];
            documents.append(d);
        } else if (a == QLatin1String("calcola") || a == QLatin1String("verifica") ||
                   a == QLatin1String("riequilibra")) {
            commands << a;
        } else {
            m_err << "Comando sconosciuto: " << a << Qt::endl;
            usage();
            return Usage;
        }
    }
    if (commands.isEmpty())
        commands << QStringLiteral("calcola");

    Modulo::InitDialogTitles();
    // The office the user set in the program signs the documents here too.
    StudioSettings::load();
    StreamMessenger messenger(m_err);
    FixedChoice dialogs(study);
    ProjectionModel *projection = nullptr;
    TitlePageModel titlePage(messenger, {[&projection] { return projection->popolazione(); }, [] {},
                                         [&projection]() -> const ProjectionModel & { return *projection; }});
    ProjectionModel model(messenger, dialogs, titlePage);
    projection = &model;
    bool exitConfirmed = false;
    QObject::connect(&model, &ProjectionModel::exitConfirmed, [&exitConfirmed] { exitConfirmed = true; });

    // Opened as the window's Apri opens it: the message names the file.
    if (model.aprifile_Click() != ProjectionModel::OpenResult::Opened)
        return Unreadable;

    for (const QString &command : commands) {
        if (exitConfirmed)
            break; // the window would be closed by now
        if (command == QLatin1String("calcola"))
            model.calcola_Click();
        else if (command == QLatin1String("verifica"))
            model.verifica_Click();
        else
            model.riequilibra_Click();
    }

    bool documentFailed = false;
    for (const auto &[option, path, page] : documents) {
        FileDocuments output(m_err, path);
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
        documentFailed = documentFailed || output.failed;
        model.setDocumentOutput(nullptr);
        titlePage.setDocumentOutput(nullptr);
    }

    using F = ProjectionModel::Field;
    m_out << "anno1=" << model.text(F::anno1) << '\n'
          << "abitnoti=" << model.text(F::abitnoti) << '\n'
          << "anno2=" << model.text(F::anno2) << '\n'
          << "popolazione=" << model.popolazione() << '\n'
          << "operazioni=" << model.numop() << '\n';
    QStringList header;
    for (int c = 0; c < kGridColumnCount; ++c)
        header << gridHeaderCaption(static_cast<GridColumn>(c));
    m_out << header.join(u';') << '\n';
    for (int row = 1; row <= model.usedRows(); ++row) {
        QStringList cells;
        for (int c = 0; c < kGridColumnCount; ++c)
            cells << gridCellText(model.table(), row, static_cast<GridColumn>(c));
        m_out << cells.join(u';') << '\n';
    }
    m_out.flush();
    return messenger.stopShown || documentFailed ? StopShown : Ok;
}
