#include "app/ZnDlgAppSelectObjDialog.h"

#include "app/CMainFrame.h"
#include "app/CZnAppProApp.h"
#include "app/ZnDlgAppBukkenDetail.h"
#include "app/ZnMigrationExport.h"
#include "platform/files/CFileFind.h"
#include "platform/files/WinFolderLock.h"
#include "platform/wnd/CDataExchange.h"
#include "platform/wnd/UiHost.h"
#include "res/MainFrameIds.h"
#include "shell/ZnDateText.h"
#include "shell/ZnDirectoryDialog.h"
#include "storage/ZnAppBukkenKanriTblDAO.h"
#include "storage/ZnRunLog.h"
#include "writers/ZnAppDocFDOut00.h"
#include "writers/zip/ZipPacking.h"

#include <memory>

namespace {
constexpr int kDateColumnWidth = 80;
} // namespace

BEGIN_MESSAGE_MAP(ZnDlgAppSelectObjDialog, CDialog)
ON_WM_SHOWWINDOW()
ON_BN_CLICKED(IDC_SO_BTN_BUKKEN, OnBtnBukkenData)
ON_BN_CLICKED(IDC_SO_BTN_COM, OnBtnComData)
ON_BN_CLICKED(IDC_SO_BTN_DST, OnBtnDst)
ON_BN_CLICKED(IDC_SO_BTN_IKOU, OnBtnIkouData)
ON_BN_CLICKED(IDC_SO_BTN_DETAIL, OnBtnDetail)
END_MESSAGE_MAP()

ZnDlgAppSelectObjDialog::ZnDlgAppSelectObjDialog(CWnd* pParent) : CDialog(IDD_SELECT_OBJ, pParent) {}

void ZnDlgAppSelectObjDialog::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_SO_LIST, m_list);
}

BOOL ZnDlgAppSelectObjDialog::OnInitDialog()
{
    CDialog::OnInitDialog();
    // Its own task-bar button, although its owner, the main frame, is hidden.
    ModifyStyleEx(0, WS_EX_APPWINDOW);
    CRect client;
    m_list.GetClientRect(&client);
    m_list.InsertColumn(0, "物件名", LVCFMT_LEFT, client.Width() - GetSystemMetrics(SM_CXHTHUMB) - kDateColumnWidth);
    m_list.InsertColumn(1, "作成日", LVCFMT_LEFT, kDateColumnWidth);
    return TRUE;
}

void ZnDlgAppSelectObjDialog::OnShowWindow(BOOL bShow, UINT nStatus)
{
    CDialog::OnShowWindow(bShow, nStatus);
    CZnAppProApp* app = ZnGetApp();
    SetDlgItemText(IDC_SO_EDIT_BUKKEN, app->GetObjFolder());
    SetDlgItemText(IDC_SO_EDIT_COM, app->GetComFolder());
    SetDlgItemText(IDC_SO_EDIT_DST, app->GetDstFolder());
    FillBukkenList("");
}

int ZnDlgAppSelectObjDialog::FillBukkenList(const CString& dbPath)
{
    // Owned here so that a register that fails to open or read is still closed and deleted.
    auto recordset = std::make_unique<ZnAppBukkenKanriTblDAO>();
    if (!dbPath.IsEmpty())
        recordset->SetDBPath(dbPath);
    recordset->Open(dbOpenDynaset, ZnAppBukkenKanriTblDAO::GetSortedSQL());
    m_list.DeleteAllItems();
    // The query runs from the largest index down and every row goes to the top.
    for (; !recordset->IsEOF(); recordset->MoveNext()) {
        int item = m_list.InsertItem(0, recordset->m_Bukkenmei);
        m_list.SetItemText(item, 1, ZnDateText(recordset->m_Koushinbi));
    }
    recordset->Close();
    return 1;
}

int ZnDlgAppSelectObjDialog::ClearBukkenList()
{
    m_list.DeleteAllItems();
    return 1;
}

int ZnDlgAppSelectObjDialog::GetSelectedIndex()
{
    for (int i = 0; i < m_list.GetItemCount(); ++i)
        if (m_list.GetItemState(i, LVIS_SELECTED) & LVIS_SELECTED)
            return i;
    return -1;
}

CString ZnDlgAppSelectObjDialog::GetSelectedBukkenName()
{
    int selected = GetSelectedIndex();
    return selected < 0 ? CString() : m_list.GetItemText(selected, 0);
}

