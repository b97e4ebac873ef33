// The heights of a grid's rows, or the widths of its columns, with their sum kept beside
// them. The grid reads its whole extent after every change of a row (for its scroll bars);
// adding up every row each time made filling a grid row by row cost the square of its rows.
// The sizes stand around a gap, as the grid's rows do, so that a paste inserting row after
// row moves none of the rows below.
#pragma once

#include "controls/grid/cgridgapvector.h"

#include <cstddef>

class CGridSizes {
public:
    std::size_t Count() const { return m_sizes.size(); }
    int operator[](std::size_t index) const { return m_sizes[index]; }
    // The sum of all sizes.
    long Total() const { return m_total; }

    void Set(std::size_t index, int size);
    void Insert(std::size_t index, int size);
    // Cuts to `count` sizes, or adds sizes of `size` up to it.
    void Resize(std::size_t count, int size = 0);
    // Gives every row (column) `size`.
    void Fill(int size);
    void Clear();
    void Swap(std::size_t a, std::size_t b);

private:
    CGridGapVector<int> m_sizes;
    long m_total = 0;
};
