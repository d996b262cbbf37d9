// libFuzzer target: a whole session of the projection window on any bytes
// opened as a study: Calcola, Verifica, Riequilibra, the table exported
// (CSV and XLSX) and the title page's document made (for one input in
// 32), Salva, then the saved file opened again must hold the same study.
// Nothing shown or exported is ever "nan"; every XML part of the workbook
// and the document is well formed whatever the study's texts hold.
#include "core/AppGlobals.h"
#include "core/FileDialogs.h"
#include "core/Messenger.h"
#include "core/Modulo.h"
#include "output/ResultsExport.h"
#include "output/TitlePageDocuments.h"
#include "projection/ProjectionModel.h"
#include "study/Study.h"
#include "word/DocumentModel.h"
#include "word/DocxFile.h"

#include <QStringDecoder>

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <numeric>
#include <zip.h>

namespace {

// "nan" or "inf" as a word ("infantile" is fine).
bool absurd(const QString &text)
{
    static const QRegularExpression word(QStringLiteral("\\b(nan|inf)\\b"), QRegularExpression::CaseInsensitiveOption);
    return word.match(text).hasMatch();
}

class YesToAll : public Messenger {
public:
    Message::Answer show(const Message &message) override
    {
        if (absurd(message.text))
            std::abort();
        return message.buttons == Message::Buttons::YesNo ? Message::Answer::Yes : Message::Answer::Ok;
    }
};

class OneFile : public FileDialogs {
public:
    QString path;
    std::optional<QString> choose(const FileDialogRequest &) override { return path; }
};

void checkShown(const ProjectionModel &m)
{
    if (absurd(m.popolazione()))
        std::abort();
}

void checkXml(const QByteArray &bytes)
{
    QXmlStreamReader reader(bytes);
    while (!reader.atEnd())
        reader.readNext();
    if (reader.hasError())
        std::abort();
}

// Every XML part of a package read from memory.
void checkPackage(const QByteArray &bytes)
{
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t *source = zip_source_buffer_create(bytes.constData(), zip_uint64_t(bytes.size()), 0, &error);
    zip_t *zip = source ? zip_open_from_source(source, ZIP_RDONLY, &error) : nullptr;
    if (!zip)
        std::abort();
    for (zip_int64_t i = 0; i < zip_get_num_entries(zip, 0); ++i) {
        zip_stat_t stat;
        if (zip_stat_index(zip, zip_uint64_t(i), 0, &stat) != 0)
            std::abort();
        const QByteArray name(stat.name);
        if (!name.endsWith(".xml") && !name.endsWith(".rels"))
            continue;
        QByteArray part(qsizetype(stat.size), Qt::Uninitialized);
        zip_file_t *file = zip_fopen_index(zip, zip_uint64_t(i), 0);
        if (!file || zip_fread(file, part.data(), stat.size) != zip_int64_t(stat.size))
            std::abort();
        zip_fclose(file);
        checkXml(part);
    }
    zip_discard(zip);
    zip_error_fini(&error);
}

// The exports and the title page's document, the office taken from the
// title page's own fields so that it too comes from the input.
void checkExports(Study &study)
{
    const TitlePageData page = study.snapshot().titlePage;
    appGlobals().StudioName = page.labelstudio;
    appGlobals().StudioAddress = page.labelindirizzo;
    const StudySnapshot s = study.snapshot();
    if (absurd(QString::fromUtf8(ResultsExport::csv(s))))
        std::abort();
    QString error;
    const QByteArray book = ResultsExport::xlsx(s, &error);
    if (book.isEmpty())
        std::abort();
    checkPackage(book);
    DocumentModel document;
    TitlePageDocuments::dataOnly(document, page);
    for (const auto &[name, bytes] : DocxFile::parts(document))
        checkXml(bytes);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static QTemporaryDir dir;
    static const bool ready = (Modulo::InitDialogTitles(), true);
    (void)ready;
    const QString input = dir.filePath(QStringLiteral("Vicania-dati-ingresso"));
    const QString saved = dir.filePath(QStringLiteral("Vicania-dati-salvato"));
    QFile::remove(saved);
    {
        QFile f(input);
        if (!f.open(QIODevice::WriteOnly))
            return 0;
        f.write(reinterpret_cast<const char *>(data), qint64(size));
    }
    YesToAll messenger;
    OneFile dialogs;
    Study study(messenger, dialogs);
    ProjectionModel &model = study.projection();
    // A slow loop is stopped as the window's cancel button would stop it.
    model.setRebalanceProgress([](qint64 steps) { return steps < 20000; });
    dialogs.path = input;
    if (model.files().aprifile_Click() != ProjectionModel::OpenResult::Opened)
        return 0;
    model.calcola_Click();
    checkShown(model);
    model.verifica_Click();
    checkShown(model);
    model.riequilibra_Click();
    checkShown(model);
    // Under the sanitizers the exports cost about eight times an average
    // run: one input in 32, by the sum of its bytes, goes through them, so
    // the run keeps most of its pace.
    if (std::accumulate(data, data + size, 0U) % 32 == 0)
        checkExports(study);
    dialogs.path = saved;
    if (model.files().salvanome_Click() != ProjectionModel::SaveResult::Saved)
        return 0;
    const StudyRecord before = model.files().study();
    Study otherStudy(messenger, dialogs);
    ProjectionModel &other = otherStudy.projection();
    if (other.files().aprifile_Click() != ProjectionModel::OpenResult::Opened)
        std::abort();
    StudyRecord after = other.files().study();
    // Opening fills empty migration rates with 0, as Apri always has.
    StudyRecord expected = before;
    for (std::size_t i : {std::size_t(8), std::size_t(9)})
        if (expected.inputs[i].isEmpty())
            expected.inputs[i] = QStringLiteral("0");
    // Windows-1252 bytes that happen to be valid UTF-8 (such as "Ã©") are read
    // back as UTF-8, as a study written elsewhere in UTF-8 must be.
    QFile file(saved);
    const QByteArray bytes = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString asUtf8 = utf8.decode(bytes);
    if (!utf8.hasError() && asUtf8.size() != bytes.size())
        return 0;
    if (after.inputs != expected.inputs || !(after.titlePage == before.titlePage))
        std::abort();
    return 0;
}
