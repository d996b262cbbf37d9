#include "SizingModel.h"

#include "SizingTexts.h"
#include "estimate/NumberReading.h"
#include "estimate/PlanSizingRun.h"
#include "estimate/StudySnapshot.h"
#include "storage/StudyFile.h"
#include "study/Study.h"

#include <algorithm>
#include <array>
#include <variant>

namespace {

using PlanSizing::Input;

// What a set of the office holds: the decree's figures, and the vacancy share.
constexpr std::array<Input, 6> kDecreeFigures = {Input::volume,        Input::volume_connesso, Input::std_istruzione,
                                                 Input::std_interesse, Input::std_verde,       Input::std_parcheggi};
constexpr qsizetype kLongestValue = 40;
constexpr qsizetype kLongestRule = 200;

QString keyOf(Input input)
{
    return QString::fromLatin1(PlanSizing::row(input).key);
}

bool isPresetFigure(Input input)
{
    return input == Input::sfitto ||
           std::find(kDecreeFigures.begin(), kDecreeFigures.end(), input) != kDecreeFigures.end();
}

QString storable(const QString &text, qsizetype longest)
{
    return StudyFile::storable(text.trimmed(), longest);
}

// The same number however written; a text that is none, as typed.
bool same(const QString &a, const QString &b)
{
    const auto x = NumberReading::italianNumber(a), y = NumberReading::italianNumber(b);
    return x && y ? *x == *y : a.trimmed() == b.trimmed();
}

QString national(Input input)
{
    const char *figure = PlanSizing::row(input).national;
    return figure ? QString::fromUtf8(figure) : QString();
}

} // namespace

SizingModel::SizingModel(Study &study, QObject *parent) : QObject(parent), m_study(study)
{
    // A projection window loaded afresh brings a model of its own.
    connect(&m_study, &Study::projectionCreated, this, [this](ProjectionModel *model) {
        follow(model);
        studyChanged();
    });
    follow(m_study.hasProjection() ? &m_study.projection() : nullptr);
    recompute();
}

void SizingModel::follow(ProjectionModel *model)
{
    if (m_model)
        disconnect(m_model, nullptr, this, nullptr);
    m_model = model;
    if (m_model)
        connect(m_model, &ProjectionModel::changed, this, &SizingModel::studyChanged);
}

// A damaged line reads as no line: the national figures.
StudySizing SizingModel::line() const
{
    const QStringList *l = m_model ? m_model->files().line(StudySizing::kKeyword) : nullptr;
    return l ? StudySizing::fromLine(*l).value_or(StudySizing{}) : StudySizing{};
}

// The study keeps the line only while it says something.
void SizingModel::write(const StudySizing &sizing)
{
    ProjectionModel &projection = m_study.projection();
    const bool empty = sizing.values.empty() && sizing.rule.isEmpty();
    projection.files().setLine(StudySizing::kKeyword, empty ? QStringList() : sizing.line());
    follow(&projection);
    studyChanged();
}

QString SizingModel::value(Input input) const
{
    const QString typed = line().value(keyOf(input));
    return typed.isEmpty() ? national(input) : typed;
}

void SizingModel::setValue(Input input, const QString &text)
{
    const QString typed = storable(text, kLongestValue);
    // A field left as it was, or a national figure typed again, is no change.
    if (typed == value(input) || (line().value(keyOf(input)).isEmpty() && typed == national(input)))
        return;
    StudySizing s = line();
    s.setValue(keyOf(input), typed);
    write(s);
}

QString SizingModel::rule() const
{
    return line().rule;
}

QStringList SizingModel::presetNames() const
{
    QStringList names{SizingTexts::kNational};
    for (const StudioSettings::Preset &p : StudioSettings::presets())
        names << p.name;
    return names;
}

bool SizingModel::matches(const StudioSettings::Preset &preset) const
{
    if (preset.rule != rule())
        return false;
    return std::all_of(preset.figures.begin(), preset.figures.end(), [&](const auto &figure) {
        const auto input = PlanSizing::byKey(figure.first);
        return !input || same(value(*input), figure.second);
    });
}

