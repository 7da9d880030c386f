// The input check of an application for building equipment other than lifts (昇降機以外の建築設備).
#pragma once

#include "fdoutput/ZnFDOutCheckInput.h"
#include "platform/core/CString.h"

#include <vector>

class ZnEquipInputCheck {
public:
    // The findings in the order of the tests: the 設置者's name, the building's site, the outline of
    // the equipment, the planned start, completion and specified-process dates, the building's
    // confirmation date, and for a plan change the date of the confirmation before the change.
    static std::vector<CString> Run(const ZnFDOutCheckInput& input);
};
