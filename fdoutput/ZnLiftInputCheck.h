// The input check of a lift application (昇降機) and of a lift of a structure (工作物の昇降機):
// both pages check the same fields of ZnModelAppLift and, for a plan change, the confirmation before
// the change in the third slot (ZnModelAppLiftMod or ZnModelAppStrLiftMod).
#pragma once

#include "fdoutput/ZnFDOutCheckInput.h"
#include "platform/core/CString.h"

#include <vector>

class ZnLiftInputCheck {
public:
    // The findings in the order of the tests: the 設置者's name, the site's address, the kind code of
    // each lift (first lift, then the further lifts head to tail), the planned start, completion and
    // specified-process dates, the building's confirmation date, and for a plan change the date of
    // the confirmation before the change.
    static std::vector<CString> Run(const ZnFDOutCheckInput& input);
};
