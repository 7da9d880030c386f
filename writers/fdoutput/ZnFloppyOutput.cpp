#include "writers/fdoutput/ZnFloppyOutput.h"

#include "platform/core/AfxMessageBox.h"
#include "platform/files/WinFileApi.h"
#include "storage/ZnShellState.h"
#include "writers/ZnWrittenFiles.h"
#include "writers/fdoutput/ZnFloppyIndexFiles.h"
#include "writers/fdoutput/ZnFloppyMedium.h"

ZnFloppyOutput::ZnFloppyOutput(LPCTSTR root, int submissionIndex, LPCTSTR formNo)
    : m_root(root), m_submissionIndex(submissionIndex), m_formNo(formNo), m_maps(false)
{
}

ZnFloppyOutput::ZnFloppyOutput(LPCTSTR root, int submissionIndex, LPCTSTR formNo, LPCTSTR mitoriPath,
                               LPCTSTR haichiPath)
    : m_root(root), m_submissionIndex(submissionIndex), m_formNo(formNo), m_maps(true), m_mitoriPath(mitoriPath),
      m_haichiPath(haichiPath)
{
}

bool ZnFloppyOutput::Prepare(int groupIndex) const
{
    return ZnFloppyMedium().Prepare(m_root, "Keikaku") &&
           (!m_maps || ZnFloppyMedium::CopyMapBitmaps(m_root, m_mitoriPath, m_haichiPath)) &&
           ZnFloppyIndexFiles(m_submissionIndex, m_formNo, groupIndex).Write(m_root);
}

bool ZnFloppyOutput::Output(const std::vector<Floppy>& floppies, const Completion& done) const
{
    for (size_t i = 0; i < floppies.size(); ++i) {
        if (!WriteFloppy(floppies[i]))
            return false;
        // Each floppy gets its converter run before it leaves the drive.
        if (done)
            ZnShellState::Current()->RunTxt2Xml(m_root);
        if (i + 1 < floppies.size() &&
            AfxMessageBox("次のフロッピーディスクに入れ替えてください。", MB_OKCANCEL | MB_ICONSTOP) != IDOK)
            return false;
    }
    if (done)
        done();
    return true;
}

bool ZnFloppyOutput::Output(const CString& path, const std::vector<Part>& parts, LPCTSTR doneTitle) const
{
    Completion done;
    if (doneTitle)
        done = [title = CString(doneTitle)] { TellDone(title); };
    return Output({{-1, {{path, parts}}}}, done);
}

bool ZnFloppyOutput::WriteFloppy(const Floppy& floppy) const
{
    if (!Prepare(floppy.groupIndex))
        return false;
    for (const DataFile& file : floppy.files) {
        if (!WriteDataFile(file.path, file.parts))
            return false;
    }
    return true;
}

bool ZnFloppyOutput::WriteDataFile(const CString& path, const std::vector<Part>& parts)
{
    for (const Part& part : parts) {
        ZnWriteOutcome outcome = part(path);
        if (outcome == ZnWriteOutcome::written)
            continue;
        // What the parts before it wrote would pass for a whole file.
        DeleteFile(path);
        if (outcome == ZnWriteOutcome::cutOff)
            ZnWrittenFiles::ShowWriteFailed(path);
        return false;
    }
    return true;
}

void ZnFloppyOutput::ReportDone(LPCTSTR converterTarget, const CString& title)
{
    ZnShellState::Current()->RunTxt2Xml(converterTarget);
    TellDone(title);
}

void ZnFloppyOutput::TellDone(const CString& title) { AfxMessageBox(DoneText(title), MB_OK | MB_ICONINFORMATION); }

CString ZnFloppyOutput::DoneText(const CString& title) { return title + "のFD出力が終了しました"; }
