// MFC's growable array of strings, stored as a count followed by each string.
#pragma once

#include "platform/core/CString.h"
#include "platform/files/CArray.h"

class CStringArray : public CArray<CString, const CString&> {
public:
    DECLARE_DYNAMIC(CStringArray)
    CStringArray() = default;
};
