#include "app/ZnDlgAppBukkenDetail.h"

#include "app/CMainFrame.h"
#include "app/CZnAppProApp.h"
#include "app/ZnDlgAppSelectObjDialog.h"
#include "platform/database/AfxDao.h"
#include "platform/files/WinFileApi.h"
#include "platform/files/WinFileName.h"
#include "platform/wnd/CDataExchange.h"
#include "res/MainFrameIds.h"
#include "shell/ZnDocumentList.h"
#include "storage/ZnAppBukkenKanriTblDAO.h"
#include "storage/ZnAppBukkenShousaiTblDAO.h"
#include "storage/ZnDatabaseTemplate.h"

namespace {

// The widths of the columns after the first, in pixels; the first takes the rest of the list.
const int kDateWidth = 70;
const int kNumberWidth = 150;
const int kOtherColumnsWidth = 370;
// A document file is moved aside under its name with this ending while its row is deleted.
const char kAsideEnding[] = ".deleting";

} // namespace

BEGIN_MESSAGE_MAP(ZnDlgAppBukkenDetail, CDialog)
ON_WM_SHOWWINDOW()
ON_BN_CLICKED(IDC_BD_BTN_DELETE, OnDelete)
END_MESSAGE_MAP()

ZnDlgAppBukkenDetail::ZnDlgAppBukkenDetail(CWnd* pParent) : CDialog(IDD_BUKKEN_DETAIL, pParent) {}

void ZnDlgAppBukkenDetail::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_BD_LIST, m_list);
}

BOOL ZnDlgAppBukkenDetail::OnInitDialog()
{
    CDialog::OnInitDialog();
    CRect client;
    m_list.GetClientRect(&client);
    m_list.InsertColumn(0, "申請書類", LVCFMT_LEFT,
                        client.Width() - GetSystemMetrics(SM_CXVSCROLL) - kOtherColumnsWidth);
    m_list.InsertColumn(1, "更新日", LVCFMT_LEFT, kDateWidth);
    m_list.InsertColumn(2, "受付番号", LVCFMT_LEFT, kNumberWidth);
    m_list.InsertColumn(3, "確認番号もしくは合格番号", LVCFMT_LEFT, kNumberWidth);
    return TRUE;
}

ZnDlgAppSelectObjDialog& ZnDlgAppBukkenDetail::SelectObjDialog()
{
    return *static_cast<ZnDlgAppSelectObjDialog*>(ZnGetApp()->GetMainFrame()->GetPanelById(IDD_SELECT_OBJ));
}

CString ZnDlgAppBukkenDetail::RegisterPath()
{
    return SelectObjDialog().GetBukkenFolderText() + ZnGetApp()->GetMainFrame()->GetAppMDB()->GetAppBukkenMdb();
}

void ZnDlgAppBukkenDetail::OnShowWindow(BOOL bShow, UINT nStatus)
{
    CDialog::OnShowWindow(bShow, nStatus);
    ZnDlgAppSelectObjDialog& select = SelectObjDialog();
    int selected = select.GetSelectedIndex();
    if (selected >= 0) {
        SetDlgItemText(IDC_BD_EDIT_NAME, select.m_list.GetItemText(selected, 0));
        SetDlgItemText(IDC_BD_EDIT_DATE, select.m_list.GetItemText(selected, 1));
    }
    CString registerPath = RegisterPath();
    FillShinseiList(FindBukkenIndex(registerPath, select.GetSelectedBukkenName()), registerPath);
}

int ZnDlgAppBukkenDetail::FindBukkenIndex(const CString& registerPath, const CString& name)
{
    ZnAppBukkenKanriTblDAO properties;
    properties.SetDBPath(registerPath);
    properties.Open(dbOpenDynaset, nullptr, 0);
    int index = 0;
    for (; !properties.IsEOF() && index == 0; properties.MoveNext())
        if (properties.m_Bukkenmei == name)
            index = properties.m_BukkenIndex;
    properties.Close();
    return index;
}

void ZnDlgAppBukkenDetail::FillShinseiList(int bukkenIndex, const CString& registerPath)
{
    m_list.DeleteAllItems();
    if (bukkenIndex != 0) // else no register row carries the name
        ZnDocumentList::Fill(m_list, registerPath, bukkenIndex);
}

void ZnDlgAppBukkenDetail::OnDelete()
{
    CString registerPath = RegisterPath();
    int bukkenIndex = FindBukkenIndex(registerPath, SelectObjDialog().GetSelectedBukkenName());
    int item = m_list.GetNextItem(-1, LVNI_SELECTED);
    if (item < 0) {
        AfxMessageBox("詳細データを選択してください。", MB_ICONSTOP);
        return;
    }
    if (AfxMessageBox("削除してもよろしいですか？", MB_OKCANCEL | MB_ICONQUESTION) != IDOK)
        return;
    if (DeleteDocument(registerPath, bukkenIndex, static_cast<int>(m_list.GetItemData(item))))
        FillShinseiList(bukkenIndex, registerPath);
}

bool ZnDlgAppBukkenDetail::DeleteDocument(const CString& registerPath, int bukkenIndex, int shousaiIndex)
{
    if (!ZnDatabaseCanUpdate(registerPath)) {
        AfxMessageBox(DaoErrorDescription(daoErrReadOnly), MB_ICONSTOP);
        return false;
    }
    CString propertyFolder;
    ZnAppBukkenKanriTblDAO properties;
    properties.SetDBPath(registerPath);
    properties.Open(dbOpenDynaset, ZnAppBukkenKanriTblDAO::GetSortedSQL(), 0);
    for (; !properties.IsEOF(); properties.MoveNext())
        if (properties.m_BukkenIndex == bukkenIndex) {
            propertyFolder = properties.m_HozonDirectory + "\\" + properties.m_Bukkenmei;
            break;
        }
    properties.Close();

    ZnAppBukkenShousaiTblDAO documents;
    documents.SetDBPath(registerPath);
    documents.Open(dbOpenDynaset, ZnAppBukkenShousaiTblDAO::GetSQLByBukkenIndex(bukkenIndex), 0);
    while (!documents.IsEOF() && documents.m_BukkenShousaiIndex != shousaiIndex)
        documents.MoveNext();
    if (documents.IsEOF()) {
        documents.Close();
        return true; // gone already: the list is refilled
    }
    // A file name that is not one name of the property's folder names no file of it.
    CString path = propertyFolder + "\\" + documents.m_FileName;
    CString aside = path + kAsideEnding;
    bool hasFile = IsWinFileName(documents.m_FileName) && ZnPathExists(path);
    // The file goes aside first, so that a file that cannot go keeps its row, and a row that
    // cannot go gets its file back.
    if (hasFile && !MoveFile(path, aside)) {
        documents.Close();
        AfxMessageBox("指定の物件は削除できませんでした。", MB_ICONSTOP);
        return false;
    }
    try {
        documents.Delete();
    } catch (CDaoException* e) {
        if (hasFile)
            MoveFile(aside, path);
        documents.Close();
        AfxMessageBox(e->m_pErrorInfo->m_strDescription, MB_ICONSTOP);
        e->Delete();
        return false;
    }
    documents.Close();
    if (hasFile)
        DeleteFile(aside);
    return true;
}
