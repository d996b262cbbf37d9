// Every refusal of the ISTAT import, with the message the user reads.
#include "istat/IstatDerivation.h"
#include "istat/IstatFile.h"
#include "support/Cases.h"

#include <QFile>
#include <functional>

#include <gtest/gtest.h>

namespace {

struct File {
    std::string name, text;
};

struct Refusal {
    std::string name;
    std::string message;
    std::vector<File> balances;
    std::optional<File> ages;
    std::string municipality = "Roccaventosa";
    double share = 20, infant = 3, start = 15, end = 50;
    friend void PrintTo(const Refusal &row, std::ostream *os) { *os << row.name; }
};

const std::string kHead = "Codice comune;Comune;Popolazione al 1° gennaio - Totale;Nati vivi - Totale;Morti - Totale;"
                          "Saldo migratorio interno - Totale;Saldo migratorio con l'estero - Totale;"
                          "Popolazione al 31 dicembre - Totale\n";
const std::string kRocca = "099001;Roccaventosa;1.000;10;8;5;5;1.012\n";

File p2(int year, const std::string &lines, const std::string &head = kHead)
{
    return {"P2_" + std::to_string(year) + ".csv", "\"Bilancio demografico e popolazione residente al 31 dicembre " +
                                                       std::to_string(year) + "\"\n" + head + lines};
}

std::string without(std::string text, const std::string &part)
{
    return text.erase(text.find(part), part.size());
}

std::vector<Refusal> refusals()
{
    const std::string noDeaths = without(kHead, "Morti - Totale;");
    const std::string noForeign = without(kHead, "Saldo migratorio con l'estero - Totale;");
    const std::string ages = "\"Popolazione residente al 1° gennaio 2024\"\nCodice comune;Comune;Età;Totale maschi;"
                             "Totale femmine;Totale\n099002;Valfonda;999;10;10;20\n";
    std::vector<Refusal> rows = {
        {"MissingColumn",
         "Il file «P2_2023.csv» non è un bilancio demografico ISTAT dei comuni: manca la colonna «Morti - Totale».",
         {p2(2023, "099001;Roccaventosa;1.000;10;5;5;1.012\n", noDeaths)},
         {}},
        {"MissingBalance",
         "Il file «P2_2023.csv» non è un bilancio demografico ISTAT dei comuni: manca la colonna «Saldo migratorio con "
         "l'estero - Totale».",
         {p2(2023, "099001;Roccaventosa;1.000;10;8;5;1.012\n", noForeign)},
         {}},
        {"AgesGivenAsBalance",
         "Il file «POSAS_2024.csv» non è un bilancio demografico ISTAT dei comuni: manca la colonna «Popolazione al 1° "
         "gennaio - Totale».",
         {{"POSAS_2024.csv", ages}},
         {}},
        {"NotACount",
         "Il file «P2_2023.csv», riga 3: «12,5» nella colonna «Nati vivi - Totale» non è un numero di persone.",
         {p2(2023, "099001;Roccaventosa;1.000;12,5;8;5;5;1.012\n")},
         {}},
        {"NegativeCount",
         "Il file «P2_2023.csv», riga 3: «-8» nella colonna «Morti - Totale» non è un numero di persone.",
         {p2(2023, "099001;Roccaventosa;1.000;10;-8;5;5;1.012\n")},
         {}},
        {"ListedTwice",
         "Il file «P2_2023.csv» elenca due volte il comune con codice 099001 (righe 3 e 4).",
         {p2(2023, kRocca + kRocca)},
         {}},
        {"NoYear",
         "Il file «bilancio.csv» non dice a quale anno si riferisce, né nel titolo né nel nome.",
         {{"bilancio.csv", "\"Bilancio demografico\"\n" + kHead + kRocca}},
         {}},
        {"NotFoundWithCandidates",
         "Nessun comune del file «P2_2023.csv» ha il nome o il codice «Rocca». Forse: Roccaventosa (099001).",
         {p2(2023, kRocca)},
         {},
         "Rocca"},
        {"NotFoundByCode",
         "Nessun comune del file «P2_2023.csv» ha il nome o il codice «099777».",
         {p2(2023, kRocca)},
         {},
         "099777"},
        {"Ambiguous",
         "«castelmare» indica più comuni: Castelmare (098003), Castelmare (099003). Scegline uno con il suo codice.",
         {p2(2023, "099003;Castelmare;800;5;9;0;0;796\n098003;Castelmare;1.200;8;12;0;0;1.196\n")},
         {},
         "castelmare"},
        {"SameYear",
         "I file «P2_2023.csv» e «P2_2023_bis.csv» sono entrambi del 2023: serve un solo file per anno.",
         {p2(2023, kRocca), {"P2_2023_bis.csv", p2(2023, kRocca).text}},
         {}},
        {"YearsNotConsecutive",
         "Gli anni dei bilanci non si seguono: dopo il 2021 viene il 2023. Servono anni consecutivi.",
         {p2(2021, kRocca), p2(2023, kRocca)},
         {}},
        {"CodeChanged",
         "Il comune Roccaventosa ha il codice 099001 nel 2023 e 099009 nel 2022: i file non descrivono lo stesso "
         "comune.",
         {p2(2022, "099009;Roccaventosa;1.000;10;8;5;5;1.012\n"), p2(2023, kRocca)},
         {}},
        {"NameChanged",
         "Il comune con codice 099001 si chiama Roccaventosa nel 2023 e Rocca Ventosa nel 2022: i file non descrivono "
         "lo stesso comune.",
         {p2(2022, "099001;Rocca Ventosa;1.000;10;8;5;5;1.012\n"), p2(2023, kRocca)},
         {}},
        {"AbsentInAYear",
         "Il comune Roccaventosa (099001) non compare nel bilancio del 2022 («P2_2022.csv»).",
         {p2(2022, "099002;Valfonda;1.000;10;8;5;5;1.012\n"), p2(2023, kRocca)},
         {}},
        {"AbsentInTheAges",
         "Il comune Roccaventosa (099001) non compare nella popolazione per età «POSAS_2024.csv».",
         {p2(2023, kRocca)},
         File{"POSAS_2024.csv", ages}},
        // 1000 × 5.000 ÷ ((1.000 + 5.950) ÷ 2) = 1438,849
        {"MigrationOutOfBounds",
         "Il valore ricavato per «Immigrazione x 1000», 1438,85, è fuori dai limiti del calcolo (da 0 a 1.000).",
         {p2(2023, "099001;Roccaventosa;1.000;10;60;5.000;0;5.950\n")},
         {}},
        {"ShareAboveForty",
         "La quota delle donne in età feconda, 45%, supera il 40%: non è il dato di un comune.",
         {p2(2023, kRocca)},
         {},
         "Roccaventosa",
         45},
        {"DeathsTooFew",
         "I morti (8) non superano i morti infantili ipotizzati (10): l'età mediana di morte non si può ricavare. "
         "Abbassa la mortalità infantile.",
         {p2(2023, kRocca)},
         {},
         "Roccaventosa",
         20,
         1000},
        {"FertileEndNotAfterStart",
         "L'età di fine procreazione deve essere maggiore di quella di inizio.",
         {p2(2023, kRocca)},
         {},
         "Roccaventosa",
         20,
         3,
         50,
         15},
        {"InfantMortalityOutOfBounds",
         "«Mortalità infantile su 1000» deve essere compreso tra 0 e 1.000.",
         {p2(2023, kRocca)},
         {},
         "Roccaventosa",
         20,
         1001},
        // ((1.000 + 1.012) ÷ 2) ÷ (30 – 10 × 3 ÷ 1000) = 33,567
        {"MedianAgeBelowFertileEnd",
         "L'età mediana di morte ricavata dai dati (33,6) è inferiore all'età di fine procreazione (50): il calcolo "
         "non accetterebbe questi dati. Controlla i file scelti e le età fertili.",
         {p2(2023, "099001;Roccaventosa;1.000;10;30;5;5;1.012\n")},
         {}},
        {"NoFiles", "Scegli almeno un file del bilancio demografico ISTAT (P2).", {}, {}},
    };
    return rows;
}

QByteArray bytes(const std::string &text)
{
    return QByteArray::fromStdString(text);
}

// The first refusal on the way from the files to the inputs.
std::string firstRefusal(const Refusal &r)
{
    std::vector<BalanceTable> tables;
    for (const File &f : r.balances) {
        auto t = BalanceFile::parse(QString::fromStdString(f.name), bytes(f.text));
        if (const auto *no = std::get_if<IstatRefusal>(&t))
            return no->message.toStdString();
        tables.push_back(std::get<BalanceTable>(std::move(t)));
    }
    std::optional<AgeTable> ages;
    if (r.ages)
        ages = std::get<AgeTable>(AgeFile::parse(QString::fromStdString(r.ages->name), bytes(r.ages->text)));
    const IstatChoices choices{QString::fromStdString(r.municipality), r.infant, r.start, r.end, r.share};
    const auto d = IstatDerive::derive(tables, ages ? &*ages : nullptr, choices);
    if (const auto *no = std::get_if<IstatRefusal>(&d))
        return no->message.toStdString();
    return "(accepted)";
}

class Refused : public testing::TestWithParam<Refusal> {};

} // namespace

