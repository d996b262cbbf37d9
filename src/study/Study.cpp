#include "Study.h"

Study::Study(Messenger &messenger, FileDialogs &dialogs, QDate today, QObject *parent)
    : QObject(parent), m_messenger(messenger), m_dialogs(dialogs), m_today(today)
{
}

Study::~Study() = default; // the models are children

ProjectionModel &Study::projection()
{
    if (!m_projection) {
        m_projection = new ProjectionModel(m_messenger, m_dialogs, *this, this);
        m_projection->setDocumentOutput(m_documents);
        m_projection->setChartPainter(m_charts);
        emit projectionCreated(m_projection);
    }
    return *m_projection;
}

TitlePageModel &Study::titlePage()
{
    if (!m_titlePage) {
        const QDate today = m_today.isValid() ? m_today : QDate::currentDate();
        m_titlePage = new TitlePageModel(m_messenger, *this, today, this);
        m_titlePage->setDocumentOutput(m_documents);
        m_titlePage->setChartPainter(m_charts);
    }
    return *m_titlePage;
}

// A handler of the old model may be what unloads its window (the exit asked
// after a refused span), so it is deleted later, never under its own feet.
void Study::resetProjection()
{
    if (m_projection)
        std::exchange(m_projection, nullptr)->deleteLater();
}

void Study::resetTitlePage()
{
    if (m_titlePage)
        std::exchange(m_titlePage, nullptr)->deleteLater();
}

void Study::setDocumentOutput(DocumentOutput *output)
{
    m_documents = output;
    if (m_projection)
        m_projection->setDocumentOutput(output);
    if (m_titlePage)
        m_titlePage->setDocumentOutput(output);
}

void Study::officeChanged(const QString &oldName, const QString &oldAddress)
{
    if (m_titlePage)
        m_titlePage->officeChanged(oldName, oldAddress);
}

void Study::setChartPainter(ChartPainter *charts)
{
    m_charts = charts;
    if (m_projection)
        m_projection->setChartPainter(charts);
    if (m_titlePage)
        m_titlePage->setChartPainter(charts);
}
