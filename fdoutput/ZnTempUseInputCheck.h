// The input check of the temporary-use approval application: the dates of the form in the second
// slot that its addressee's form holds, each reported when it is not a valid date.
#pragma once

#include "fdoutput/ZnFDOutCheckInput.h"
#include "platform/core/CString.h"

#include <vector>

class ZnTempUseInputCheck {
public:
    // The application to the designated administrative agency (特定行政庁) has the planned works
    // dates; the one to the building official (建築主事) has no such dates, which are not checked.
    enum Addressee { Agency, BuildingOfficial };

    static std::vector<CString> Run(const ZnFDOutCheckInput& input, Addressee addressee);
};
