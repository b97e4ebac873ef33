#include "controls/grid/cgridsizes.h"

#include <utility>

void CGridSizes::Set(std::size_t index, int size)
{
    m_total += long(size) - m_sizes[index];
    m_sizes[index] = size;
}

void CGridSizes::Insert(std::size_t index, int size)
{
    m_sizes.insert(index, size);
    m_total += size;
}

void CGridSizes::Resize(std::size_t count, int size)
{
    const std::size_t old = m_sizes.size();
    for (std::size_t index = count; index < old; ++index)
        m_total -= m_sizes[index];
    m_sizes.resize(count, size);
    if (count > old)
        m_total += long(count - old) * size;
}

void CGridSizes::Fill(int size)
{
    for (int& value : m_sizes)
        value = size;
    m_total = long(m_sizes.size()) * size;
}

void CGridSizes::Clear()
{
    m_sizes.clear();
    m_total = 0;
}

void CGridSizes::Swap(std::size_t a, std::size_t b)
{
    std::swap(m_sizes[a], m_sizes[b]);
}
