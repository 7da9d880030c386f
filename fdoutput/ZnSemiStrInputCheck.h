// The input check of an application for a structure under Article 88 paragraph 2 (工作物（法88条
// ２項）) and of its plan change: the 築造主, the site's lot address, the usage, the planned dates
// and, for a plan change, the issue date of the confirmation before it. No date is required: an
// empty date passes.
#pragma once

#include "fdoutput/ZnFDOutCheckInput.h"
#include "platform/core/CString.h"

#include <vector>

class ZnSemiStrInputCheck {
public:
    // The messages of the failed tests in their order. Reads the application root (first slot),
    // the structure application (second slot) and, for document type 1008, the plan change (third
    // slot).
    static std::vector<CString> Run(const ZnFDOutCheckInput& input);
};
