#include "ProjectionModel.h"

#include "ProjectionTexts.h"
#include "core/AppGlobals.h"
#include "core/FileDialogs.h"
#include "core/Modulo.h"
#include "estimate/NumberReading.h"

#include <algorithm>
#include <cmath>

using NumberReading::italianNumber;
using NumberReading::leadingNumber;
using Field = ProjectionModel::Field;

ProjectionModel::ProjectionModel(Messenger &messenger, FileDialogs &dialogs, TitlePageLink &titlePage, QObject *parent)
    : QObject(parent), m_messenger(messenger), m_dialogs(dialogs), m_titlePage(titlePage),
      m_files(*this, messenger, dialogs, titlePage)
{
    Form_Load();
}

void ProjectionModel::Form_Load()
{
    NotifyScope scope(*this);
    m_pdf = QString::number(kShareStart);
    m_vscroll2 = kShareStart;
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
    return projectionFieldCaption(field);
}

QString ProjectionModel::labelloTooltip(int index)
{
    return ProjectionTexts::labelloTooltip(index);
}

Message::Answer ProjectionModel::notify(const Message &message, const QString &about)
{
    // The window is brought up to date before a modal box covers it.
    emit changed();
    const Message::Answer answer = m_messenger.show(message);
    if (!about.isEmpty())
        emit messageAbout(about);
    return answer;
}

void ProjectionModel::showDataError(const QString &text, const QString &about)
{
    notify({text, appGlobals().DataCheckTitle, Message::Icon::Critical, Message::Buttons::Ok, Message::Answer::Ok},
           about);
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

void ProjectionModel::typeText(Field field, const QString &text)
{
    m_typing = true;
    setText(field, text);
    m_typing = false;
}

void ProjectionModel::leaveField(Field field)
{
    NotifyScope scope(*this);
    if (field == Field::aspvita && m_medianAgeUnchecked)
        checkMedianAge();
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
    if (m_typing)
        m_medianAgeUnchecked = true;
    else if (!checkMedianAge())
        return;
    aggiornoPasso();
}

// Compared as numbers, so 100 is no lower than 49; a text that is no number
// is left to the calculation's own checks.
bool ProjectionModel::checkMedianAge()
{
    m_medianAgeUnchecked = false;
    const auto age = italianNumber(text(Field::aspvita)), end = italianNumber(text(Field::finefert));
    if (!age || !end || *age >= *end)
        return true;
    showDataError(ProjectionTexts::kMedianAgeWarning, fieldName(Field::aspvita));
    return false;
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

void ProjectionModel::setVScroll1(int value)
{
    NotifyScope scope(*this);
    if (m_grid.setVScroll1(value))
        VScroll1_Change();
}

void ProjectionModel::ann_MouseMove(int visibleRow)
{
    NotifyScope scope(*this);
    m_grid.ann_MouseMove(visibleRow);
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

// Another study's numbers never stay on screen: its results go, and the
// buttons that work on them are as at the window's load.
void ProjectionModel::clearResults()
{
    NotifyScope scope(*this);
    m_table = ProjectionTable{};
    m_span = 0;
    m_grid = GridViewport{};
    setPopolazione(QString());
    m_progressValue = 0;
    m_verifyCount = 0;
    m_calcolaEnabled = true;
    m_verificaEnabled = false;
    m_riequilibraEnabled = true;
}

void ProjectionModel::setPasso(const QString &text)
{
    m_passo = text;
    emit changed();
}

void ProjectionModel::tellSaved(const QString &path)
{
    NotifyScope scope(*this);
    m_passo = ProjectionTexts::studySaved(path);
}
