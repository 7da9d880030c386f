// The writer of "申請書データ.xml" for building equipment other than lifts (昇降機以外の建築設備):
// a confirmation or plan-change confirmation application, the common frame with the outline of
// the equipment as its object block.
#pragma once

#include "model/VhObject.h"
#include "writers/ZnWriteOutcome.h"

class ZnAppDocFDOut13 : public VhObject {
    DECLARE_DYNAMIC(ZnAppDocFDOut13)
public:
    ZnAppDocFDOut13() = default;

    // Writes the whole file at the Windows path from the active document: the equipment
    // application (ZnModelAppEquip) as the form model and, for document type 1008, its
    // plan-change model. The number is not read. Failures are shown in a message box with the
    // stop icon, and nothing is written.
    static void WriteXml(CString path, int selection);
    // The same, with its outcome: told after its message; cut off (and removed) when the medium
    // could not hold it.
    static ZnWriteOutcome TryWriteXml(CString path);
};
