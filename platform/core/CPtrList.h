// List of untyped pointers. The list never owns its elements.
#pragma once

#include "platform/core/CObject.h"
#include "platform/core/ListCore.h"

class CPtrList : public CObject, public ListCore<void*> {
public:
    DECLARE_DYNAMIC(CPtrList)
    explicit CPtrList(int blockSize = 10) : ListCore<void*>(blockSize) {}
    POSITION Find(void* value, POSITION startAfter = nullptr) const
    {
        return FindIf([value](void* v) { return v == value; }, startAfter);
    }
};
