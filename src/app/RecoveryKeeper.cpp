#include "RecoveryKeeper.h"

#include "core/AppGlobals.h"
#include "core/Messenger.h"
#include "projection/ProjectionModel.h"

#include <QLocale>
#include <algorithm>

namespace {

// One line of at most eighty characters, however long the text; a word
// longer than forty, which cannot wrap, is cut there, so that the question
// stays narrower than the screen.
QString shortened(const QString &text)
{
    constexpr qsizetype kMost = 80;
    constexpr qsizetype kWord = 40;
    QString line = text.simplified();
    qsizetype end = std::min(line.size(), kMost);
    for (qsizetype i = 0, word = 0; i < end; ++i) {
        if (line.at(i) == u' ')
            word = i + 1;
        else if (i - word >= kWord)
            end = i;
    }
    if (end == line.size())
        return line;
    if (line.at(end - 1).isHighSurrogate())
        --end;
    return line.left(end) + QStringLiteral("…");
}

Message question(const RecoveryCopy::Copy &copy)
{
    const QString when = QLocale(QLocale::Italian).toString(copy.written, QStringLiteral("d MMMM yyyy, HH:mm"));
    const QString research = shortened(copy.study.titlePage.ricerca);
    const QString text =
        research.isEmpty()
            ? QStringLiteral("È stato trovato uno studio non archiviato del %1. Vuoi riprenderlo?").arg(when)
            : QStringLiteral("È stato trovato uno studio non archiviato del %1 («%2»). Vuoi riprenderlo?")
                  .arg(when, research);
    return {text, appGlobals().HelpTitle, Message::Icon::Question, Message::Buttons::YesNo, Message::Answer::Yes};
}

} // namespace

RecoveryKeeper::RecoveryKeeper(Messenger &messenger, QObject *parent) : QObject(parent), m_messenger(messenger)
{
    m_timer.setInterval(1000);
    connect(&m_timer, &QTimer::timeout, this, &RecoveryKeeper::flush);
}

// The lock goes, the copy stays: offered at the next start.
RecoveryKeeper::~RecoveryKeeper() = default;

void RecoveryKeeper::watch(ProjectionModel *model)
{
    m_model = model;
    m_baseline = model->files().study();
    m_written.reset();
    // Opened or saved: the file holds the study, the copy is not needed.
    connect(model, &ProjectionModel::archived, this, [this] {
        if (m_model)
            m_baseline = m_model->files().study();
        dropCopy();
    });
    m_timer.start();
}

void RecoveryKeeper::flush()
{
    if (!m_model) {
        m_timer.stop();
        return;
    }
    const StudyRecord now = m_model->files().study();
    if (now == m_baseline) {
        if (m_written)
            dropCopy();
        return;
    }
    // Written again when the data changed or the copy went missing.
    if (m_written && *m_written == now && m_slot && m_slot->exists())
        return;
    if (m_nextTry.hasExpired())
        write(now);
}

void RecoveryKeeper::write(const StudyRecord &now)
{
    if (!m_slot)
        m_slot = RecoveryCopy::Slot::create();
    if (m_slot && m_slot->write({now, m_model->files().fileName(), QDateTime::currentDateTime()})) {
        m_written = now;
        m_failures = 0;
        return;
    }
    // A full disk frees up slowly: tried again after 2, 4, … 64 seconds.
    m_failures = std::min(m_failures + 1, 6);
    m_nextTry.setRemainingTime(qint64{1000} << m_failures);
}

bool RecoveryKeeper::offer()
{
    std::vector<RecoveryCopy::Left> copies = RecoveryCopy::left();
    for (RecoveryCopy::Left &copy : copies) {
        if (!m_model)
            return false;
        if (m_messenger.show(question(copy.copy)) == Message::Answer::Yes) {
            // The copies not asked about stay for the next start.
            take(copy);
            return true;
        }
        copy.slot->remove();
    }
    return false;
}

void RecoveryKeeper::take(RecoveryCopy::Left &left)
{
    // This program's copy from now on, in place of whatever it kept so far.
    if (m_slot)
        m_slot->remove();
    m_slot = std::move(left.slot);
    m_model->files().applyStudy(left.copy.study);
    // Still not archived: the copy stays until the user saves.
    m_written = m_model->files().study();
    m_failures = 0;
}

void RecoveryKeeper::discard()
{
    m_timer.stop();
    dropCopy();
}

void RecoveryKeeper::dropCopy()
{
    if (m_slot)
        m_slot->remove();
    m_slot.reset();
    m_written.reset();
}

QString RecoveryKeeper::copyPath() const
{
    return m_slot ? m_slot->path() : QString();
}
