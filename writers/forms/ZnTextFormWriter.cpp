#include "writers/forms/ZnTextFormWriter.h"

#include "model/ZnModelApp.h"
#include "platform/core/AfxMessageBox.h"
#include "platform/files/WinStdio.h"
#include "storage/ZnShellState.h"
#include "writers/ZnAppDocFDOut00.h"

IMPLEMENT_DYNAMIC(ZnTextFormWriter, VhObject)

CString ZnTextFormWriter::FormPath(LPCTSTR root, LPCTSTR formNo)
{
    return CString(root) + "\\Keikaku\\Ksq001." + formNo;
}

int ZnTextFormWriter::PrepareForm(ZnAppDocFDOut00& support, LPCTSTR root, int submissionIndex, LPCTSTR formNo)
{
    return support.PrepareMedia(root, "Keikaku") && support.WriteIndexFiles(root, submissionIndex, formNo, -1);
}

FILE* ZnTextFormWriter::OpenFormFile(const CString& path) { return WinFopen(path, "w"); }

FILE* ZnTextFormWriter::OpenForm(LPCTSTR root, LPCTSTR formNo, LPCTSTR openFailedText)
{
    FILE* file = OpenFormFile(FormPath(root, formNo));
    if (!file)
        AfxMessageBox(openFailedText, MB_OK | MB_ICONSTOP);
    return file;
}

bool ZnTextFormWriter::CloseForm(FILE* file, LPCTSTR root, LPCTSTR formNo, const TextForm& form)
{
    CString path = FormPath(root, formNo);
    const std::string& bytes = form.Text().Bytes();
    std::fwrite(bytes.data(), 1, bytes.size(), file);
    if (ZnAppDocFDOut00::CloseWrittenFile(file, path) == ZnWriteOutcome::written)
        return true;
    ZnAppDocFDOut00::ShowWriteFailed(path);
    return false;
}

bool ZnTextFormWriter::WriteFormFile(LPCTSTR root, LPCTSTR formNo, LPCTSTR openFailedText, const TextForm& form)
{
    FILE* file = OpenForm(root, formNo, openFailedText);
    return file && CloseForm(file, root, formNo, form);
}

void ZnTextFormWriter::ReportDone(LPCTSTR root, const CString& title)
{
    ZnShellState::Current()->RunTxt2Xml(root);
    AfxMessageBox(title + "のFD出力が終了しました", MB_OK | MB_ICONINFORMATION);
}

const ZnModelApp* ZnTextFormWriter::ActiveApp()
{
    return dynamic_cast<const ZnModelApp*>(ZnShellState::Current()->GetModel(ZnShellState::appModelSlot));
}

const CObject* ZnTextFormWriter::ActiveFormModel()
{
    return ZnShellState::Current()->GetModel(ZnShellState::formModelSlot);
}
