#include "writers/forms/ZnTextFormWriter.h"

#include "model/ZnModelApp.h"
#include "platform/core/AfxMessageBox.h"
#include "platform/files/WinStdio.h"
#include "storage/ZnShellState.h"
#include "writers/ZnWrittenFiles.h"

IMPLEMENT_DYNAMIC(ZnTextFormWriter, VhObject)

CString ZnTextFormWriter::FormPath(LPCTSTR root, LPCTSTR formNo)
{
    return CString(root) + "\\Keikaku\\Ksq001." + formNo;
}

void ZnTextFormWriter::OutputForm(LPCTSTR root, int submissionIndex, LPCTSTR formNo, LPCTSTR title,
                                  const ZnFloppyOutput::Part& writeForm)
{
    ZnFloppyOutput(root, submissionIndex, formNo).Output(FormPath(root, formNo), {writeForm}, title);
}

FILE* ZnTextFormWriter::OpenFormFile(const CString& path) { return WinFopen(path, "w"); }

FILE* ZnTextFormWriter::OpenForm(const CString& path, LPCTSTR openFailedText)
{
    FILE* file = OpenFormFile(path);
    if (!file)
        AfxMessageBox(openFailedText, MB_OK | MB_ICONSTOP);
    return file;
}

ZnWriteOutcome ZnTextFormWriter::CloseForm(FILE* file, const CString& path, const TextForm& form)
{
    const std::string& bytes = form.Text().Bytes();
    std::fwrite(bytes.data(), 1, bytes.size(), file);
    return ZnWrittenFiles::CloseWrittenFile(file, path);
}

ZnWriteOutcome ZnTextFormWriter::WriteFormFile(const CString& path, LPCTSTR openFailedText, const TextForm& form)
{
    FILE* file = OpenForm(path, openFailedText);
    return file ? CloseForm(file, path, form) : ZnWriteOutcome::told;
}

const ZnModelApp* ZnTextFormWriter::ActiveApp()
{
    return dynamic_cast<const ZnModelApp*>(ZnShellState::Current()->GetModel(ZnShellState::appModelSlot));
}

const CObject* ZnTextFormWriter::ActiveFormModel()
{
    return ZnShellState::Current()->GetModel(ZnShellState::formModelSlot);
}
