#include "CliSession.h"

#include "app/FileDialogs.h"
#include "app/Messenger.h"
#include "app/Modulo.h"
#include "projection/ProjectionModel.h"
#include "titlepage/TitlePageData.h"

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
    m_err << "Uso: vicania-cli esegui STUDIO [COMANDO ...]\n"
             "  Apre il file di studio STUDIO ed esegue i comandi nell'ordine dato:\n"
             "  calcola, verifica, riequilibra (senza comandi: calcola).\n"
             "  Stato di uscita: 0 riuscito; 1 se è apparso un messaggio di errore;\n"
             "  2 se il file non si può leggere; 3 se il comando non è valido."
          << Qt::endl;
}

int CliSession::esegui(const QString &study, QStringList commands)
{
    if (commands.isEmpty())
        commands << QStringLiteral("calcola");
    for (const QString &command : commands) {
        if (command != QLatin1String("calcola") && command != QLatin1String("verifica") &&
            command != QLatin1String("riequilibra")) {
            m_err << "Comando sconosciuto: " << command << Qt::endl;
            usage();
            return Usage;
        }
    }

    Modulo::InitDialogTitles();
    StreamMessenger messenger(m_err);
    FixedChoice dialogs(study);
    TitlePageHolder titlePage;
    ProjectionModel model(messenger, dialogs, titlePage);
    bool exitConfirmed = false;
    QObject::connect(&model, &ProjectionModel::exitConfirmed, [&exitConfirmed] { exitConfirmed = true; });

    switch (model.aprifile_Click()) {
    case ProjectionModel::OpenResult::Opened:
        break;
    case ProjectionModel::OpenResult::TooFewFields:
        m_err << "Il file \"" << study << "\" non è uno studio di Vicania: contiene meno di 20 dati." << Qt::endl;
        return Unreadable;
    default:
        m_err << "Impossibile leggere il file \"" << study << "\"." << Qt::endl;
        return Unreadable;
    }

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
    return messenger.stopShown ? StopShown : Ok;
}
