#include "editors/ZnDlgAppTanbunCopy.h"

#include "platform/files/WinFileApi.h"
#include "platform/wnd/Afxwin.h"
#include "platform/wnd/CDataExchange.h"
#include "res/MainFrameIds.h"
#include "res/ShortTextIds.h"
#include "shell/ZnDirectoryDialog.h"
#include "storage/ZnAppMDB.h"
#include "storage/ZnAppTanbunTblDAO.h"
#include "storage/ZnDatabaseTemplate.h"
#include "storage/ZnShellState.h"

BEGIN_MESSAGE_MAP(ZnDlgAppTanbunCopy, CDialog)
ON_BN_CLICKED(IDC_TB_SELECT, OnSelect)
END_MESSAGE_MAP()

ZnDlgAppTanbunCopy::ZnDlgAppTanbunCopy(CWnd* pParent) : CDialog(IDD_TANBUN_COPY, pParent) {}

void ZnDlgAppTanbunCopy::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_TB_FOLDER, m_folder);
}

BOOL ZnDlgAppTanbunCopy::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_folder.SetWindowText(ZnShellState::Current()->GetComFolder());
    return TRUE;
}

void ZnDlgAppTanbunCopy::OnSelect()
{
    ZnDirectoryDialog picker(nullptr);
    if (picker.DoModal() == IDOK && !picker.m_strPath.IsEmpty())
        m_folder.SetWindowText(picker.m_strPath);
}

void ZnDlgAppTanbunCopy::OnOK()
{
    ZnShellState* shell = ZnShellState::Current();
    CString fileName = shell->GetAppMDB()->GetAppUserRegistMdb();
    CString folder;
    m_folder.GetWindowText(folder);
    CString target = folder + fileName;
    CString source = shell->GetComFolder() + fileName;
    if (!ZnPathExists(target)) {
        AfxMessageBox("複写先をに共通データが存在しません。", MB_OK | MB_ICONSTOP);
        return;
    }
    // Appending a table to itself would double it.
    if (IsSameFile(target, source)) {
        AfxMessageBox("複写元と同じフォルダには複写できません。", MB_OK | MB_ICONSTOP);
        return;
    }
    if (!CopyPhrases(source, target))
        return;
    AfxMessageBox("短文複写は正常に終了しました。", MB_OK | MB_ICONINFORMATION);
    EndDialog(IDOK);
}

bool ZnDlgAppTanbunCopy::CopyPhrases(const CString& source, const CString& target)
{
    ZnAppTanbunTblDAO from;
    from.SetDBPath(source);
    from.Open(dbOpenDynaset, nullptr, 0);
    ZnAppTanbunTblDAO to;
    to.SetDBPath(target);
    to.Open(dbOpenDynaset, nullptr, 0);
    if (from.IsEOF()) {
        from.Close();
        to.Close();
        AfxMessageBox("複写する短文データは存在しませんでした。", MB_OK | MB_ICONSTOP);
        return false;
    }
    for (; !from.IsEOF(); from.MoveNext()) {
        to.AddNew();
        to.m_Tanbun = from.m_Tanbun;
        to.Update();
    }
    from.Close();
    to.Close();
    return true;
}
