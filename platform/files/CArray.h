// MFC's growable array of values. New elements are value-initialised (0, 0.0, empty), and the
// archive form is a count followed by each element in order (SerializeElements).
#pragma once

#include "platform/core/CObject.h"
#include "platform/files/CArchive.h"

#include <stdexcept>
#include <vector>

// Stores or loads count elements one after another: numbers and strings in the archive's own
// forms. A class of elements that stores itself gives its own specialisation.
template <class TYPE> void SerializeElements(CArchive& ar, TYPE* elements, INT_PTR count)
{
    for (INT_PTR i = 0; i < count; ++i) {
        if (ar.IsStoring())
            ar << elements[i];
        else
            ar >> elements[i];
    }
}

template <class TYPE, class ARG_TYPE = const TYPE&> class CArray : public CObject {
public:
    CArray() = default;
    CArray(const CArray&) = delete;
    CArray& operator=(const CArray&) = delete;

    INT_PTR GetSize() const { return static_cast<INT_PTR>(m_data.size()); }
    INT_PTR GetCount() const { return GetSize(); }
    BOOL IsEmpty() const { return m_data.empty(); }
    INT_PTR GetUpperBound() const { return GetSize() - 1; }
    // The growth step is the library's own; nGrowBy is accepted as MFC takes it.
    void SetSize(INT_PTR newSize, INT_PTR nGrowBy = -1) { m_data.resize(newSize > 0 ? newSize : 0); }
    void RemoveAll() { m_data.clear(); }

    const TYPE& GetAt(INT_PTR index) const { return m_data[Checked(index)]; }
    void SetAt(INT_PTR index, ARG_TYPE element) { m_data[Checked(index)] = element; }
    TYPE& ElementAt(INT_PTR index) { return m_data[Checked(index)]; }
    const TYPE& operator[](INT_PTR index) const { return GetAt(index); }
    TYPE& operator[](INT_PTR index) { return ElementAt(index); }
    const TYPE* GetData() const { return m_data.data(); }
    TYPE* GetData() { return m_data.data(); }

    INT_PTR Add(ARG_TYPE element)
    {
        m_data.push_back(element);
        return GetUpperBound();
    }
    // Makes this array a copy of source, element by element.
    void Copy(const CArray& source)
    {
        if (this != &source)
            m_data = source.m_data;
    }

    // Loading replaces the elements only when the whole array was read. Elements are read one by
    // one, so a count larger than the input holds fails at the input's end without reserving
    // room for it.
    void Serialize(CArchive& ar) override
    {
        if (ar.IsStoring()) {
            ar.WriteCount(m_data.size());
            SerializeElements<TYPE>(ar, m_data.data(), GetSize());
            return;
        }
        std::vector<TYPE> loaded;
        for (DWORD_PTR count = ar.ReadCount(); count > 0; --count) {
            TYPE element{};
            SerializeElements<TYPE>(ar, &element, 1);
            loaded.push_back(element);
        }
        m_data.swap(loaded);
    }

private:
    // An index outside the array throws rather than reading or writing past it.
    size_t Checked(INT_PTR index) const
    {
        if (index < 0 || index >= GetSize())
            throw std::out_of_range("array index out of range");
        return static_cast<size_t>(index);
    }

    std::vector<TYPE> m_data;
};
