// The growable array behind CPtrArray, with MFC's names. Indexes are checked:
// one outside the array throws std::out_of_range rather than reading or writing past it.
#pragma once

#include "platform/core/WinTypes.h"

#include <vector>

template <typename T> class ArrayCore {
public:
    ArrayCore() = default;
    ArrayCore(const ArrayCore&) = delete;
    ArrayCore& operator=(const ArrayCore&) = delete;

    int GetSize() const { return static_cast<int>(m_items.size()); }
    int GetUpperBound() const { return GetSize() - 1; }
    // Grows with default elements or cuts to newSize (0 for a negative size).
    void SetSize(int newSize, int growBy = -1) { m_items.resize(newSize > 0 ? newSize : 0); }
    void RemoveAll() { m_items.clear(); }

    const T& GetAt(int index) const { return m_items.at(index); }
    void SetAt(int index, const T& value) { m_items.at(index) = value; }
    T& ElementAt(int index) { return m_items.at(index); }
    const T& operator[](int index) const { return m_items.at(index); }
    T& operator[](int index) { return m_items.at(index); }

    // Appends value and returns its index.
    int Add(const T& value)
    {
        m_items.push_back(value);
        return GetUpperBound();
    }

private:
    std::vector<T> m_items;
};
