#include "fdoutput/ZnDlgAppFDOutConfirm.h"

#include "platform/wnd/CDataExchange.h"
#include "res/FloppyOutputIds.h"

BEGIN_MESSAGE_MAP(ZnDlgAppFDOutConfirm, CDialog)
END_MESSAGE_MAP()

ZnDlgAppFDOutConfirm::ZnDlgAppFDOutConfirm(CWnd* pParent) : CDialog(IDD_FDOUT_CONFIRM, pParent) {}

void ZnDlgAppFDOutConfirm::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_RADIO_CHECK, m_btnCheck);
    DDX_Radio(pDX, IDC_RADIO_CHECK, m_nRadio);
}

BOOL ZnDlgAppFDOutConfirm::OnInitDialog()
{
    CDialog::OnInitDialog();
    // "チェックする" whatever was chosen the time before.
    m_btnCheck.SetCheck(BST_CHECKED);
    m_btnCheck.EnableWindow(TRUE);
    static_cast<CButton*>(GetDlgItem(IDC_RADIO_NO_CHECK))->SetCheck(BST_UNCHECKED);
    return TRUE;
}
