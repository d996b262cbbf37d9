#include "ProjectionModel.h"

#include "NumberReading.h"
#include "ProjectionTexts.h"
#include "core/AppGlobals.h"
#include "core/Modulo.h"

#include <algorithm>
#include <cmath>

using NumberReading::italianNumber;
using NumberReading::leadingNumber;
using Field = ProjectionModel::Field;

ProjectionModel::ProjectionModel(Messenger &messenger, FileDialogs &dialogs, TitlePageLink &titlePage, QObject *parent)
    : QObject(parent), m_messenger(messenger), m_dialogs(dialogs), m_titlePage(titlePage)
{
    Form_Load();
}

void ProjectionModel::Form_Load()
{
    NotifyScope scope(*this);
    m_pdf = QStringLiteral("25");
    m_operations = 0;
    m_verificaEnabled = false;
    m_frontespizEnabled = false;
    m_passo = ProjectionTexts::kOpening;
}

QString ProjectionModel::fieldName(Field field)
{
    static const std::array<const char *, kFieldCount> names = {"anno1",    "abitnoti",    "tassofert", "iniziofert",
                                                                "finefert", "mortinfanti", "aspvita",   "immigr",
                                                                "emigr",    "anno2"};
    return QString::fromLatin1(names[index(field)]);
}

QString ProjectionModel::fieldCaption(Field field)
{
    return ProjectionTexts::fieldCaption(static_cast<int>(field));
}

QString ProjectionModel::labelloTooltip(int index)
{
    return ProjectionTexts::labelloTooltip(index);
}

Message::Answer ProjectionModel::notify(const Message &message)
{
    // The window is brought up to date before a modal box covers it.
    emit changed();
    return m_messenger.show(message);
}

void ProjectionModel::showDataError(const QString &text)
{
    notify({text, appGlobals().DataCheckTitle, Message::Icon::Critical, Message::Buttons::Ok, Message::Answer::Ok});
}

// ---- fields and guidance ----

void ProjectionModel::setText(Field field, const QString &text)
{
    NotifyScope scope(*this);
    if (m_fields[index(field)] == text)
        return;
    m_fields[index(field)] = text;
    runChangeHandler(field);
}

void ProjectionModel::runChangeHandler(Field field)
{
    switch (field) {
    case Field::anno1:
        anno1_Change();
        break;
    case Field::abitnoti:
        abitnoti_Change();
        break;
    case Field::tassofert:
        tassofert_Change();
        break;
    case Field::iniziofert:
        iniziofert_Change();
        break;
    case Field::finefert:
        finefert_Change();
        break;
    case Field::mortinfanti:
        mortinfanti_Change();
        break;
    case Field::aspvita:
        aspvita_Change();
        break;
    case Field::immigr:
        immigr_Change();
        break;
    case Field::emigr:
        emigr_Change();
        break;
    case Field::anno2:
        anno2_Change();
        break;
    }
}

void ProjectionModel::anno1_Change()
{
    aggiornoPasso();
}
void ProjectionModel::abitnoti_Change()
{
    aggiornoPasso();
}
void ProjectionModel::tassofert_Change()
{
    aggiornoPasso();
}
void ProjectionModel::iniziofert_Change()
{
    aggiornoPasso();
}
void ProjectionModel::finefert_Change()
{
    aggiornoPasso();
}
void ProjectionModel::mortinfanti_Change()
{
    aggiornoPasso();
}
void ProjectionModel::anno2_Change()
{
    aggiornoPasso();
}

void ProjectionModel::aspvita_Change()
{
    // Text order, not numeric order: "45" and "100" sort before "49".
    if (text(Field::aspvita) < text(Field::finefert)) {
        showDataError(ProjectionTexts::kMedianAgeWarning);
        return;
    }
    aggiornoPasso();
}

void ProjectionModel::immigr_Change()
{
    if (leadingNumber(text(Field::immigr)) != 0)
        m_lastImmigrationRate = text(Field::immigr);
    aggiornoPasso();
}

void ProjectionModel::emigr_Change()
{
    const QString &t = text(Field::emigr);
    if (leadingNumber(t) != 0)
        m_lastEmigrationRate = -italianNumber(t).value_or(leadingNumber(t));
    aggiornoPasso();
}

void ProjectionModel::setVScroll2(int value)
{
    NotifyScope scope(*this);
    value = std::clamp(value, kShareMinimum, kShareMaximum);
    if (value == m_vscroll2)
        return;
    m_vscroll2 = value;
    VScroll2_Change();
}

