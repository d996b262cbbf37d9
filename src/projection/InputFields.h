// The inputs of the projection window as typed or chosen, and the guidance
// they call for: one change handler serves them all, with its few special
// cases in one place. It tells its owner when an input changed, so a result
// computed from the old values goes, and names the control a check is about.
#pragma once

#include "estimate/ProjectionInputs.h"

#include <QString>
#include <array>
#include <optional>

class InputFields {
public:
    using Input = ProjectionInput;
    // The share's scroll bar: 40 at the top, 10 at the bottom.
    static constexpr int kShareMinimum = 10;
    static constexpr int kShareMaximum = 40;
    static constexpr int kShareStart = 25;

    class Owner {
    public:
        // One repaint for all a change writes, nested as handlers are.
        virtual void beginChanges() = 0;
        virtual void endChanges() = 0;
        // An input changed and was accepted: a result of the old values no longer holds.
        virtual void inputChanged() = 0;
        // A data-check error about a control, which then gets the focus.
        virtual void tellInputError(const QString &text, const QString &control) = 0;

    protected:
        ~Owner() = default;
    };

    explicit InputFields(Owner &owner) : m_owner(owner) {}

    // As the window loads: the share at its start, no handler run.
    void load();

    QString text(Input input) const { return m_texts[ProjectionInputs::index(input)]; }
    // Written by the program (a study opened, the calculation): the change
    // handler runs, its check included.
    void setText(Input input, const QString &text);
    // Typed by the user: the same, but a check of the field alone waits until
    // the user leaves it, so a number is never interrupted while typed.
    void typeText(Input input, const QString &text);
    // The user left a field: its own check, if it was typed since.
    void leaveField(Input input);

    // The share's scroll bar, at the nearest value the share has; moving it
    // writes the share.
    int VScroll2() const { return m_vscroll2; }
    void setVScroll2(int value);

    // The prompt of the first empty input that has one, else the next step.
    QString guidance() const;
    // The last migration rates typed other than zero, for the rebalancing.
    QString LastImmigrationRate() const { return m_lastImmigrationRate; }
    std::optional<double> LastEmigrationRate() const { return m_lastEmigrationRate; }
    // A median age typed but not yet checked is checked now; false when refused.
    bool checkPendingMedianAge();
    // The fertile span as the women check takes it; 14 to 49 until both ages are typed.
    double typedFertileSpan() const;

private:
    void changed(Input input);
    bool checkMedianAge();

    Owner &m_owner;
    std::array<QString, ProjectionInputs::kCount> m_texts;
    int m_vscroll2 = kShareStart;
    QString m_lastImmigrationRate;
    std::optional<double> m_lastEmigrationRate;
    bool m_typing = false;
    bool m_medianAgeUnchecked = false; // typed since its check last ran
};
