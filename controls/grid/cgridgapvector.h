// A sequence kept with a movable gap inside it: the elements before the gap, free slots, then
// the elements after it. Inserting where the gap stands fills a free slot and moves nothing;
// moving the gap moves only the elements between its old and its new place. A paste inserts a
// row under each row it has just inserted, so its whole run of insertions costs its length and
// one move of the gap, where a vector would move every row below on every insertion. Index
// access maps around the gap and stays constant time.
#pragma once

#include <algorithm>
#include <cstddef>
#include <type_traits>
#include <utility>
#include <vector>

template <typename T> class CGridGapVector {
public:
    template <bool Const> class Iterator {
    public:
        using Owner = std::conditional_t<Const, const CGridGapVector, CGridGapVector>;
        Iterator(Owner* owner, std::size_t index) : m_owner(owner), m_index(index) {}
        auto& operator*() const { return (*m_owner)[m_index]; }
        Iterator& operator++()
        {
            ++m_index;
            return *this;
        }
        bool operator==(const Iterator& other) const { return m_index == other.m_index; }

    private:
        Owner* m_owner;
        std::size_t m_index;
    };

    std::size_t size() const { return m_items.size() - m_gapSize; }
    T& operator[](std::size_t index) { return m_items[Slot(index)]; }
    const T& operator[](std::size_t index) const { return m_items[Slot(index)]; }
    Iterator<false> begin() { return {this, 0}; }
    Iterator<false> end() { return {this, size()}; }
    Iterator<true> begin() const { return {this, 0}; }
    Iterator<true> end() const { return {this, size()}; }

    void insert(std::size_t index, T value)
    {
        MoveGap(index);
        if (m_gapSize == 0 && index == m_items.size()) {
            // An append with no gap left is the vector's own, with no free slots made first.
            m_items.push_back(std::move(value));
            m_gapBegin = m_items.size();
            return;
        }
        if (m_gapSize == 0)
            WidenGap(std::max<std::size_t>(size(), 16));
        m_items[m_gapBegin] = std::move(value);
        ++m_gapBegin;
        --m_gapSize;
    }
    void push_back(T value) { insert(size(), std::move(value)); }

    // Makes room for `count` elements in all: appends fill the gap's slots once it has moved
    // to the end, then the room behind it.
    void reserve(std::size_t count) { m_items.reserve(count + m_gapSize); }

    // New elements (copies of `value...`, if given) go after the last one, which is the last
    // of the storage; elements cut off go from the end.
    template <typename... Value> void resize(std::size_t count, const Value&... value)
    {
        if (count >= size()) {
            m_items.resize(m_items.size() + (count - size()), value...);
        } else if (count >= m_gapBegin) {
            m_items.resize(count + m_gapSize, value...);
        } else {
            m_items.resize(count, value...);
            m_gapBegin = count;
            m_gapSize = 0;
        }
    }

    void clear()
    {
        m_items.clear();
        m_gapBegin = 0;
        m_gapSize = 0;
    }

private:
    std::size_t Slot(std::size_t index) const
    {
        return index < m_gapBegin ? index : index + m_gapSize;
    }

    void MoveGap(std::size_t index)
    {
        // An empty gap moves by its mark alone (and no element is moved onto itself).
        if (m_gapSize != 0) {
            const auto items = m_items.begin();
            const auto gapEnd = items + std::ptrdiff_t(m_gapBegin + m_gapSize);
            if (index < m_gapBegin)
                std::move_backward(items + std::ptrdiff_t(index),
                                   items + std::ptrdiff_t(m_gapBegin), gapEnd);
            else
                std::move(gapEnd, gapEnd + std::ptrdiff_t(index - m_gapBegin),
                          items + std::ptrdiff_t(m_gapBegin));
        }
        m_gapBegin = index;
    }

    // Adds `extra` free slots to the gap, moving the elements after it to the new end.
    void WidenGap(std::size_t extra)
    {
        const std::size_t oldEnd = m_items.size();
        m_items.resize(oldEnd + extra);
        const auto items = m_items.begin();
        std::move_backward(items + std::ptrdiff_t(m_gapBegin + m_gapSize),
                           items + std::ptrdiff_t(oldEnd), m_items.end());
        m_gapSize += extra;
    }

    std::vector<T> m_items; // the elements before the gap, the gap, the elements after it
    std::size_t m_gapBegin = 0;
    std::size_t m_gapSize = 0;
};
