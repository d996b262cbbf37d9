// Importing Italy's whole demographic balance (P2, about 8,000
// municipalities, generated here in ISTAT's form) and deriving one
// municipality's inputs: bare CSV and zipped, as downloaded.
#include "istat/IstatDerivation.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <zip.h>

namespace {

constexpr int kMunicipalities = 7'900;

QByteArray nationalBalance()
{
    QByteArray text = "\xEF\xBB\xBF\"Bilancio demografico e popolazione residente al 31 dicembre 2023\"\r\n"
                      "Codice comune;Comune;Popolazione censita al 1\xC2\xB0 gennaio - Maschi;"
                      "Popolazione censita al 1\xC2\xB0 gennaio - Femmine;Popolazione censita al 1\xC2\xB0 gennaio - "
                      "Totale;Nati vivi - Maschi;Nati vivi - Femmine;Nati vivi - Totale;Morti - Maschi;"
                      "Morti - Femmine;Morti - Totale;Saldo naturale - Totale;Saldo migratorio interno - Totale;"
                      "Saldo migratorio con l'estero - Totale;Saldo migratorio e per altri motivi - Totale;"
                      "Popolazione al 31 dicembre - Maschi;Popolazione al 31 dicembre - Femmine;"
                      "Popolazione al 31 dicembre - Totale;Informazioni\r\n";
    for (int i = 0; i < kMunicipalities; ++i) {
        const int p1 = 800 + (i * 7919) % 60'000, births = p1 / 130, deaths = p1 / 90, in = p1 / 200, out = p1 / 300;
        const int p31 = p1 + births - deaths + in - out;
        const QString line = QStringLiteral("%1;Comune numero %2;%3;%4;%5;%6;%7;%8;%9;%10;%11;%12;%13;%14;%15;%16;%17;"
                                            "%18;p\r\n")
                                 .arg(QString::number(1001 + i).rightJustified(6, u'0'))
                                 .arg(i)
                                 .arg(p1 / 2)
                                 .arg(p1 - p1 / 2)
                                 .arg(QLocale(QLocale::Italian).toString(p1))
                                 .arg(births / 2)
                                 .arg(births - births / 2)
                                 .arg(births)
                                 .arg(deaths / 2)
                                 .arg(deaths - deaths / 2)
                                 .arg(deaths)
                                 .arg(births - deaths)
                                 .arg(in)
                                 .arg(-out)
                                 .arg(in - out)
                                 .arg(p31 / 2)
                                 .arg(p31 - p31 / 2)
                                 .arg(QLocale(QLocale::Italian).toString(p31));
        text += line.toUtf8();
    }
    return text;
}

QByteArray zipped(const QByteArray &csv)
{
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t *buffer = zip_source_buffer_create(nullptr, 0, 0, &error);
    zip_t *zip = zip_open_from_source(buffer, ZIP_TRUNCATE, &error);
    zip_source_keep(buffer);
    zip_file_add(zip, "P2_2023_it_Comuni.csv", zip_source_buffer(zip, csv.constData(), zip_uint64_t(csv.size()), 0),
                 ZIP_FL_ENC_UTF_8);
    zip_close(zip);
    zip_stat_t stat;
    zip_source_stat(buffer, &stat);
    QByteArray out(qsizetype(stat.size), Qt::Uninitialized);
    zip_source_open(buffer);
    zip_source_read(buffer, out.data(), stat.size);
    zip_source_close(buffer);
    zip_source_free(buffer);
    zip_error_fini(&error);
    return out;
}

void import(benchmark::State &state, bool zip)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(zip ? QStringLiteral("P2_2023_it_Comuni.zip") : QStringLiteral("P2_2023.csv"));
    QFile file(path);
    const QByteArray csv = nationalBalance();
    if (!file.open(QIODevice::WriteOnly) || file.write(zip ? zipped(csv) : csv) < 0) {
        state.SkipWithError("cannot write the table");
        return;
    }
    file.close();
    IstatChoices choices;
    choices.municipality = QStringLiteral("Comune numero 4321");
    choices.currentShare = 20;
    for (auto _ : state) {
        auto table = BalanceFile::read(path);
        if (!std::holds_alternative<BalanceTable>(table)) {
            state.SkipWithError("the table is refused");
            return;
        }
        const auto derived = IstatDerive::derive({std::get<BalanceTable>(std::move(table))}, nullptr, choices);
        if (!std::holds_alternative<IstatDerivation>(derived)) {
            state.SkipWithError(qPrintable(std::get<IstatRefusal>(derived).message));
            return;
        }
        benchmark::DoNotOptimize(derived);
    }
}

void BM_ImportNationalCsv(benchmark::State &state)
{
    import(state, false);
}
BENCHMARK(BM_ImportNationalCsv)->Unit(benchmark::kMillisecond);

void BM_ImportNationalZip(benchmark::State &state)
{
    import(state, true);
}
BENCHMARK(BM_ImportNationalZip)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
