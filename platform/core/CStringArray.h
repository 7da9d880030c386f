// Array of strings, held by value.
#pragma once

#include "platform/core/ArrayCore.h"
#include "platform/core/CObject.h"
#include "platform/core/CString.h"

class CStringArray : public CObject, public ArrayCore<CString> {
public:
    DECLARE_DYNAMIC(CStringArray)
    CStringArray() = default;
    // MFC's overload for a plain text.
    int Add(LPCTSTR value) { return ArrayCore<CString>::Add(CString(value)); }
    int Add(const CString& value) { return ArrayCore<CString>::Add(value); }
};
