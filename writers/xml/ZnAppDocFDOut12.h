// The writer of "申請書データ.xml" for a lift (昇降機): a confirmation or plan-change
// confirmation application, the common frame with the list of lifts as its object block.
#pragma once

#include "model/VhObject.h"
#include "writers/ZnWriteOutcome.h"

class ZnAppDocFDOut12 : public VhObject {
    DECLARE_DYNAMIC(ZnAppDocFDOut12)
public:
    ZnAppDocFDOut12() = default;

    // Writes the whole file at the Windows path from the active document: the lift application
    // (any ZnModelAppLift) as the form model and, for document type 1008, its plan-change model.
    // The number (the export's 1, a page's selection) is not read. Written; told after a message
    // with the stop icon, and nothing written; or cut off (and removed) when the medium could not
    // hold it.
    static ZnWriteOutcome WriteXml(CString path, int selection);
};
