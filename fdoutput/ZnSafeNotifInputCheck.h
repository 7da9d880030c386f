// The input check of the notice of the plan of safety measures (安全上の措置等に関する計画届) in
// the second slot: its six dates, each reported when it is not a valid date. Dates are not
// compared with each other.
#pragma once

#include "fdoutput/ZnFDOutCheckInput.h"
#include "platform/core/CString.h"

#include <vector>

class ZnSafeNotifInputCheck {
public:
    static std::vector<CString> Run(const ZnFDOutCheckInput& input);
};
