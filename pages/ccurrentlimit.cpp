#include "pages/ccurrentlimit.h"

namespace {

// Bounds of the kept current (0.01 A) where the margin grows, then the three margins in the
// type's own unit.
constexpr CCurrentLimit::Margins kTenthsMargins{10, 200, 400, 2, 5, 10};
constexpr CCurrentLimit::Margins kDrqMargins{1, 200, 400, 20, 50, 100};
constexpr CCurrentLimit::Margins kLqnMargins{1, 100, 200, 20, 40, 50};

} // namespace

unsigned CCurrentLimit::ByMargins(const Margins& rule, unsigned mark, unsigned keptCurrent)
{
    unsigned margin = rule.large;
    if (keptCurrent < rule.firstBound)
        margin = rule.small;
    else if (keptCurrent < rule.secondBound)
        margin = rule.middle;
    return mark / rule.divisor + margin;
}

unsigned CCurrentLimit::Tenths(unsigned mark, unsigned keptCurrent)
{
    return ByMargins(kTenthsMargins, mark, keptCurrent);
}

unsigned CCurrentLimit::Drq(unsigned mark, unsigned keptCurrent)
{
    return ByMargins(kDrqMargins, mark, keptCurrent);
}

unsigned CCurrentLimit::Lqn(unsigned mark, unsigned keptCurrent)
{
    return ByMargins(kLqnMargins, mark, keptCurrent);
}
