#include "writers/fdoutput/ZnFloppyOutput.h"

#include "platform/core/AfxMessageBox.h"
#include "platform/files/WinFileApi.h"
#include "storage/ZnShellState.h"
#include "writers/ZnWrittenFiles.h"
#include "writers/fdoutput/ZnFloppyIndexFiles.h"
#include "writers/fdoutput/ZnFloppyMedium.h"

ZnFloppyOutput::ZnFloppyOutput(LPCTSTR root, int submissionIndex, LPCTSTR formNo, int groupIndex)
    : m_root(root), m_submissionIndex(submissionIndex), m_formNo(formNo), m_groupIndex(groupIndex), m_maps(false)
{
}

ZnFloppyOutput::ZnFloppyOutput(LPCTSTR root, int submissionIndex, LPCTSTR formNo, LPCTSTR mitoriPath,
                               LPCTSTR haichiPath)
    : m_root(root), m_submissionIndex(submissionIndex), m_formNo(formNo), m_groupIndex(-1), m_maps(true),
      m_mitoriPath(mitoriPath), m_haichiPath(haichiPath)
{
}

int ZnFloppyOutput::Prepare() const
{
    return ZnFloppyMedium().Prepare(m_root, "Keikaku") &&
           (!m_maps || ZnFloppyMedium::CopyMapBitmaps(m_root, m_mitoriPath, m_haichiPath)) &&
           ZnFloppyIndexFiles(m_submissionIndex, m_formNo, m_groupIndex).Write(m_root);
}

bool ZnFloppyOutput::Output(const CString& path, const std::vector<Part>& parts, LPCTSTR doneTitle) const
{
    if (!Prepare() || !WriteDataFile(path, parts))
        return false;
    if (doneTitle)
        ReportDone(m_root, doneTitle);
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
    AfxMessageBox(DoneText(title), MB_OK | MB_ICONINFORMATION);
}

CString ZnFloppyOutput::DoneText(const CString& title) { return title + "のFD出力が終了しました"; }
