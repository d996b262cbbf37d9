#include "IstatImport.h"

#include "ProjectionTexts.h"
#include "StudyFiles.h"
#include "core/FileDialogs.h"
#include "estimate/NumberReading.h"
#include "istat/IstatDerivation.h"
#include "istat/IstatLookup.h"
#include "istat/IstatSource.h"
#include "istat/IstatTexts.h"

#include <QFileInfo>
#include <algorithm>

IstatImport::IstatImport(FileDialogs &dialogs, const QString &currentShare)
    : m_dialogs(dialogs), m_currentShare(NumberReading::italianNumber(currentShare).value_or(0))
{
    derive();
}

// ---- The files ----

std::optional<QStringList> IstatImport::askBalances()
{
    return m_dialogs.chooseFiles({FileDialogRequest::Kind::Open, ProjectionTexts::kIstatBalanceTitle,
                                  ProjectionTexts::kIstatFilter, 1, QString(), m_dialogs.dataFolder()});
}

void IstatImport::chooseBalances()
{
    if (const auto paths = askBalances())
        addBalances(*paths);
}

void IstatImport::addBalances(const QStringList &paths)
{
    QStringList refused;
    for (const QString &path : paths) {
        remember(path);
        if (const auto why = addBalance(path))
            refused.append(*why);
    }
    m_fileMessage = refused.join(u'\n');
    listMunicipalities();
    derive();
}

std::optional<QString> IstatImport::addBalance(const QString &path)
{
    auto read = BalanceFile::read(path);
    if (const auto *no = std::get_if<IstatRefusal>(&read))
        return no->message;
    auto &table = std::get<BalanceTable>(read);
    const auto at = std::lower_bound(m_balances.begin(), m_balances.end(), table.year,
                                     [](const BalanceTable &t, int year) { return t.year < year; });
    if (at != m_balances.end() && at->year == table.year) {
        // The same file chosen again is already there.
        if (at->fileName == table.fileName)
            return std::nullopt;
        return IstatTexts::sameYear(at->fileName, table.fileName, table.year);
    }
    m_balances.insert(at, std::move(table));
    return std::nullopt;
}

void IstatImport::removeBalance(int index)
{
    if (index < 0 || std::size_t(index) >= m_balances.size())
        return;
    m_balances.erase(m_balances.begin() + index);
    m_fileMessage.clear();
    listMunicipalities();
    derive();
}

std::optional<QString> IstatImport::askAges()
{
    return m_dialogs.choose({FileDialogRequest::Kind::Open, ProjectionTexts::kIstatAgesTitle,
                             ProjectionTexts::kIstatFilter, 1, QString(), m_dialogs.dataFolder()});
}

void IstatImport::chooseAges()
{
    if (const auto path = askAges())
        setAges(*path);
}

void IstatImport::setAges(const QString &path)
{
    remember(path);
    auto read = AgeFile::read(path);
    if (const auto *no = std::get_if<IstatRefusal>(&read)) {
        m_fileMessage = no->message;
        return;
    }
    m_fileMessage.clear();
    m_ages = std::get<AgeTable>(std::move(read));
    derive();
}

void IstatImport::removeAges()
{
    m_ages.reset();
    m_fileMessage.clear();
    derive();
}

void IstatImport::remember(const QString &path)
{
    m_dialogs.setDataFolder(QFileInfo(path).absolutePath());
}

// ---- The municipality ----

void IstatImport::listMunicipalities()
{
    m_municipalities.clear();
    m_keys.clear();
    if (m_balances.empty()) {
        m_chosen.clear();
    } else {
        const auto &rows = m_balances.back().rows;
        m_municipalities.reserve(rows.size());
        m_keys.reserve(rows.size());
        for (const BalanceRow &row : rows) {
            m_municipalities.push_back({row.code, row.code + u' ' + row.name});
            m_keys.push_back(IstatLookup::nameKey(m_municipalities.back().label));
        }
    }
    filter();
}

void IstatImport::setSearch(const QString &text)
{
    m_searched = IstatLookup::nameKey(text).split(u' ', Qt::SkipEmptyParts);
    filter();
}

void IstatImport::filter()
{
    m_shown.clear();
    for (std::size_t i = 0; i < m_municipalities.size(); ++i) {
        const QString &key = m_keys[i];
        if (std::all_of(m_searched.begin(), m_searched.end(), [&key](const QString &w) { return key.contains(w); }))
            m_shown.push_back(m_municipalities[i]);
    }
}

void IstatImport::choose(const QString &code)
{
    m_chosen = code;
    derive();
}

void IstatImport::setAssumption(Assumption which, const QString &text)
{
    m_assumptions[std::size_t(which)] = text;
    derive();
}

// ---- What they give ----

std::optional<IstatChoices> IstatImport::choices()
{
    const std::pair<Assumption, IstatInput> typed[] = {{Assumption::InfantMortality, IstatInput::InfantMortality},
                                                       {Assumption::FertileStart, IstatInput::FertileStart},
                                                       {Assumption::FertileEnd, IstatInput::FertileEnd}};
    std::array<double, 3> values{};
    for (const auto &[which, input] : typed) {
        const auto value = NumberReading::italianNumber(assumption(which).trimmed());
        if (!value) {
            m_state = State::Refused;
            m_message = ProjectionTexts::notANumber(IstatTexts::inputName(input));
            return std::nullopt;
        }
        values[std::size_t(which)] = *value;
    }
    return IstatChoices{m_chosen, values[0], values[1], values[2], m_currentShare};
}

void IstatImport::derive()
{
    m_derivation.reset();
    m_state = State::Waiting;
    if (m_balances.empty() || m_chosen.isEmpty()) {
        m_message = m_balances.empty() ? ProjectionTexts::kIstatNoBalance : ProjectionTexts::kIstatNoMunicipality;
        return;
    }
    const auto chosen = choices();
    if (!chosen)
        return;
    auto derived = IstatDerive::derive(m_balances, ages(), *chosen);
    if (const auto *no = std::get_if<IstatRefusal>(&derived)) {
        m_state = State::Refused;
        m_message = no->message;
        return;
    }
    m_state = State::Derived;
    m_message.clear();
    m_derivation = std::get<IstatDerivation>(std::move(derived));
}

QStringList IstatImport::notes() const
{
    if (!m_derivation)
        return {};
    const IstatDerivation &d = *m_derivation;
    QStringList notes, provisional;
    for (const IstatYear &y : d.years) {
        if (y.provisional)
            provisional.append(QString::number(y.year));
    }
    if (!provisional.isEmpty())
        notes.append(ProjectionTexts::istatProvisional(provisional));
    if (d.input(IstatInput::WomenShare).raised)
        notes.append(ProjectionTexts::istatShareRaised(d.input(IstatInput::WomenShare).value));
    if (d.pastCheck)
        notes.append(d.pastCheck->text);
    else if (d.years.size() < 2)
        notes.append(ProjectionTexts::kIstatOneYear);
    else
        notes.append(ProjectionTexts::istatNoPastCheck(d.years.front().year, d.years.back().year));
    return notes;
}

bool IstatImport::apply(StudyFiles &files) const
{
    if (!m_derivation)
        return false;
    files.applyImport(IstatSource::fieldValues(*m_derivation), m_derivation->name,
                      IstatSource::of(*m_derivation).line());
    return true;
}
