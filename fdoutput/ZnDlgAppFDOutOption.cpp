#include "fdoutput/ZnDlgAppFDOutOption.h"

#include "model/ZnModelAppInspConf.h"
#include "platform/core/AfxMessageBox.h"
#include "platform/wnd/CDataExchange.h"
#include "res/FloppyOutputIds.h"
#include "storage/ZnShellState.h"

BEGIN_MESSAGE_MAP(ZnDlgAppFDOutOption, CDialog)
ON_BN_CLICKED(IDC_BTN_SELECT_ALL, OnSelectAll)
ON_BN_CLICKED(IDC_BTN_SELECT_NONE, OnSelectNone)
END_MESSAGE_MAP()

ZnDlgAppFDOutOption::ZnDlgAppFDOutOption(CWnd* pParent) : CDialog(IDD_FDOUT_OPTION, pParent) {}

void ZnDlgAppFDOutOption::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_NUMBER_LIST, m_list);
    DDX_Control(pDX, IDC_RADIO_ONE_FD, m_btnOneFloppy);
    DDX_Control(pDX, IDC_RADIO_CHECK, m_btnCheck);
    DDX_Radio(pDX, IDC_RADIO_ONE_FD, m_nFloppies);
    DDX_Radio(pDX, IDC_RADIO_CHECK, m_nCheck);
}

int ZnDlgAppFDOutOption::DataSetCount()
{
    ZnModel* model = ZnShellState::Current()->GetModel(ZnShellState::formModelSlot);
    const ZnModelAppInspConf* inspection = dynamic_cast<const ZnModelAppInspConf*>(model);
    return inspection ? static_cast<int>(inspection->m_confCertList.GetCount()) + 1 : 1;
}

BOOL ZnDlgAppFDOutOption::OnInitDialog()
{
    CDialog::OnInitDialog();
    // "チェックする" and "一枚" whatever was chosen the time before.
    m_btnCheck.SetCheck(BST_CHECKED);
    static_cast<CButton*>(GetDlgItem(IDC_RADIO_NO_CHECK))->SetCheck(BST_UNCHECKED);
    m_btnOneFloppy.SetCheck(BST_CHECKED);
    static_cast<CButton*>(GetDlgItem(IDC_RADIO_MULTI_FD))->SetCheck(BST_UNCHECKED);

    CRect client;
    m_list.GetClientRect(&client);
    m_list.InsertColumn(0, "番号", LVCFMT_CENTER, client.Width() - GetSystemMetrics(SM_CXHTHUMB));
    m_list.DeleteAllItems();
    int count = DataSetCount();
    for (int number = 1; number <= count; ++number) {
        CString text;
        text.Format("%d", number);
        m_list.InsertItem(number - 1, text);
    }
    SelectEveryRow(TRUE);
    return TRUE;
}

void ZnDlgAppFDOutOption::SelectEveryRow(BOOL select)
{
    for (int i = 0; i < m_list.GetItemCount(); ++i)
        m_list.SetItemState(i, select ? LVIS_SELECTED : 0, LVIS_SELECTED);
}

void ZnDlgAppFDOutOption::OnSelectAll() { SelectEveryRow(TRUE); }

void ZnDlgAppFDOutOption::OnSelectNone() { SelectEveryRow(FALSE); }

void ZnDlgAppFDOutOption::OnOK()
{
    if (m_list.GetSelectedCount() == 0) {
        AfxMessageBox("番号が選択されていません", MB_ICONEXCLAMATION);
        return;
    }
    m_selectedNumbers.RemoveAll();
    for (int i = 0; i < m_list.GetItemCount(); ++i)
        if (m_list.GetItemState(i, LVIS_SELECTED) & LVIS_SELECTED)
            m_selectedNumbers.Add(i + 1);
    CDialog::OnOK();
}
