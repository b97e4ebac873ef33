#include "pages/ccurrentlimit.h"

namespace {

// Bounds of the stored mark (0.01 A) where the margin grows, then the three margins in the
// type's own unit.
constexpr CCurrentLimit::Margins kTenthsMargins{10, 200, 400, 2, 5, 10};
constexpr CCurrentLimit::Margins kDrqMargins{1, 200, 400, 20, 50, 100};
constexpr CCurrentLimit::Margins kLqnMargins{1, 100, 200, 20, 40, 50};

} // namespace

unsigned CCurrentLimit::ByMargins(const Margins& rule, unsigned mark, unsigned storedMark)
{
    unsigned margin = rule.large;
    if (storedMark < rule.firstBound)
        margin = rule.small;
    else if (storedMark < rule.secondBound)
        margin = rule.middle;
    return mark / rule.divisor + margin;
}

unsigned CCurrentLimit::Tenths(unsigned mark, unsigned storedMark)
{
    return ByMargins(kTenthsMargins, mark, storedMark);
}

unsigned CCurrentLimit::Drq(unsigned mark, unsigned storedMark)
{
    return ByMargins(kDrqMargins, mark, storedMark);
}

unsigned CCurrentLimit::Lqn(unsigned mark, unsigned storedMark)
{
    return ByMargins(kLqnMargins, mark, storedMark);
}
