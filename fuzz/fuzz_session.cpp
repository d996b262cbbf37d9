// libFuzzer target: a whole session of the projection window on any bytes
// opened as a study: Calcola, Verifica, Riequilibra, Salva, then the saved
// file opened again must hold the same study. Nothing shown is ever "nan".
#include "core/FileDialogs.h"
#include "core/Messenger.h"
#include "core/Modulo.h"
#include "projection/ProjectionModel.h"
#include "study/Study.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

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
    if (model.aprifile_Click() != ProjectionModel::OpenResult::Opened)
        return 0;
    model.calcola_Click();
    checkShown(model);
    model.verifica_Click();
    checkShown(model);
    model.riequilibra_Click();
    checkShown(model);
    dialogs.path = saved;
    if (model.salvanome_Click() != ProjectionModel::SaveResult::Saved)
        return 0;
    const StudyRecord before = model.study();
    Study otherStudy(messenger, dialogs);
    ProjectionModel &other = otherStudy.projection();
    if (other.aprifile_Click() != ProjectionModel::OpenResult::Opened)
        std::abort();
    StudyRecord after = other.study();
    // Opening fills empty migration rates with 0, as Apri always has.
    StudyRecord expected = before;
    for (std::size_t i : {std::size_t(8), std::size_t(9)})
        if (expected.inputs[i].isEmpty())
            expected.inputs[i] = QStringLiteral("0");
    if (after.inputs != expected.inputs || !(after.titlePage == before.titlePage))
        std::abort();
    return 0;
}
