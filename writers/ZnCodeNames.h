// The words and digits that the writers put in place of stored codes, by fixed tables. A code
// text is compared as a whole or first read as a decimal number (as atoi reads it), as stated
// with each table.
#pragma once

#include "platform/core/CString.h"

namespace ZnCodeNames {

// The name of a structure-kind code ("02401" gives 木造 ... "02499" その他); any other text
// unchanged.
CString GetStructureKindName(const CString& code);
// The digit of a building category code ("03701" gives "1" ... "03704" "4"); any other text
// unchanged.
CString GetBuildTypeDigit(const CString& code);
// 一級, 二級 or 木造 for the architect classes 101/301, 102/302, 103/303 (read as a number); ""
// for anything else.
CString GetArchitectClassName(const CString& code);
// The city-planning area of codes 700 to 702 (read as a number); "" for anything else.
CString GetUrbanPlanAreaName(const CString& code);
// The area division of codes 801 to 807 (read as a number); "" for anything else.
CString GetAreaDivisionName(const CString& code);

} // namespace ZnCodeNames
