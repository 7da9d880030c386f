// The check whether the designer of a building application holds an architect qualification of a
// class sufficient for the size, height, structure and use of its buildings. It follows the
// construction-notice check of a building confirmation application.
#pragma once

#include "fdoutput/ZnBuildCheckFacts.h"
#include "fdoutput/ZnFDOutCheckInput.h"
#include "platform/core/CString.h"

#include <vector>

class ZnArchitectClassCheck {
public:
    // The one finding that names the class the buildings may require when the first designer's
    // qualification (一級 "00101", 二級 "00102", 木造 "00103") may fall short of it, else none.
    // The check runs only when the site page sets 新築, 増築, 改築, 大規模の修繕 or 大規模の模様替.
    // It reads the application of input's second slot (ZnModelAppBuild) and the largest eaves
    // height of the facts. An application without building pages is judged by its site page.
    static std::vector<CString> Run(const ZnFDOutCheckInput& input, const ZnBuildCheckFacts& facts);
};
