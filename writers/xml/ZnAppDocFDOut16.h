// The writer of "申請書データ.xml" for a structure under Article 88 paragraph 2 (工作物（法第88条
// 2項）): a confirmation or plan-change confirmation application, the common frame with the
// site position and its use zone, the structure summary as its object block, a permits block
// before the remarks, the structure's name opening the remarks and a newline after the root's
// end tag.
#pragma once

#include "model/VhObject.h"
#include "writers/ZnWriteOutcome.h"

class ZnAppDocFDOut16 : public VhObject {
    DECLARE_DYNAMIC(ZnAppDocFDOut16)
public:
    ZnAppDocFDOut16() = default;

    // Writes the whole file at the Windows path from the active document: the structure
    // application (any ZnModelAppSemiStr) as the form model and, for document type 1008, its
    // plan-change model. Only the path is read (the export passes 1 and two empty texts).
    // Failures are shown in a message box with the stop icon, and nothing is written.
    static void WriteXml(CString path, int selection, CString unused1, CString unused2);
    // The same, with its outcome: told after its message; cut off (and removed) when the medium
    // could not hold it.
    static ZnWriteOutcome TryWriteXml(CString path);
    // The same document added at the end of the file at path, as an inspection's floppy output
    // carries it after the inspection application; the outcome as ZnConfDocXmlFrame::Write's.
    static ZnWriteOutcome AppendXml(CString path);
    // The floppy output of the active document under root: the medium prepared, the two maps
    // copied and the index files of form 190 written for the submission choice (ZnFloppyOutput),
    // then the document as the medium's data file. Each step ends the output after its own
    // message; false then, true when the data file is written whole.
    static bool OutputFD(LPCTSTR root, int submissionIndex, LPCTSTR mitoriPath, LPCTSTR haichiPath);
};
