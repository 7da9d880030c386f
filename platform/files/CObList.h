// List of CObject pointers. The list never owns its elements.
#pragma once

#include "platform/core/CObject.h"
#include "platform/core/ListCore.h"

class CObList : public CObject, public ListCore<CObject*> {
public:
    DECLARE_DYNAMIC(CObList)
    explicit CObList(int blockSize = 10) : ListCore<CObject*>(blockSize) {}
    // The first position at or after startAfter holding value, or null.
    POSITION Find(CObject* value, POSITION startAfter = nullptr) const
    {
        return FindIf([value](CObject* v) { return v == value; }, startAfter);
    }

    // The archive form: a count, then each element as an object reference (class tag on the
    // first object of a class). Loading appends the objects read; the caller owns new ones.
    void Serialize(CArchive& ar) override;
};
