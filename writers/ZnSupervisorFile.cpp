#include "writers/ZnSupervisorFile.h"

#include "model/ZnModelDesigner.h"
#include "platform/core/AfxMessageBox.h"
#include "platform/files/WinStdio.h"
#include "writers/XmlText.h"
#include "writers/ZnWrittenFiles.h"

namespace {

// One line of the file: the element with its escaped value.
CString SupervisorLine(LPCTSTR tag, const CString& value)
{
    return CString("<") + tag + ">" + XmlText::Escape(value) + "</" + tag + ">\n";
}

} // namespace

CString ZnSupervisorFile::Path(LPCTSTR root) { return CString(root) + "\\Keikaku\\~002.xml"; }

ZnWriteOutcome ZnSupervisorFile::Write(LPCTSTR root, const ZnModelDesigner* supervisor)
{
    CString path = Path(root);
    FILE* file = WinFopen(path, "w");
    if (!file) {
        AfxMessageBox("様式ファイルのオープン(~002.xml)に失敗しました。", MB_ICONSTOP | MB_OK);
        return ZnWriteOutcome::told;
    }
    CString text = "<?xml version=\"1.0\" encoding=\"SJIS\"?>\n<申請書>\n";
    if (supervisor) {
        const JkModelIndividualData& office = supervisor->GetOfficeData();
        text += "<工事監理者>\n";
        text += SupervisorLine("氏名", supervisor->GetName().GetName());
        text += SupervisorLine("営業所名", office.GetName().GetName());
        text += SupervisorLine("郵便番号", office.GetAddress().GetPostalCode());
        text += SupervisorLine("所在地", office.GetAddress().m_address);
        text += SupervisorLine("電話番号", office.GetTelNumber().GetTelNumber());
        text += "</工事監理者>\n";
    }
    text += "</申請書>\n";
    std::fwrite(text.Bytes().data(), 1, text.Bytes().size(), file);
    return ZnWrittenFiles::CloseWrittenFile(file, path);
}
