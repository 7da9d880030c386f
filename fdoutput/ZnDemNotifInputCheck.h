// The input check of the demolition notice (建築物除却届) in the second slot: its planned
// demolition date and its main usage.
#pragma once

#include "fdoutput/ZnFDOutCheckInput.h"
#include "platform/core/CString.h"

#include <vector>

class ZnDemNotifInputCheck {
public:
    static std::vector<CString> Run(const ZnFDOutCheckInput& input);
};
