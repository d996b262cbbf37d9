// What reading or deriving gives: the thing asked for, or why not, in words
// the user reads. A file that cannot be read at all is told apart from one
// that is read but refused, as vicania-cli's exit codes do.
#pragma once

#include <QString>
#include <variant>

struct IstatRefusal {
    enum class Kind { Refused, Unreadable };
    Kind kind = Kind::Refused;
    QString message;
};

template <typename T> using IstatOutcome = std::variant<T, IstatRefusal>;

inline IstatRefusal istatRefused(const QString &message)
{
    return {IstatRefusal::Kind::Refused, message};
}

inline IstatRefusal istatUnreadable(const QString &message)
{
    return {IstatRefusal::Kind::Unreadable, message};
}
