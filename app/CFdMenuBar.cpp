#include "app/CFdMenuBar.h"

#include "app/CZnAppProApp.h"
#include "fdimport/ZnDlgAppBangouInput.h"
#include "fdimport/ZnDlgAppUketukeConfirm.h"
#include "platform/wnd/MessageBox.h"
#include "res/MainFrameIds.h"

BEGIN_MESSAGE_MAP(CFdMenuBar, CDialogBarBk)
ON_BN_CLICKED(IDC_FD_READ, OnFDRead)
ON_BN_CLICKED(IDC_FD_NUMBER, OnNumberInput)
ON_UPDATE_COMMAND_UI(IDC_FD_READ, OnUpdateEnable)
ON_UPDATE_COMMAND_UI(IDC_FD_NUMBER, OnUpdateEnable)
END_MESSAGE_MAP()

void CFdMenuBar::OnFDRead()
{
    if (!IsCurrentPanel(IDD_FDMENUBAR))
        return;
    if (m_nShousaiIndex < 0) {
        AfxMessageBox("詳細ボタンを押してください。", MB_ICONERROR);
        return;
    }
    ZnDlgAppUketukeConfirm confirm;
    confirm.m_strFloppyRoot = m_strFloppyRoot;
    confirm.m_nBukkenIndex = m_nBukkenIndex;
    confirm.m_nShousaiIndex = m_nShousaiIndex;
    confirm.m_nDocKindCode = ZnGetApp()->m_nDocKindCode;
    confirm.m_pShinseishoList = m_pShinseishoList;
    confirm.DoModal();
}

void CFdMenuBar::OnNumberInput()
{
    if (!IsCurrentPanel(IDD_FDMENUBAR))
        return;
    if (m_nSelectedRow < 0) {
        AfxMessageBox("番号入力する詳細項目を一覧から選択してください。", MB_ICONERROR);
        return;
    }
    ZnDlgAppBangouInput input;
    input.m_nSelectedRow = m_nSelectedRow;
    input.m_nBukkenIndex = m_nBukkenIndex;
    input.m_nShousaiIndex = m_nShousaiIndex;
    input.m_nDocKindCode = ZnGetApp()->m_nDocKindCode;
    input.m_pShinseishoList = m_pShinseishoList;
    input.DoModal();
}