void ProjectionModel::VScroll2_Change()
{
    m_pdf = QString::number(m_vscroll2);
    aggiornoPasso();
}

void ProjectionModel::aggiornoPasso()
{
    setPopolazione(QString());
    m_calcolaEnabled = true;
    for (int i = 0; i < kFieldCount; ++i) {
        if (m_fields[static_cast<std::size_t>(i)].isEmpty()) {
            m_passo = ProjectionTexts::fieldPrompt(i);
            return;
        }
    }
    m_passo = ProjectionTexts::kReadyToCompute;
}

void ProjectionModel::setPopolazione(const QString &caption)
{
    if (caption == m_popolazione)
        return;
    m_popolazione = caption;
    // popolazione_Change: the title page needs a result.
    m_frontespizEnabled = false;
    if (!m_popolazione.isEmpty())
        m_frontespizEnabled = true;
}

double ProjectionModel::result() const
{
    return leadingNumber(m_popolazione);
}

void ProjectionModel::avviso_Click()
{
    NotifyScope scope(*this);
    const QString &title = appGlobals().DataCheckTitle;
    if (text(Field::aspvita).isEmpty()) {
        notify({ProjectionTexts::kShareNeedsMedianAge, title, Message::Icon::Information});
        return;
    }
    const double age = leadingNumber(text(Field::aspvita));
    if (age == 0) {
        notify({QStringLiteral("Il suggerimento della percentuale di donne in età feconda richiede un'età "
                               "mediana di morte maggiore di zero."),
                title, Message::Icon::Information});
        return;
    }
    const double share = std::floor(35 / age * 100 / 2);
    const QString number = (share >= 0 ? QStringLiteral(" ") : QString()) + NumberReading::integerText(share);
    notify({ProjectionTexts::kShareSuggestionHead + number + ProjectionTexts::kShareSuggestionTail, title,
            Message::Icon::Information});
}

void ProjectionModel::controlladati_Click()
{
    NotifyScope scope(*this);
    const QString &title = appGlobals().DataCheckTitle;
    if (!m_popolazione.isEmpty())
        notify({ProjectionTexts::kDataFormallyCorrect, title, Message::Icon::Information});
    else
        notify({ProjectionTexts::kDataMissing, title, Message::Icon::Critical});
}

// ---- results grid ----

int ProjectionModel::usedRows() const
{
    return static_cast<int>(std::min<qint64>(m_span + 1, ProjectionTable::kLastRow));
}

void ProjectionModel::VScroll1_Change()
{
    // The last visible row never passes row 200, even after a refused span.
    const qint64 lastRow = std::min<qint64>(m_span + 1, ProjectionTable::kLastRow);
    m_vscroll1Max = static_cast<int>(std::max<qint64>(1, lastRow - 9));
    if (m_vscroll1 > m_vscroll1Max)
        m_vscroll1 = m_vscroll1Max;
    tolgoEvidenza();
    // The grid shows the table as it was at this redraw, not as it is later.
    m_drawn = m_table;
}

void ProjectionModel::setVScroll1(int value)
{
    NotifyScope scope(*this);
    value = std::clamp(value, 1, m_vscroll1Max);
    if (value == m_vscroll1)
        return;
    m_vscroll1 = value;
    VScroll1_Change();
}

QString ProjectionModel::gridCell(int visibleRow, GridColumn column) const
{
    // Empty until the first redraw.
    if (!m_drawn)
        return QString();
    return gridCellText(*m_drawn, m_vscroll1 + visibleRow - 1, column);
}

void ProjectionModel::ann_MouseMove(int visibleRow)
{
    NotifyScope scope(*this);
    tolgoEvidenza();
    if (visibleRow >= 1 && visibleRow <= 10)
        m_highlightedRow = visibleRow;
}

void ProjectionModel::tolgoEvidenza()
{
    m_highlightedRow = 0;
}

// ---- clearing ----

void ProjectionModel::cancelladati_Click()
{
    NotifyScope scope(*this);
    if (m_clearTableOnly) {
        m_clearTableOnly = false;
    } else {
        for (int i = 0; i < kFieldCount; ++i)
            setText(static_cast<Field>(i), QString());
        m_operations = 0;
    }
    for (int row = 1; row <= usedRows(); ++row)
        m_table.clearRow(row);
    VScroll1_Change();
}
