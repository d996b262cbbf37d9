#include "HypothesisComparison.h"

namespace Hypotheses {

QString name(Kind kind)
{
    switch (kind) {
    case Kind::Low:
        return QStringLiteral("Bassa");
    case Kind::Central:
        return QStringLiteral("Centrale");
    case Kind::High:
        break;
    }
    return QStringLiteral("Alta");
}

QString longName(Kind kind)
{
    return QStringLiteral("ipotesi ") + name(kind).toLower();
}

} // namespace Hypotheses
