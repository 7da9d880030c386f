// The road that every floppy output takes, for each floppy in turn: the medium under the output
// root prepared (ZnFloppyMedium::Prepare with "Keikaku"), the two maps copied where the kind has
// them (ZnFloppyMedium::CopyMapBitmaps), the index files of the kind's form number written for the
// floppy's number group (ZnFloppyIndexFiles), then its data files, each written in its parts. An
// output that tells its completion runs the converter on the root once a floppy is written; the
// user is asked for each next floppy, and the completion is told after the last. A step that fails
// has told why in one message and ends the output. The first part of a data file that is not
// written ends that file, and no part of it stays on the medium.
#pragma once

#include "platform/core/CString.h"
#include "writers/ZnWriteOutcome.h"

#include <functional>
#include <vector>

class ZnFloppyOutput {
public:
    // A part of a data file, written at path: the first part creates the file, the others append.
    typedef std::function<ZnWriteOutcome(const CString& path)> Part;
    // A data file of a floppy: its Windows path and its parts.
    struct DataFile {
        CString path;
        std::vector<Part> parts;
    };
    // A floppy of an output: the number group that its index files are for (from 1; -1 every
    // group) and its data files.
    struct Floppy {
        int groupIndex;
        std::vector<DataFile> files;
    };
    // What tells the user that an output is done; empty for an output that tells nothing.
    typedef std::function<void()> Completion;

    // An output onto root (a folder, or a drive such as "A:") for the output page's submission
    // choice (0 今回, 1 修正) with the index files of the form formNo, without maps.
    ZnFloppyOutput(LPCTSTR root, int submissionIndex, LPCTSTR formNo);
    // The same with the two maps (見取図, 配置図; "" for none).
    ZnFloppyOutput(LPCTSTR root, int submissionIndex, LPCTSTR formNo, LPCTSTR mitoriPath, LPCTSTR haichiPath);

    // Prepares the medium, copies the maps when the output has them and writes the index files for
    // the groupIndex-th number group (from 1) or every group (-1): false after the failing step's
    // own message, with nothing done after it.
    bool Prepare(int groupIndex = -1) const;
    // Writes the floppies in order: each prepared (Prepare) and its data files written
    // (WriteDataFile); with a completion, the converter then runs on the root. Before the next
    // floppy the user is asked to change it ("次のフロッピーディスクに入れ替えてください。", OK and
    // Cancel). A failed step or Cancel ends the output, with nothing more told; after the last
    // floppy, done. True when every floppy was written.
    bool Output(const std::vector<Floppy>& floppies, const Completion& done = Completion()) const;
    // One floppy of every group with the data file at path; with a completion title (null: none)
    // the completion is TellDone's.
    bool Output(const CString& path, const std::vector<Part>& parts, LPCTSTR doneTitle = nullptr) const;

    // Writes the data file at path, its parts in order. The first part that is not written ends
    // the file: no part after it runs, the file is removed with what the parts before it wrote,
    // and one that the medium could not hold is told (ZnWrittenFiles::ShowWriteFailed). True
    // when every part was written.
    static bool WriteDataFile(const CString& path, const std::vector<Part>& parts);
    // Runs the converter on target (the root or the data file) and then TellDone.
    static void ReportDone(LPCTSTR converterTarget, const CString& title);
    // Tells DoneText(title) with the information icon.
    static void TellDone(const CString& title);
    // The completion text of an output titled title: title + "のFD出力が終了しました".
    static CString DoneText(const CString& title);

private:
    // Prepares the floppy and writes its data files; false when a step failed.
    bool WriteFloppy(const Floppy& floppy) const;

    CString m_root;
    int m_submissionIndex;
    CString m_formNo;
    bool m_maps;
    CString m_mitoriPath;
    CString m_haichiPath;
};
