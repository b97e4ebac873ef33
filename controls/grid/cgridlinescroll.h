// One-line scrolls of the grid along one axis, worked out without the window. A step forward
// moves by the size of the first shown row (or column), skipping hidden ones; a step back by
// the size of the shown one before it. Many steps in a row follow the first shown row along
// as the position moves, so they cost the steps plus the rows passed, where looking it up
// afresh from the first row after every step would cost the steps times the rows.
#pragma once

#include "controls/grid/cgridsizes.h"

class CGridLineScroll {
public:
    // `sizes` holds every row's height (column's width), fixed ones included; `first` is the
    // first non-fixed index; positions run from 0 to `maximum`; `top` is the first index
    // the grid shows at `position`, the one the first step goes from.
    CGridLineScroll(const CGridSizes& sizes, int first, int maximum, int position, int top);

    void Forward(int steps);
    void Back(int steps);
    int Position() const { return m_position; }

    // The position one step from `position` when `top` is the first shown index; the caller
    // keeps it within the scroll range.
    static int ForwardFrom(const CGridSizes& sizes, int top, int position, int maximum);
    static int BackFrom(const CGridSizes& sizes, int first, int top, int position);

private:
    void MoveTo(int position);

    const CGridSizes& m_sizes;
    int m_first;
    int m_last; // the last index the first shown one can be
    int m_maximum;
    int m_position;
    int m_top; // the first shown index: after a step, the first to start at or after the position
    long long m_topStart = 0; // where it starts, counted from the first non-fixed index
};