int SizingModel::currentPreset() const
{
    const bool asDecree = std::all_of(kDecreeFigures.begin(), kDecreeFigures.end(),
                                      [&](Input input) { return same(value(input), national(input)); });
    if (asDecree && rule().isEmpty())
        return 0;
    const auto presets = StudioSettings::presets();
    for (std::size_t i = 0; i < presets.size(); ++i) {
        if (matches(presets[i]))
            return int(i) + 1;
    }
    return -1;
}

void SizingModel::choosePreset(int index)
{
    const auto presets = StudioSettings::presets();
    if (index < 0 || index > int(presets.size()))
        return;
    StudySizing s = line();
    if (index == 0) {
        for (const Input input : kDecreeFigures)
            s.setValue(keyOf(input), QString());
        s.rule.clear();
    } else {
        const StudioSettings::Preset &p = presets[std::size_t(index) - 1];
        for (const auto &[key, figure] : p.figures) {
            const auto input = PlanSizing::byKey(key);
            if (input && isPresetFigure(*input))
                s.setValue(key, storable(figure, kLongestValue));
        }
        s.rule = storable(p.rule, kLongestRule);
    }
    write(s);
}

int SizingModel::presetIndex(const QString &name) const
{
    const auto presets = StudioSettings::presets();
    for (std::size_t i = 0; i < presets.size(); ++i) {
        if (presets[i].name.compare(name.trimmed(), Qt::CaseInsensitive) == 0)
            return int(i) + 1;
    }
    return -1;
}

std::optional<QString> SizingModel::savePreset(const QString &name, const QString &rule)
{
    if (name.trimmed().isEmpty())
        return SizingTexts::kNoName;
    // Only the set's figures are judged: an accepted household size stands in
    // for the study's own.
    PlanSizing::Inputs probe;
    probe.typed[std::size_t(Input::famiglia)] = QStringLiteral("1");
    StudioSettings::Preset preset{name.trimmed(), storable(rule, kLongestRule), {}};
    for (const PlanSizing::InputRow &r : PlanSizing::rows()) {
        const QString typed = line().value(QString::fromLatin1(r.key));
        if (!isPresetFigure(r.input) || (r.input == Input::sfitto && typed.isEmpty()))
            continue;
        probe.typed[std::size_t(r.input)] = value(r.input);
        preset.figures.emplace_back(QString::fromLatin1(r.key), value(r.input));
    }
    if (auto why = PlanSizing::refusal(probe))
        return SizingTexts::refusedFigures(*why);
    auto presets = StudioSettings::presets();
    const int existing = presetIndex(preset.name);
    if (existing > 0)
        presets[std::size_t(existing) - 1] = preset;
    else
        presets.push_back(preset);
    if (!StudioSettings::savePresets(presets))
        return SizingTexts::kNotSaved;
    StudySizing s = line();
    s.rule = preset.rule;
    write(s);
    return std::nullopt;
}

bool SizingModel::removePreset(int index)
{
    auto presets = StudioSettings::presets();
    if (index < 1 || index > int(presets.size()))
        return false;
    presets.erase(presets.begin() + (index - 1));
    const bool saved = StudioSettings::savePresets(presets);
    emit changed();
    return saved;
}

bool SizingModel::hasResult() const
{
    return m_model && !m_model->popolazione().isEmpty();
}

void SizingModel::recompute()
{
    m_sizing.reset();
    m_refusal.clear();
    if (!hasResult())
        return;
    const StudySnapshot s = m_study.snapshot();
    if (!s.hypothesesRefused.isEmpty()) {
        m_refusal = s.hypothesesRefused;
        return;
    }
    auto sized = PlanSizing::of(s, line());
    if (auto *done = std::get_if<PlanSizing::Sizing>(&sized))
        m_sizing = std::move(*done);
    else
        m_refusal = std::get<QString>(sized);
}

void SizingModel::studyChanged()
{
    recompute();
    emit changed();
}
