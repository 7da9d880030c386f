// The input check of an application for a structure under Article 88 paragraph 1 (工作物).
#pragma once

#include "fdoutput/ZnFDOutCheckInput.h"
#include "platform/core/CString.h"

#include <vector>

class ZnStructInputCheck {
public:
    // The findings in the order of the tests: the 築造主's name, the site's lot address, the kind
    // code of each structure (first structure, then the further ones head to tail), the planned
    // start, completion and specified-process dates, and for a plan change the date of the
    // confirmation before the change. A structure has no building confirmation to test.
    static std::vector<CString> Run(const ZnFDOutCheckInput& input);
};
