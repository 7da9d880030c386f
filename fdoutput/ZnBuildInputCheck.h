// The input check of a building confirmation application (document type 1000) or its plan change
// (1008), as the building page runs it before an output: the second face's designer, the third
// face's site, areas, counts, heights and dates, and per building page its fourth-face values and
// its fifth-face floors. It only reads the document.
#pragma once

#include "fdoutput/ZnBuildCheckFacts.h"
#include "fdoutput/ZnFDOutCheckInput.h"
#include "platform/core/CString.h"

#include <vector>

class ZnBuildInputCheck {
public:
    // The findings, in the order of the forms' faces: the second slot is read as a ZnModelAppBuild
    // and, for type 1008, the third as a ZnModelAppBuildMod. facts is started from nothing and
    // filled with what the construction-notice and architect-class checks read afterwards.
    static std::vector<CString> Run(const ZnFDOutCheckInput& input, ZnBuildCheckFacts& facts);
};
