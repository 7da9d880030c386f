// List of strings, held by value.
#pragma once

#include "platform/core/CObject.h"
#include "platform/core/CString.h"
#include "platform/core/ListCore.h"

class CStringList : public CObject, public ListCore<CString> {
public:
    DECLARE_DYNAMIC(CStringList)
    explicit CStringList(int blockSize = 10) : ListCore<CString>(blockSize) {}
    POSITION Find(LPCTSTR value, POSITION startAfter = nullptr) const
    {
        return FindIf([value](const CString& v) { return v == value; }, startAfter);
    }
};
