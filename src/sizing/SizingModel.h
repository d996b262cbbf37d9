// The window "Dimensionamento" without widgets: the figures typed, kept in
// the study's sizing line as typed (a study never touched here keeps none),
// the office's sets of figures kept in its settings, and the sizing of the
// projection's result, or of its hypotheses, computed again whenever the
// study or a figure changes.
#pragma once

#include "core/StudioSettings.h"
#include "estimate/PlanSizing.h"
#include "storage/StudySizing.h"

#include <QObject>
#include <QPointer>
#include <QStringList>
#include <optional>

class ProjectionModel;
class Study;

class SizingModel : public QObject {
    Q_OBJECT

public:
    using Input = PlanSizing::Input;

    explicit SizingModel(Study &study, QObject *parent = nullptr);

    // A figure as its field shows it: as typed, or else the national one.
    QString value(Input input) const;
    // A figure typed; an empty text brings back the national one.
    void setValue(Input input, const QString &text);
    // The rule the study cites for the office's figures.
    QString rule() const;

    // The national figures first, then the office's sets by name.
    QStringList presetNames() const;
    // The set the study's figures and rule are, or -1 for figures of its own.
    int currentPreset() const;
    // Its figures into the fields and its rule into the study.
    void choosePreset(int index);
    // The office's set of that name, or -1.
    int presetIndex(const QString &name) const;
    // The figures now kept as the office's set under that name (in place of
    // one so named), the study citing that rule; otherwise what went wrong.
    std::optional<QString> savePreset(const QString &name, const QString &rule);
    // An office's set gone; false when the settings could not be written.
    bool removePreset(int index);

    // The projection has a result to size.
    bool hasResult() const;
    // The sizing, when there is a result and every figure is accepted.
    const std::optional<PlanSizing::Sizing> &sizing() const { return m_sizing; }
    // Why there is no sizing while there is a result (a figure named).
    const QString &refusal() const { return m_refusal; }

signals:
    // Something the window shows has changed.
    void changed();

private:
    StudySizing line() const;
    void write(const StudySizing &sizing);
    void follow(ProjectionModel *model);
    void studyChanged();
    void recompute();
    bool matches(const StudioSettings::Preset &preset) const;

    Study &m_study;
    QPointer<ProjectionModel> m_model;
    std::optional<PlanSizing::Sizing> m_sizing;
    QString m_refusal;
};
