#include "editors/ZnDlgAppTanbunPaste.h"

#include "editors/ZnTanbunList.h"
#include "platform/wnd/Afxwin.h"
#include "platform/wnd/CDataExchange.h"
#include "res/MainFrameIds.h"
#include "res/ShortTextIds.h"

BEGIN_MESSAGE_MAP(ZnDlgAppTanbunPaste, CDialog)
ON_BN_CLICKED(IDC_TB_PASTE, OnPaste)
END_MESSAGE_MAP()

ZnDlgAppTanbunPaste::ZnDlgAppTanbunPaste(CWnd* pParent) : CDialog(IDD_TANBUN_PASTE, pParent) {}

void ZnDlgAppTanbunPaste::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_TB_PASTE_LIST, m_list);
}

BOOL ZnDlgAppTanbunPaste::OnInitDialog()
{
    CDialog::OnInitDialog();
    ZnInitTanbunList(m_list);
    ZnFillTanbunList(m_list);
    return TRUE;
}

void ZnDlgAppTanbunPaste::OnPaste()
{
    CString phrase = ZnSelectedTanbun(m_list);
    if (phrase.IsEmpty()) {
        AfxMessageBox("貼り付ける短文を選択してください。", MB_OK | MB_ICONSTOP);
        return;
    }
    // As typed text, it replaces the selection (or goes in at the caret) and can be undone.
    if (m_pTarget && m_pTarget->IsKindOf(RUNTIME_CLASS(CEdit)))
        m_pTarget->ReplaceSel(phrase, TRUE);
    EndDialog(IDCANCEL);
}
