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
    // plan-change model. Only the path is read (the export passes 1 and two empty texts). The
    // outcome as ZnAppDocFDOut12::WriteXml's.
    static ZnWriteOutcome WriteXml(CString path, int selection, CString unused1, CString unused2);
    // The same document added at the end of the file at path, as an inspection's floppy output
    // carries it after the inspection application; the outcome as ZnConfDocXmlFrame::Write's.
    static ZnWriteOutcome AppendXml(CString path);
    // The floppy output of the active document under root (ZnFloppyOutput) with the two maps and
    // the index files of form 190 for the submission choice, the document as the medium's data
    // file: true when that stands whole, false when a step has failed and told why.
    static bool OutputFD(LPCTSTR root, int submissionIndex, LPCTSTR mitoriPath, LPCTSTR haichiPath);
};