TEST_P(Refused, SaysWhy)
{
    EXPECT_EQ(firstRefusal(GetParam()), GetParam().message);
}

INSTANTIATE_TEST_SUITE_P(Imports, Refused, testing::ValuesIn(refusals()), RowName());

namespace {

struct FileRefusal {
    std::string name;
    std::string message;
    IstatRefusal::Kind kind;
    std::function<IstatOutcome<QByteArray>()> read;
    friend void PrintTo(const FileRefusal &row, std::ostream *os) { *os << row.name; }
};

QString data(const char *name)
{
    return QStringLiteral(ISTAT_DATA "/") + QString::fromUtf8(name);
}

QByteArray fileBytes(const char *name)
{
    QFile f(data(name));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

const FileRefusal kFileRefusals[] = {
    {"NotAZip", "L'archivio «x.zip» non si può aprire: non è un file ZIP integro.", IstatRefusal::Kind::Unreadable,
     [] { return IstatFile::csvBytes(QStringLiteral("x.zip"), QByteArray("PK\x03\x04 rotto"), 1000); }},
    {"ZipWithoutCsv", "L'archivio «senza_csv.zip» non contiene un file CSV.", IstatRefusal::Kind::Refused,
     [] { return IstatFile::read(data("senza_csv.zip"), 1000); }},
    {"ZipWithTwoCsv",
     "L'archivio «due_csv.zip» contiene più file CSV («a.csv», «b.csv»): scegli un archivio con un "
     "solo file.",
     IstatRefusal::Kind::Refused, [] { return IstatFile::read(data("due_csv.zip"), 1000); }},
    {"MemberOverTheCap",
     "Il file «P2_2022_it_099_Roccaventosa.csv» dell'archivio «P2_2022_it_099_Roccaventosa.zip» "
     "è troppo grande per una tabella ISTAT dei comuni (più di 1 MB).",
     IstatRefusal::Kind::Refused,
     [] {
         return IstatFile::csvBytes(QStringLiteral("P2_2022_it_099_Roccaventosa.zip"),
                                    fileBytes("P2_2022_it_099_Roccaventosa.zip"), 600);
     }},
    {"CsvOverTheCap", "Il file «x.csv» è troppo grande per una tabella ISTAT dei comuni (più di 1 MB).",
     IstatRefusal::Kind::Refused,
     [] { return IstatFile::csvBytes(QStringLiteral("x.csv"), QByteArray(101, ';'), 100); }},
    {"Folder", "«data» non è un file: scegli il file scaricato dall'ISTAT.", IstatRefusal::Kind::Unreadable,
     [] { return IstatFile::read(QStringLiteral(ISTAT_DATA), 1000); }},
    {"Missing", "Il file «assente.csv» non si può leggere.", IstatRefusal::Kind::Unreadable,
     [] { return IstatFile::read(data("assente.csv"), 1000); }},
};

class FileRefused : public testing::TestWithParam<FileRefusal> {};

} // namespace

TEST_P(FileRefused, SaysWhyAndWhetherItCouldBeRead)
{
    const auto read = GetParam().read();
    ASSERT_TRUE(std::holds_alternative<IstatRefusal>(read));
    EXPECT_EQ(std::get<IstatRefusal>(read).message.toStdString(), GetParam().message);
    EXPECT_EQ(std::get<IstatRefusal>(read).kind, GetParam().kind);
}

INSTANTIATE_TEST_SUITE_P(Files, FileRefused, testing::ValuesIn(kFileRefusals), RowName());

TEST(FileRefused, MoreLinesThanAnyNationalTable)
{
    std::string text = "\"Bilancio 2023\"\n" + kHead;
    for (int i = 0; i < 80'000; ++i)
        text += "\n";
    const auto t = BalanceFile::parse(QStringLiteral("P2_2023.csv"), bytes(text));
    ASSERT_TRUE(std::holds_alternative<IstatRefusal>(t));
    EXPECT_EQ(std::get<IstatRefusal>(t).message.toStdString(),
              "Il file «P2_2023.csv» ha più di 80.000 righe: troppe per una tabella ISTAT dei comuni.");
}

TEST(FileRefused, MoreMunicipalitiesThanItalyEverHad)
{
    std::string text = "\"Popolazione residente al 1° gennaio 2024\"\nCodice comune;Comune;Età;Totale maschi;"
                       "Totale femmine;Totale\n";
    for (int code = 1; code <= 20'001; ++code)
        text += std::to_string(code) + ";C;0;1;1;2\n";
    const auto t = AgeFile::parse(QStringLiteral("POSAS_2024.csv"), bytes(text));
    ASSERT_TRUE(std::holds_alternative<IstatRefusal>(t));
    EXPECT_EQ(std::get<IstatRefusal>(t).message.toStdString(),
              "Il file «POSAS_2024.csv» elenca più di 20.000 comuni: troppi per una tabella ISTAT.");
}
