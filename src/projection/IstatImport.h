// "Importa dati ISTAT..." without its widgets: the files chosen (each read
// when chosen, a refused one not kept), the municipalities of the latest
// year searched by name or code, the assumptions as typed, and the inputs
// they give, derived afresh after every change.
#pragma once

#include "istat/AgeTable.h"
#include "istat/BalanceTable.h"
#include "istat/IstatInputs.h"

#include <QString>
#include <QStringList>
#include <array>
#include <optional>
#include <vector>

class FileDialogs;
class StudyFiles;

class IstatImport {
public:
    // currentShare: the window's share of fertile women, as typed there,
    // used when no table of ages gives one.
    IstatImport(FileDialogs &dialogs, const QString &currentShare);

    // The files. Each chosen file is read at once; one refused is not kept,
    // and fileMessage() says why. ask... only asks for them.
    std::optional<QStringList> askBalances();
    void addBalances(const QStringList &paths);
    void chooseBalances();
    void removeBalance(int index);
    std::optional<QString> askAges();
    void setAges(const QString &path);
    void chooseAges();
    void removeAges();
    const std::vector<BalanceTable> &balances() const { return m_balances; } // by year
    const AgeTable *ages() const { return m_ages ? &*m_ages : nullptr; }
    QString fileMessage() const { return m_fileMessage; }

    // The municipalities of the latest year's file whose name or code holds
    // every word searched for, as "046017 Lucca".
    struct Municipality {
        QString code;
        QString label;
    };
    void setSearch(const QString &text);
    const std::vector<Municipality> &shown() const { return m_shown; }
    void choose(const QString &code);
    QString chosen() const { return m_chosen; }

    enum class Assumption { InfantMortality, FertileStart, FertileEnd };
    void setAssumption(Assumption which, const QString &text);
    QString assumption(Assumption which) const { return m_assumptions[std::size_t(which)]; }

    // What the choices give: nothing yet (message() says what is missing),
    // the inputs, or a refusal (message() says why).
    enum class State { Waiting, Derived, Refused };
    State state() const { return m_state; }
    QString message() const { return m_message; }
    const IstatDerivation *derivation() const { return m_derivation ? &*m_derivation : nullptr; }
    // Under the inputs: provisional years, a raised share, the check on the past.
    QStringList notes() const;

    // The inputs into the window's fields, the place onto the title page,
    // the source kept with the study; false when there is nothing to apply.
    bool apply(StudyFiles &files) const;

private:
    std::optional<QString> addBalance(const QString &path);
    void remember(const QString &path);
    void listMunicipalities();
    void filter();
    void derive();
    std::optional<IstatChoices> choices();

    FileDialogs &m_dialogs;
    double m_currentShare = 0;
    std::vector<BalanceTable> m_balances;
    std::optional<AgeTable> m_ages;
    QString m_fileMessage;
    std::vector<Municipality> m_municipalities; // of the latest year
    std::vector<QString> m_keys;                // their labels' words, for the search
    QStringList m_searched;
    std::vector<Municipality> m_shown;
    QString m_chosen;
    std::array<QString, 3> m_assumptions{QStringLiteral("3"), QStringLiteral("15"), QStringLiteral("50")};
    State m_state = State::Waiting;
    QString m_message;
    std::optional<IstatDerivation> m_derivation;
};
