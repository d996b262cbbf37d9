#include "CliImport.h"

#include "core/WholeFile.h"
#include "estimate/NumberReading.h"
#include "istat/IstatDerivation.h"
#include "istat/IstatSource.h"
#include "projection/InputFields.h"
#include "storage/StudyFile.h"

#include <QFileInfo>
#include <optional>

namespace CliImport {

namespace {

enum Exit { Done = 0, Refused = 1, Unreadable = 2, WrongCommand = 3 };

struct Request {
    QStringList balances;
    QString ages, study, targetYear;
    IstatChoices choices;
};

// The number after an option, Italian style ("3" or "2,5").
bool number(const QStringList &a, qsizetype &i, double &value, QTextStream &err)
{
    const QString &option = a[i];
    const auto v = ++i < a.size() ? NumberReading::italianNumber(a[i]) : std::nullopt;
    if (!v) {
        err << "Manca un numero dopo " << option << Qt::endl;
        return false;
    }
    value = *v;
    return true;
}

bool text(const QStringList &a, qsizetype &i, QString &value, QTextStream &err)
{
    if (i + 1 >= a.size()) {
        err << "Manca il valore dopo " << a[i] << Qt::endl;
        return false;
    }
    value = a[++i];
    return true;
}

bool option(const QStringList &a, qsizetype &i, Request &r, QTextStream &err)
{
    const QString &o = a[i];
    if (o == u"--posas")
        return text(a, i, r.ages, err);
    if (o == u"--comune")
        return text(a, i, r.choices.municipality, err);
    if (o == u"--studio")
        return text(a, i, r.study, err);
    if (o == u"--anno-arrivo")
        return text(a, i, r.targetYear, err);
    if (o == u"--mortalita-infantile")
        return number(a, i, r.choices.infantMortality, err);
    if (o == u"--eta-fertile")
        return number(a, i, r.choices.fertileStart, err) && number(a, i, r.choices.fertileEnd, err);
    err << "Opzione sconosciuta: " << o << Qt::endl;
    return false;
}

std::optional<Request> parse(const QStringList &a, QTextStream &err)
{
    Request r;
    r.choices.currentShare = InputFields::kShareStart;
    for (qsizetype i = 0; i < a.size(); ++i) {
        if (!a[i].startsWith(u"--"))
            r.balances << a[i];
        else if (!option(a, i, r, err))
            return std::nullopt;
    }
    if (r.study.isEmpty() || r.balances.isEmpty()) {
        err << (r.study.isEmpty() ? "Manca --studio con il file dello studio da scrivere."
                                  : "Manca almeno un file del bilancio demografico ISTAT (P2).")
            << Qt::endl;
        return std::nullopt;
    }
    const QString study = QFileInfo(r.study).absoluteFilePath();
    for (const QString &input : r.balances + QStringList{r.ages}) {
        if (!input.isEmpty() && QFileInfo(input).absoluteFilePath() == study) {
            err << "Il file \"" << input << "\" è tra quelli da leggere: scegli un altro nome per --studio."
                << Qt::endl;
            return std::nullopt;
        }
    }
    return r;
}

int refusal(const IstatRefusal &no, QTextStream &err)
{
    err << no.message << Qt::endl;
    return no.kind == IstatRefusal::Kind::Unreadable ? Unreadable : Refused;
}

} // namespace

namespace {

struct Tables {
    std::vector<BalanceTable> balances;
    std::optional<AgeTable> ages;
};

std::variant<Tables, IstatRefusal> readTables(const Request &r)
{
    Tables t;
    for (const QString &path : r.balances) {
        auto table = BalanceFile::read(path);
        if (auto *no = std::get_if<IstatRefusal>(&table))
            return *no;
        t.balances.push_back(std::get<BalanceTable>(std::move(table)));
    }
    if (!r.ages.isEmpty()) {
        auto table = AgeFile::read(r.ages);
        if (auto *no = std::get_if<IstatRefusal>(&table))
            return *no;
        t.ages = std::get<AgeTable>(std::move(table));
    }
    return t;
}

// Without --comune, the one municipality the files list.
bool chooseAlone(Request &r, const Tables &t, QTextStream &err)
{
    if (!r.choices.municipality.isEmpty())
        return true;
    const BalanceTable &last = t.balances.back();
    if (last.rows.size() == 1) {
        r.choices.municipality = last.rows.front().code;
        return true;
    }
    err << "Indica il comune con --comune (codice o nome): il file \"" << last.fileName << "\" ne elenca "
        << last.rows.size() << "." << Qt::endl;
    return false;
}

bool validYear(const QString &text)
{
    bool ok = false;
    const int year = text.toInt(&ok);
    const ProjectionInputs::Row &row = ProjectionInputs::row(ProjectionInput::anno2);
    return ok && year >= row.lowest && year <= row.highest;
}

std::optional<QByteArray> studyBytes(const IstatDerivation &d, const QString &targetYear)
{
    StudyRecord record;
    for (const auto &[input, value] : IstatSource::fieldValues(d))
        ProjectionInputs::inRecord(record, input) = value;
    ProjectionInputs::inRecord(record, ProjectionInput::anno2) = targetYear;
    record.titlePage.localita = d.name;
    const QStringList line = IstatSource::of(d).line();
    record.setLine(line.front(), line);
    return StudyFile::serialize(record);
}

void print(const IstatDerivation &d, QTextStream &out)
{
    for (const DerivedInput &i : d.inputs)
        out << ProjectionInputs::name(IstatSource::projectionInput(i.input)) << ';' << i.value << ';' << i.formula
            << '\n';
    out << (d.pastCheck ? d.pastCheck->text : QStringLiteral("Verifica sul passato: serve più di un anno di dati."))
        << Qt::endl;
}

} // namespace

int run(const QStringList &arguments, QTextStream &out, QTextStream &err)
{
    std::optional<Request> r = parse(arguments, err);
    if (!r)
        return WrongCommand;
    if (!r->targetYear.isEmpty() && !validYear(r->targetYear)) {
        err << "L'anno di arrivo \"" << r->targetYear << "\" non è un anno che il calcolo accetta." << Qt::endl;
        return WrongCommand;
    }
    const auto tables = readTables(*r);
    if (const auto *no = std::get_if<IstatRefusal>(&tables))
        return refusal(*no, err);
    const Tables &t = std::get<Tables>(tables);
    if (!chooseAlone(*r, t, err))
        return WrongCommand;
    const auto derived = IstatDerive::derive(t.balances, t.ages ? &*t.ages : nullptr, r->choices);
    if (const auto *no = std::get_if<IstatRefusal>(&derived))
        return refusal(*no, err);
    const IstatDerivation &d = std::get<IstatDerivation>(derived);
    const auto bytes = studyBytes(d, r->targetYear);
    QString why = QStringLiteral("il nome del comune ha caratteri che lo studio non può contenere");
    if (!bytes || !WholeFile::write(r->study, *bytes, &why)) {
        err << "Impossibile scrivere lo studio \"" << r->study << "\": " << why << Qt::endl;
        return Refused;
    }
    print(d, out);
    return Done;
}

QString usage()
{
    return QStringLiteral(
        "Uso: vicania-cli importa [--posas FILE] [--comune CODICE|NOME] [--mortalita-infantile N]\n"
        "                         [--eta-fertile INIZIO FINE] [--anno-arrivo ANNO] --studio USCITA FILE...\n"
        "  Legge i bilanci demografici ISTAT (P2, un file per anno, ZIP o CSV) e, se dato,\n"
        "  la popolazione per età (POSAS); ricava i dati del comune e scrive lo studio\n"
        "  USCITA con la fonte dei dati. Stampa una riga per dato, \"nome;valore;formula\",\n"
        "  poi la verifica sul passato.\n"
        "  Stato di uscita: 0 riuscito; 1 se i dati sono rifiutati; 2 se un file non si può\n"
        "  leggere; 3 se il comando non è valido.\n");
}

} // namespace CliImport
