// The writer of "申請書データ.xml" for a lift installed in a structure (工作物の昇降機). Its file
// is the lift's, byte for byte: only the management file beside it tells the two apart.
#pragma once

#include "model/VhObject.h"
#include "writers/ZnWriteOutcome.h"

class ZnAppDocFDOut15 : public VhObject {
    DECLARE_DYNAMIC(ZnAppDocFDOut15)
public:
    ZnAppDocFDOut15() = default;

    // Writes the file as ZnAppDocFDOut12::WriteXml does, from the same fields, with its outcome.
    static ZnWriteOutcome WriteXml(CString path, int selection);
};
