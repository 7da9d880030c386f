// The date of a register row as the property screens show it.
#pragma once

#include "platform/core/COleDateTime.h"
#include "platform/core/CString.h"

// Year, month and day without leading zeros: "2010/9/3".
CString ZnDateText(const COleDateTime& date);
