// The writer of "申請書データ.xml" for a structure under Article 88 paragraph 1 (工作物（法第88条
// 1項）): a confirmation or plan-change confirmation application, the common frame with the
// site position, the list of structures as its object block and the structure's name opening
// the remarks.
#pragma once

#include "model/VhObject.h"
#include "writers/ZnWriteOutcome.h"

class ZnAppDocFDOut14 : public VhObject {
    DECLARE_DYNAMIC(ZnAppDocFDOut14)
public:
    ZnAppDocFDOut14() = default;

    // Writes the whole file at the Windows path from the active document: the structure
    // application (ZnModelAppStruct) as the form model and, for document type 1008, its
    // plan-change model. The number is not read. The outcome as ZnAppDocFDOut12::WriteXml's.
    static ZnWriteOutcome WriteXml(CString path, int selection);
};
