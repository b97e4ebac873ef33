// The allowed-current rules of the device types: the highest current slider position a page
// writes without asking, from the allowed motor current a tree label carries now and the
// allowed-current mark the page stored at its last update. No window is needed for them.
#pragma once

class CCurrentLimit {
public:
    // The mark (divided for types that count in 0.1 A) plus a margin that grows in two steps
    // with the stored mark.
    struct Margins {
        unsigned divisor;
        unsigned firstBound, secondBound;
        unsigned small, middle, large;
    };

    // The limit under `rule` for the allowed motor current `mark` (0.01 A).
    static unsigned ByMargins(const Margins& rule, unsigned mark, unsigned storedMark);
    // Types that count in 0.1 A: the mark in tenths plus 0.2, 0.5 or 1.0 A.
    static unsigned Tenths(unsigned mark, unsigned storedMark);
    // DRQ+ and DRQ2+, in 0.01 A: the mark plus 0.20, 0.50 or 1.00 A.
    static unsigned Drq(unsigned mark, unsigned storedMark);
    // LQN, in 0.01 A: the mark plus 0.20, 0.40 or 0.50 A.
    static unsigned Lqn(unsigned mark, unsigned storedMark);
};
