// The road that every floppy output takes: the medium under the output root prepared
// (ZnFloppyMedium::Prepare with "Keikaku"), the two maps copied where the kind has them
// (ZnFloppyMedium::CopyMapBitmaps), the index files of the kind's form number written
// (ZnFloppyIndexFiles), the data file written in its parts, then the converter run and the
// completion told where the kind tells it. A step that fails has told why in one message and ends the output. The first part of a data
// file that is not written ends that file, and no part of it stays on the medium.
#pragma once

#include "platform/core/CString.h"
#include "writers/ZnWriteOutcome.h"

#include <functional>
#include <vector>

class ZnFloppyOutput {
public:
    // A part of a data file, written at path: the first part creates the file, the others append.
    typedef std::function<ZnWriteOutcome(const CString& path)> Part;

    // An output onto root (a folder, or a drive such as "A:") for the output page's submission
    // choice (0 今回, 1 修正): the index files of the form formNo, for the groupIndex-th number
    // group (from 1) or every group (-1), without maps.
    ZnFloppyOutput(LPCTSTR root, int submissionIndex, LPCTSTR formNo, int groupIndex = -1);
    // The same for every number group, with the two maps (見取図, 配置図; "" for none).
    ZnFloppyOutput(LPCTSTR root, int submissionIndex, LPCTSTR formNo, LPCTSTR mitoriPath, LPCTSTR haichiPath);

    // Prepares the medium, copies the maps when the output has them and writes the index files:
    // 1, or 0 after the failing step's own message, with nothing done after it.
    int Prepare() const;
    // Prepare, then the data file at path (WriteDataFile); when that stands whole and the output
    // has a completion title (null: it tells nothing), ReportDone on the root. True when the data
    // file stands whole.
    bool Output(const CString& path, const std::vector<Part>& parts, LPCTSTR doneTitle = nullptr) const;

    // Writes the data file at path, its parts in order. The first part that is not written ends
    // the file: no part after it runs, the file is removed with what the parts before it wrote,
    // and one that the medium could not hold is told (ZnWrittenFiles::ShowWriteFailed). True
    // when every part was written.
    static bool WriteDataFile(const CString& path, const std::vector<Part>& parts);
    // Runs the converter on target (the root or the data file) and then tells DoneText(title)
    // with the information icon.
    static void ReportDone(LPCTSTR converterTarget, const CString& title);
    // The completion text of an output titled title: title + "のFD出力が終了しました".
    static CString DoneText(const CString& title);

private:
    CString m_root;
    int m_submissionIndex;
    CString m_formNo;
    int m_groupIndex;
    bool m_maps;
    CString m_mitoriPath;
    CString m_haichiPath;
};
