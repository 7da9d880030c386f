#include "fdimport/ZnDlgAppShinseishoList.h"

#include "fdimport/ZnNumberEntry.h"
#include "fdimport/ZnNumberRows.h"
#include "model/ZnModelApp.h"
#include "platform/core/AfxMessageBox.h"
#include "platform/files/WinPath.h"
#include "platform/wnd/CDataExchange.h"
#include "res/FormViewIds.h"
#include "res/NumberEntryIds.h"
#include "shell/OutputFolderChoice.h"
#include "shell/ZnDocumentList.h"
#include "storage/ZnShellState.h"

BEGIN_MESSAGE_MAP(ZnDlgAppShinseishoList, CDialog)
ON_BN_CLICKED(IDC_SL_BTN_DETAIL, OnButtonShousai)
ON_BN_CLICKED(IDC_SL_BTN_BROWSE, OnButtonSansho)
ON_NOTIFY(NM_CLICK, IDC_SL_LIST_DOCS, OnClickListShinseisho)
ON_NOTIFY(NM_CLICK, IDC_SL_LIST_NUMBERS, OnClickListShousai)
END_MESSAGE_MAP()

ZnDlgAppShinseishoList::ZnDlgAppShinseishoList(CWnd* pParent) : CDialog(IDD_SHINSEISHO_LIST, pParent) {}

ZnFdMenuChoice& ZnDlgAppShinseishoList::Choice() { return m_pChoice ? *m_pChoice : m_unshared; }

void ZnDlgAppShinseishoList::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_SL_LIST_NUMBERS, m_listShousai);
    DDX_Control(pDX, IDC_SL_LIST_DOCS, m_listShinseisho);
}

BOOL ZnDlgAppShinseishoList::OnInitDialog()
{
    CDialog::OnInitDialog();
    Choice().m_nSelectedRow = ZnFdMenuChoice::kNoSelection;
    m_nSelectedDoc = ZnFdMenuChoice::kNoSelection;
    ShowFloppyRoot(ZnShellState::Current()->GetOutputFolder());
    m_listShinseisho.InsertColumn(0, "申請書類", LVCFMT_LEFT, 150);
    m_listShinseisho.InsertColumn(1, "更新日", LVCFMT_LEFT, 70);
    m_listShinseisho.InsertColumn(2, "受付番号", LVCFMT_LEFT, 145);
    m_listShinseisho.InsertColumn(3, "確認番号もしくは合格番号", LVCFMT_LEFT, 150);
    m_listShousai.InsertColumn(0, "内容", LVCFMT_LEFT, 150);
    m_listShousai.InsertColumn(1, "受付番号", LVCFMT_LEFT, 182);
    m_listShousai.InsertColumn(2, "確認番号もしくは合格番号", LVCFMT_LEFT, 182);
    UpdateShinseishoList();
    return TRUE;
}

void ZnDlgAppShinseishoList::ShowFloppyRoot(const CString& folder)
{
    SetDlgItemText(IDC_SL_EDIT_DRIVE, folder);
    // The floppy's file names are appended with their own backslash ("A:\" gives "A:").
    Choice().m_strFloppyRoot = EndsWithBackslash(folder) ? folder.Left(folder.GetLength() - 1) : folder;
}

void ZnDlgAppShinseishoList::UpdateShinseishoList()
{
    Choice().m_nBukkenIndex = ZnShellState::Current()->GetFrameBukkenIndex();
    ZnDocumentList::Fill(m_listShinseisho, ZnNumberEntry::RegisterPath(), Choice().m_nBukkenIndex);
    UpdateWindow();
}

void ZnDlgAppShinseishoList::UpdateShousaiList()
{
    m_listShousai.DeleteAllItems();
    ZnModelAppLocalData* local = ZnNumberEntry::LocalData();
    if (m_nSelectedDoc != ZnFdMenuChoice::kNoSelection && local) {
        // Each row goes on top, the last row first: appended from the last, so that a document
        // of many groups is listed in time proportional to them.
        std::vector<ZnNumberRows::Row> rows = ZnNumberRows::Rows(*local);
        for (size_t i = rows.size(); i-- > 0;) {
            int item = m_listShousai.InsertItem(m_listShousai.GetItemCount(), rows[i].title);
            m_listShousai.SetItemData(item, static_cast<DWORD_PTR>(i));
            m_listShousai.SetItemText(item, 1, rows[i].group->m_firstNumber.GetNumber());
            m_listShousai.SetItemText(item, 2, rows[i].group->m_secondNumber.GetNumber());
        }
    }
    UpdateWindow();
}

void ZnDlgAppShinseishoList::LoadSelectedDocument()
{
    if (m_nSelectedDoc == ZnFdMenuChoice::kNoSelection)
        return;
    ZnShellState* shell = ZnShellState::Current();
    shell->LoadBukkenDocument(Choice().m_nBukkenIndex, m_nSelectedDoc);
    shell->SetDataChanged(0);
}

void ZnDlgAppShinseishoList::OnButtonShousai()
{
    Choice().m_nSelectedRow = ZnFdMenuChoice::kNoSelection;
    int item = m_listShinseisho.GetNextItem(-1, LVNI_SELECTED);
    if (item >= 0) {
        m_nSelectedDoc = static_cast<int>(m_listShinseisho.GetItemData(item));
        Choice().m_nShousaiIndex = m_nSelectedDoc;
    }
    if (m_nSelectedDoc == ZnFdMenuChoice::kNoSelection) {
        AfxMessageBox("申請書を選択してください。", MB_ICONERROR);
        return;
    }
    LoadSelectedDocument();
    UpdateShousaiList();
}

void ZnDlgAppShinseishoList::OnButtonSansho()
{
    CString folder;
    if (ChooseOutputFolder(this, folder))
        ShowFloppyRoot(folder);
}

void ZnDlgAppShinseishoList::OnClickListShinseisho(NMHDR*, LRESULT* pResult)
{
    m_nSelectedDoc = ZnFdMenuChoice::kNoSelection;
    Choice().m_nSelectedRow = ZnFdMenuChoice::kNoSelection;
    // The document goes with the selection, so that the floppy panel works on none.
    Choice().m_nShousaiIndex = ZnFdMenuChoice::kNoSelection;
    m_listShousai.DeleteAllItems();
    UpdateWindow();
    ZnShellState::Current()->ReplaceModel(ZnShellState::appModelSlot, new ZnModelApp);
    *pResult = 0;
}

void ZnDlgAppShinseishoList::OnClickListShousai(NMHDR*, LRESULT* pResult)
{
    int item = m_listShousai.GetNextItem(-1, LVNI_SELECTED);
    if (item >= 0)
        Choice().m_nSelectedRow = static_cast<int>(m_listShousai.GetItemData(item));
    *pResult = 0;
}