CString ZnDlgAppSelectObjDialog::GetBukkenFolderText()
{
    CString text;
    GetDlgItemText(IDC_SO_EDIT_BUKKEN, text);
    return text;
}

void ZnDlgAppSelectObjDialog::OnBtnDetail()
{
    if (GetSelectedIndex() < 0) {
        AfxMessageBox("物件を選択してください。", MB_ICONSTOP);
        return;
    }
    ZnDlgAppBukkenDetail detail(nullptr);
    detail.DoModal();
}

CString ZnDlgAppSelectObjDialog::PickFolder()
{
    ZnDirectoryDialog picker(this);
    return picker.DoModal() == IDOK ? picker.m_strPath : CString();
}

void ZnDlgAppSelectObjDialog::OnBtnBukkenData()
{
    CString path = PickFolder();
    if (path.IsEmpty())
        return;
    SetDlgItemText(IDC_SO_EDIT_BUKKEN, path);
    CString registerFile = path + ZnGetApp()->GetMainFrame()->GetAppMDB()->GetAppBukkenMdb();
    CFileFind finder;
    if (finder.FindFile(registerFile)) {
        FillBukkenList(registerFile);
        ZnGetApp()->SetObjFolder(path);
    } else {
        ClearBukkenList();
    }
}

void ZnDlgAppSelectObjDialog::OnBtnComData() { PickAppFolder(IDC_SO_EDIT_COM, &CZnAppProApp::SetComFolder); }

void ZnDlgAppSelectObjDialog::OnBtnDst() { PickAppFolder(IDC_SO_EDIT_DST, &CZnAppProApp::SetDstFolder); }

void ZnDlgAppSelectObjDialog::PickAppFolder(int editId, void (CZnAppProApp::*setFolder)(LPCTSTR))
{
    CString path = PickFolder();
    if (path.IsEmpty())
        return;
    SetDlgItemText(editId, path);
    (ZnGetApp()->*setFolder)(path);
}

void ZnDlgAppSelectObjDialog::OnBtnIkouData()
{
    if (!LoadZipLibrary()) {
        AfxMessageBox("LoadZipLibraryでエラー発生。", MB_ICONSTOP);
        return;
    }
    if (ZnGetApp()->GetDstFolder().IsEmpty()) {
        AfxMessageBox("保存先フォルダを選択してください。", MB_ICONINFORMATION);
        return;
    }
    ExportAll();
}

void ZnDlgAppSelectObjDialog::ExportAll()
{
    CZnAppProApp* app = ZnGetApp();
    // Two exports into one destination in the same second would make the same folders.
    WinFolderLock destinationLock;
    if (destinationLock.Lock(app->GetDstFolder()) == WinFolderLock::heldElsewhere) {
        AfxMessageBox("出力先【" + app->GetDstFolder() +
                          "】では別の移行データ作成が実行中です。終わってから実行してください。",
                      MB_ICONSTOP);
        return;
    }
    ZnMigrationExport exporter(app->GetDstFolder());
    exporter.SetProgress(this);
    // One run log for both exports: the reference data's lines are kept too.
    ZnAppDocFDOut00::DeleteLog();
    ZnRunLog::KeptOpen log;
    try {
        // A database error of either export leaves here, and no completion is reported.
        CWaitCursor wait;
        exporter.ExportCommonData(app->GetComFolder());
        exporter.ExportBukkenInfo(GetBukkenFolderText());
    } catch (...) {
        ShowProgress("");
        AfxDiscardPendingInput(); // nor the database's report that follows
        throw;
    }
    // The export has ended: the completion message tells how.
    ShowProgress("");
    // Keys pressed and clicks made while the export ran were not taken, as the wait cursor
    // showed: they must not answer the completion message before it is read.
    AfxDiscardPendingInput();
    exporter.ReportCompletion();
}

void ZnDlgAppSelectObjDialog::ShowProgress(const CString& text)
{
    CWnd* line = GetDlgItem(IDC_SO_PROGRESS);
    line->SetWindowText(text);
    line->UpdateWindow();
}

void ZnDlgAppSelectObjDialog::WorkingOn(const CString& word) { ShowProgress(word + "を作成しています。"); }

void ZnDlgAppSelectObjDialog::PropertyStarted(int number, int total)
{
    CString text;
    text.Format("物件データを作成しています。　%d / %d", number, total);
    ShowProgress(text);
}
