// Typed list of model records. The list owns its elements: copying a list copies every
// element (each with a new serial id), assigning rebuilds it, destroying it deletes them.
// In the archive a list is a 4-byte count followed by each element's own Serialize.
#pragma once

#include "platform/files/Afx.h"

template <typename E> class ZnModelList : public CObList {
public:
    ZnModelList() : CObList(10) {}
    ZnModelList(const ZnModelList& other) : CObList(10) { AppendCopies(other); }
    ZnModelList& operator=(const ZnModelList& other)
    {
        if (this != &other) {
            DeleteAll();
            AppendCopies(other);
        }
        return *this;
    }
    ~ZnModelList() override { DeleteAll(); }

    E* GetNext(POSITION& pos) const { return static_cast<E*>(CObList::GetNext(pos)); }
    E* GetAt(POSITION pos) const { return static_cast<E*>(CObList::GetAt(pos)); }
    E* GetHead() const { return static_cast<E*>(CObList::GetHead()); }
    E* GetTail() const { return static_cast<E*>(CObList::GetTail()); }
    // The element at a zero-based index, or null.
    E* GetAtIndex(int index) const
    {
        POSITION pos = FindIndex(index);
        return pos ? GetAt(pos) : nullptr;
    }

    // Appends a copy of element; the list owns the copy.
    void AddCopy(const E& element) { AddTail(new E(element)); }
    // Deletes every element and empties the list.
    void DeleteAll()
    {
        while (!IsEmpty())
            delete static_cast<E*>(RemoveHead());
    }

    void Serialize(CArchive& ar) override
    {
        if (ar.IsStoring()) {
            // A null element is never stored: the count is that of the elements written.
            ar << CountElements();
            for (POSITION pos = GetHeadPosition(); pos;)
                if (E* element = GetNext(pos))
                    element->Serialize(ar);
            return;
        }
        LONG count = 0;
        ar >> count;
        DeleteAll();
        for (LONG i = 0; i < count; ++i) {
            E* element = new E;
            try {
                element->Serialize(ar);
            } catch (...) {
                delete element;
                throw;
            }
            AddTail(element);
        }
    }

private:
    LONG CountElements() const
    {
        LONG count = 0;
        for (POSITION pos = GetHeadPosition(); pos;)
            if (GetNext(pos))
                ++count;
        return count;
    }
    void AppendCopies(const ZnModelList& other)
    {
        for (POSITION pos = other.GetHeadPosition(); pos;)
            if (E* element = other.GetNext(pos))
                AddCopy(*element);
    }
};
