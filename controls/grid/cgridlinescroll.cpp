#include "controls/grid/cgridlinescroll.h"

#include <algorithm>

CGridLineScroll::CGridLineScroll(const CGridSizes& sizes, int first, int maximum, int position,
                                 int top)
    : m_sizes(sizes), m_first(first), m_last(int(sizes.Count()) - 1), m_maximum(maximum),
      m_position(position), m_top(top)
{
    for (int index = first; index < top; ++index)
        m_topStart += sizes[size_t(index)];
}

int CGridLineScroll::ForwardFrom(const CGridSizes& sizes, int top, int position, int maximum)
{
    const int count = int(sizes.Count());
    int index = top;
    while (index < count && sizes[size_t(index)] <= 0)
        ++index;
    if (position < maximum && index < count)
        return position + sizes[size_t(index)];
    return position;
}

int CGridLineScroll::BackFrom(const CGridSizes& sizes, int first, int top, int position)
{
    if (position <= 0 || top <= first)
        return position;
    int index = top - 1;
    while (index > first && sizes[size_t(index)] <= 0)
        --index;
    return std::max(0, position - std::max(0, sizes[size_t(index)]));
}

void CGridLineScroll::Forward(int steps)
{
    // A step that does not move leaves nothing for the next one to move either.
    for (int step = 0; step < steps; ++step) {
        const int next =
            std::clamp(ForwardFrom(m_sizes, m_top, m_position, m_maximum), 0, m_maximum);
        if (next == m_position)
            break;
        MoveTo(next);
    }
}

void CGridLineScroll::Back(int steps)
{
    for (int step = 0; step < steps; ++step) {
        const int next = std::clamp(BackFrom(m_sizes, m_first, m_top, m_position), 0, m_maximum);
        if (next == m_position)
            break;
        MoveTo(next);
    }
}

void CGridLineScroll::MoveTo(int position)
{
    m_position = position;
    // The first shown index is the first to start at or after the position, but never past
    // the last index; the walk finds it from wherever the last one was.
    while (m_top < m_last && m_topStart < position) {
        m_topStart += m_sizes[size_t(m_top)];
        ++m_top;
    }
    while (m_top > m_first && m_topStart - m_sizes[size_t(m_top - 1)] >= position) {
        --m_top;
        m_topStart -= m_sizes[size_t(m_top)];
    }
}
