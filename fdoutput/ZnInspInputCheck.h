// The input check of an interim inspection (中間検査申請書) or completion inspection (完了検査申請書)
// application, run by both inspection pages: the common tests of the owner, supervisor, site,
// confirmation numbers and start date, then those of the document type's own dates. The two pages
// differ only in the wording of the message about a further later specified process.
#pragma once

#include "fdoutput/ZnFDOutCheckInput.h"
#include "platform/core/CString.h"

#include <vector>

class ZnInspInputCheck {
public:
    enum class Page {
        BuildingAndSemiStr,    // buildings and structures under Article 88 paragraph 2
        LiftEquipmentAndStruct // lifts, building equipment, Article 88(1) structures and their lifts
    };

    // The messages of the failed tests in their order. Reads the application root (first slot),
    // the inspection application (second slot) and, for document types 1002 and 1005, the
    // interim or completion inspection form (third slot); other types get the common tests only.
    static std::vector<CString> Run(const ZnFDOutCheckInput& input, Page page);
};
