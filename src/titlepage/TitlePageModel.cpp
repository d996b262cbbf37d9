#include "TitlePageModel.h"

#include "TitlePageTexts.h"
#include "core/AppGlobals.h"
#include "core/Messenger.h"
#include "projection/ProjectionModel.h"

TitlePageModel::TitlePageModel(Messenger &messenger, Projection &projection, QDate today, QObject *parent)
    : QObject(parent), m_messenger(messenger), m_projection(projection)
{
    Form_Load(today);
}

void TitlePageModel::Form_Load(const QDate &today)
{
    m_fields[static_cast<std::size_t>(Field::data)] = TitlePageData::longDate(today);
    m_labelstudio = appGlobals().StudioName;
    m_labelindirizzo = appGlobals().StudioAddress;
    m_passo = kOpening;
}

QString TitlePageModel::fieldName(Field field)
{
    static const std::array<const char *, kFieldCount> names = {"ricerca", "localita", "tipostudio", "committente",
                                                                "luogo",   "data",     "allegati"};
    return QString::fromLatin1(names[static_cast<std::size_t>(field)]);
}

QString TitlePageModel::labelCaption(int index)
{
    return TitlePageTexts::labelCaption(index);
}

QString TitlePageModel::labelTooltip(int index)
{
    return TitlePageTexts::labelTooltip(index);
}

void TitlePageModel::setText(Field field, const QString &text)
{
    QString &slot = m_fields[static_cast<std::size_t>(field)];
    if (slot == text)
        return;
    slot = text;
    emit changed();
}

void TitlePageModel::setPasso(const QString &text)
{
    m_passo = text;
    emit changed();
}

void TitlePageModel::controlloFrontespizio()
{
    const AppGlobals &g = appGlobals();
    if (m_projection.popolazione().isEmpty()) {
        m_messenger.show({TitlePageTexts::kNoCalculation, g.HelpTitle, Message::Icon::Critical});
        m_projection.show();
        return;
    }
    auto empty = [this](Field f) { return text(f).isEmpty(); };
    if (empty(Field::ricerca) && empty(Field::localita) && empty(Field::tipostudio) && empty(Field::committente) &&
        empty(Field::allegati)) {
        m_messenger.show({TitlePageTexts::kNothingTyped, g.DataCheckTitle, Message::Icon::Question});
        emit messageAbout(fieldName(Field::ricerca));
        return;
    }
    for (Field f :
         {Field::ricerca, Field::localita, Field::tipostudio, Field::committente, Field::data, Field::allegati}) {
        if (empty(f)) {
            m_messenger.show({TitlePageTexts::kFillEveryField, g.DataCheckTitle, Message::Icon::Exclamation});
            // The first field still to fill.
            emit messageAbout(fieldName(f));
            return;
        }
    }
    m_messenger.show({TitlePageTexts::kAllTyped, g.DataCheckTitle, Message::Icon::Information});
}

void TitlePageModel::cancella_click()
{
    for (int i = 0; i < kFieldCount; ++i)
        m_fields[static_cast<std::size_t>(i)].clear();
    emit changed();
}

void TitlePageModel::officeChanged(const QString &oldName, const QString &oldAddress)
{
    if (m_labelstudio == oldName && m_labelindirizzo == oldAddress) {
        m_labelstudio = appGlobals().StudioName;
        m_labelindirizzo = appGlobals().StudioAddress;
        emit changed();
    }
}

TitlePageData TitlePageModel::read()
{
    return {text(Field::ricerca),     text(Field::localita), text(Field::tipostudio),
            text(Field::committente), text(Field::luogo),    text(Field::data),
            text(Field::allegati),    m_labelstudio,         m_labelindirizzo};
}

void TitlePageModel::write(const TitlePageData &d)
{
    const QStringList values = d.fields();
    for (int i = 0; i < kFieldCount; ++i)
        m_fields[static_cast<std::size_t>(i)] = values[i];
    m_labelstudio = d.labelstudio;
    m_labelindirizzo = d.labelindirizzo;
    emit changed();
}

bool TitlePageModel::salva_Click()
{
    ProjectionModel &p = projection();
    if (p.files().scrivoArchivio() != ProjectionModel::SaveResult::Saved)
        return false;
    // The projection's guidance names the file; this one says the same.
    setPasso(p.passo());
    return true;
}

bool TitlePageModel::hasOffice() const
{
    return !appGlobals().StudioName.isEmpty() || !m_labelstudio.isEmpty();
}

bool TitlePageModel::officeReady()
{
    return hasOffice() || !m_askOffice || m_askOffice();
}
