#include "TipModel.h"

#include "core/BoundedRead.h"
#include "storage/StudyFile.h"

#include "storage/Windows1252.h"

#include <QFile>

const QString &TipModel::missingFileText()
{
    static const QString text =
        QStringLiteral("Impossibile trovare il file SuggerimentiVicania.TXT\r\n\r\nCreare un file di testo denominato "
                       "SuggerimentiVicania.TXT utilizzando il Blocco note e inserendo un suggerimento per ogni riga. "
                       "Inserire il file nella stessa directory dell'applicazione. ");
    return text;
}

TipModel::TipModel(const QString &path)
{
    if (!LoadTips(path))
        m_text = missingFileText();
}

bool TipModel::LoadTips(const QString &path)
{
    if (path.isEmpty())
        return false;
    // A tips file is a few KiB; a pipe, a device or a huge file is not one.
    const BoundedRead::Result read = BoundedRead::file(path, qint64{1024} * 1024);
    if (read.status != BoundedRead::Status::Read)
        return false;
    const QString content = StudyFile::decode(read.bytes);
    // One tip per line, whatever the line end; a last line end adds no tip.
    QString normal = content;
    normal.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
    m_tips = normal.split(u'\n');
    if (normal.endsWith(u'\n') || normal.isEmpty())
        m_tips.removeLast();
    ShowNextTip();
    return true;
}

void TipModel::DisplayCurrentTip()
{
    if (!m_tips.isEmpty())
        m_text = m_tips[m_current - 1];
}

void TipModel::ShowNextTip()
{
    ++m_current;
    if (m_current > m_tips.size())
        m_current = 1;
    DisplayCurrentTip();
}

void TipModel::ShowPreviousTip()
{
    if (m_current <= 1 || m_tips.isEmpty())
        return;
    --m_current;
    m_text = m_tips[m_current - 1];
}
