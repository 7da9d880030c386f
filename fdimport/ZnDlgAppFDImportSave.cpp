#include "fdimport/ZnDlgAppFDImportSave.h"

#include "fdimport/ZnAppFDImporter.h"
#include "platform/core/AfxMessageBox.h"
#include "platform/files/CFileFind.h"
#include "platform/files/WinFileName.h"
#include "platform/wnd/CDataExchange.h"
#include "res/FloppyImportIds.h"
#include "shell/DriveRootFolder.h"
#include "shell/PropertyNameEdit.h"
#include "shell/ZnDirectoryDialog.h"
#include "storage/ZnShellState.h"

namespace {

void ShowError(LPCTSTR text) { AfxMessageBox(text, MB_ICONSTOP); }

} // namespace

BEGIN_MESSAGE_MAP(ZnDlgAppFDImportSave, CDialog)
ON_BN_CLICKED(IDC_FS_BTN_FOLDER, OnSelectFolder)
END_MESSAGE_MAP()

ZnDlgAppFDImportSave::ZnDlgAppFDImportSave(CWnd* pParent) : CDialog(IDD_FD_IMPORT_SAVE, pParent)
{
    SetUpPropertyNameEdit(m_editName, m_setupList);
}

void ZnDlgAppFDImportSave::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_FS_EDIT_NAME, m_editName);
}

BOOL ZnDlgAppFDImportSave::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_setupList.Apply();
    SetDlgItemText(IDC_FS_EDIT_FOLDER, ZnShellState::Current()->GetObjFolder());
    SetDlgItemText(IDC_FS_EDIT_NAME, m_strBukkenName);
    return TRUE;
}

CString ZnDlgAppFDImportSave::ItemText(int nID) const
{
    CString text;
    GetDlgItemText(nID, text);
    return text;
}

void ZnDlgAppFDImportSave::OnSelectFolder()
{
    ZnDirectoryDialog picker(nullptr);
    picker.DoModal();
    if (!picker.m_strPath.IsEmpty())
        SetDlgItemText(IDC_FS_EDIT_FOLDER, picker.m_strPath);
}

bool ZnDlgAppFDImportSave::IsNameUsable(const CString& name)
{
    // The edit drops these characters as they are typed, but the name is checked here as well:
    // "." and ".." would name the destination itself or its parent.
    if (name == "." || name == "..") {
        ShowError("物件名に「.」や「..」は使えません。");
        return false;
    }
    if (name.FindOneOf(kPropertyNameRejectedChars) >= 0) {
        ShowError("物件名に \\ / : , ; * ? \" < > | は使えません。");
        return false;
    }
    // The name is also the folder's name in the register, on disk and in the migration export,
    // which refuses what Windows or the register cannot hold: refused here before anything is made.
    if (IsPortableFileName(name))
        return true;
    ShowError("物件名に、フォルダ名に使えない名前（CON、PRN、AUX、NUL、COM1～COM9、LPT1～LPT9）や、"
              "末尾の「.」や空白、制御文字、シフトJISにない文字は使えません。");
    return false;
}

bool ZnDlgAppFDImportSave::IsPropertyFree(const CString& folder, const CString& name)
{
    CFileFind finder;
    BOOL found = finder.FindFile(folder + "\\*.*");
    bool free = true;
    while (found && free) {
        found = finder.FindNextFile();
        free = !(finder.IsDirectory() && !finder.IsDots() && finder.GetFileName() == name);
    }
    finder.Close();
    if (!free)
        ShowError("指定の物件は保存先に存在しています。");
    return free;
}

BOOL ZnDlgAppFDImportSave::CheckDestination()
{
    m_strDestination = ItemText(IDC_FS_EDIT_FOLDER);
    if (m_strDestination.IsEmpty()) {
        ShowError("保存先を指定してください。");
        return FALSE;
    }
    CString name = ItemText(IDC_FS_EDIT_NAME);
    if (name.IsEmpty()) {
        ShowError("物件名を指定してください。");
        return FALSE;
    }
    if (!IsNameUsable(name))
        return FALSE;
    CString chosen = m_strDestination;
    bool accepted = RedirectDriveRoot(m_strDestination, this);
    if (m_strDestination != chosen)
        SetDlgItemText(IDC_FS_EDIT_FOLDER, m_strDestination);
    return accepted && IsPropertyFree(m_strDestination, name);
}

void ZnDlgAppFDImportSave::OnOK()
{
    if (!CheckDestination())
        return;
    ZnAppFDImporter importer;
    importer.m_strBukkenName = ItemText(IDC_FS_EDIT_NAME);
    importer.m_strDestination = ItemText(IDC_FS_EDIT_FOLDER);
    importer.m_strFloppyPath = m_strFloppyPath;
    importer.m_strAppFlag = m_strAppFlag;
    importer.m_strAppTypeCode = m_strDocCode;
    importer.m_nHeiganCode = m_nHeiganCode;
    if (!importer.Run())
        return;
    m_strBukkenName = importer.m_strBukkenName;
    m_nBukkenIndex = importer.m_nBukkenIndex;
    CDialog::OnOK();
}
