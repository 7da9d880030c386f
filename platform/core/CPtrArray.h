// Array of untyped pointers. The array never owns its elements.
#pragma once

#include "platform/core/ArrayCore.h"
#include "platform/core/CObject.h"

class CPtrArray : public CObject, public ArrayCore<void*> {
public:
    DECLARE_DYNAMIC(CPtrArray)
    CPtrArray() = default;
};
