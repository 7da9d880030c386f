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
    // plan-change model. The number is not read. The outcome as ZnAppDocFDOut12::WriteXml's.
    static ZnWriteOutcome WriteXml(CString path, int selection);
};
