// The floppy output of a lift, building-equipment or structure application, as the building
// floppy writes its own (ZnFloppyOutput): the index files of the page's form number with the
// 今回/修正 choice, and the family writer's 申請書データ.xml as the floppy's data file
// (ZnFloppyMedium::DataFilePath).
#pragma once

#include "fdoutput/ZnFDOutPageValues.h"
#include "writers/ZnWriteOutcome.h"

class ZnFacilityFloppy {
public:
    // A family writer's WriteXml: writes the file at path and returns what became of it; the
    // number, which it does not read, is the page's 今回/修正 choice.
    typedef ZnWriteOutcome (*WriteXml)(CString path, int selection);

    // Writes the active document onto the request's root under the base form number ("160", "170",
    // "180", "161"; the index writer takes a plan change's number from it). A step that fails has
    // told why in one message, and nothing after it is written; a data file that could not be
    // written whole is told and removed. Success is not told.
    static void Write(const ZnFDOutRequest& request, LPCTSTR baseFormNo, WriteXml writeXml);
};
