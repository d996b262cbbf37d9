#include "RecoveryKeeper.h"

#include "core/AppGlobals.h"
#include "core/Messenger.h"
#include "projection/ProjectionModel.h"
#include "storage/RecoveryCopy.h"

#include <QLocale>

RecoveryKeeper::RecoveryKeeper(Messenger &messenger, QObject *parent) : QObject(parent), m_messenger(messenger)
{
    m_timer.setInterval(1000);
    connect(&m_timer, &QTimer::timeout, this, &RecoveryKeeper::flush);
}

void RecoveryKeeper::watch(ProjectionModel *model)
{
    m_model = model;
    m_baseline = model->study();
    m_written.reset();
    // Opened or saved: the file holds the study, the copy is not needed.
    connect(model, &ProjectionModel::archived, this, [this] {
        if (m_model)
            m_baseline = m_model->study();
        m_written.reset();
        RecoveryCopy::remove();
    });
    m_timer.start();
}

void RecoveryKeeper::flush()
{
    if (!m_model) {
        m_timer.stop();
        return;
    }
    const StudyRecord now = m_model->study();
    if (now == m_baseline) {
        if (m_written)
            RecoveryCopy::remove();
        m_written.reset();
        return;
    }
    if (m_written && *m_written == now)
        return;
    if (RecoveryCopy::write({now, m_model->commonDialogFileName(), QDateTime::currentDateTime()}))
        m_written = now;
}

bool RecoveryKeeper::offer()
{
    const auto copy = RecoveryCopy::read();
    if (!copy || !m_model)
        return false;
    const QString when = QLocale(QLocale::Italian).toString(copy->written, QStringLiteral("d MMMM yyyy, HH:mm"));
    const Message question{QStringLiteral("È stato trovato uno studio non archiviato del %1 («%2»). Vuoi "
                                          "riprenderlo?")
                               .arg(when, copy->study.titlePage.ricerca),
                           appGlobals().HelpTitle, Message::Icon::Question, Message::Buttons::YesNo,
                           Message::Answer::Yes};
    if (m_messenger.show(question) != Message::Answer::Yes) {
        RecoveryCopy::remove();
        return false;
    }
    m_model->applyStudy(copy->study);
    // Still not archived: the copy stays until the user saves.
    m_written = m_model->study();
    return true;
}

void RecoveryKeeper::discard()
{
    m_timer.stop();
    m_written.reset();
    RecoveryCopy::remove();
}
