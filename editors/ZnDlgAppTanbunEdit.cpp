#include "editors/ZnDlgAppTanbunEdit.h"

#include "editors/ZnDlgAppTanbunDelete.h"
#include "editors/ZnTanbunList.h"
#include "platform/wnd/Afxwin.h"
#include "platform/wnd/CDataExchange.h"
#include "res/MainFrameIds.h"
#include "res/ShortTextIds.h"
#include "storage/ZnAppTanbunTblDAO.h"

namespace {
const int kPhraseBytes = 250;
} // namespace

BEGIN_MESSAGE_MAP(ZnDlgAppTanbunEdit, CDialog)
ON_BN_CLICKED(IDC_TB_NEW, OnNew)
ON_BN_CLICKED(IDC_TB_CHANGE, OnChange)
ON_BN_CLICKED(IDC_TB_DELETE, OnDelete)
ON_BN_CLICKED(IDC_TB_REGISTER, OnRegister)
ON_BN_CLICKED(IDC_TB_CANCEL, OnCancelInput)
END_MESSAGE_MAP()

ZnDlgAppTanbunEdit::ZnDlgAppTanbunEdit(CWnd* pParent) : CDialog(IDD_TANBUN_EDIT, pParent)
{
    m_setupList.Add(new VhEditSetup(&m_edit, kPhraseBytes, 0xFFFF, 1, "%250s", 0));
    m_edit.GetImp()->m_strRejected = "|";
}

void ZnDlgAppTanbunEdit::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_TB_EDIT, m_edit);
    DDX_Control(pDX, IDC_TB_EDIT_LIST, m_list);
}

BOOL ZnDlgAppTanbunEdit::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_setupList.Apply();
    m_strOldText = "";
    m_nMode = modeIdle;
    EnableInput(0);
    ZnInitTanbunList(m_list);
    ZnFillTanbunList(m_list);
    return TRUE;
}

void ZnDlgAppTanbunEdit::EnableInput(int enable)
{
    if (!enable) {
        m_edit.SetWindowText("");
        m_strOldText = "";
    }
    m_edit.EnableWindow(enable);
    if (enable)
        m_edit.SetFocus();
}

void ZnDlgAppTanbunEdit::OnNew()
{
    m_strOldText = "";
    OnCancelInput();
    m_nMode = modeNew;
    EnableInput(1);
}

void ZnDlgAppTanbunEdit::OnChange()
{
    // The mode changes only with a phrase to change, so that a mistaken 修正 keeps a new
    // phrase being typed.
    CString phrase = ZnSelectedTanbun(m_list);
    if (phrase.IsEmpty()) {
        AfxMessageBox("編集する短文を選択してください。", MB_OK | MB_ICONSTOP);
        return;
    }
    m_nMode = modeChange;
    m_strOldText = phrase;
    m_edit.SetWindowText(phrase);
    EnableInput(1);
}

void ZnDlgAppTanbunEdit::OnDelete()
{
    CString phrase = ZnSelectedTanbun(m_list);
    if (phrase.IsEmpty()) {
        AfxMessageBox("削除する短文を選択してください。", MB_OK | MB_ICONSTOP);
        return;
    }
    ZnDlgAppTanbunDelete question(this);
    if (question.DoModal() != IDOK)
        return;
    ZnAppTanbunTblDAO phrases;
    phrases.SetKeyFilter(phrase);
    phrases.Open(dbOpenDynaset, nullptr, 0);
    if (!phrases.IsEOF())
        phrases.Delete();
    phrases.Close();
    ZnFillTanbunList(m_list);
    m_nMode = modeIdle;
    EnableInput(0);
}

void ZnDlgAppTanbunEdit::OnRegister()
{
    CString text;
    m_edit.GetWindowText(text);
    if (text.IsEmpty()) {
        AfxMessageBox("短文データを入力してください。", MB_OK | MB_ICONSTOP);
        m_edit.SetFocus();
        return;
    }
    StorePhrase(text);
    m_nMode = modeIdle;
    EnableInput(0);
    ZnFillTanbunList(m_list);
}

void ZnDlgAppTanbunEdit::StorePhrase(const CString& text)
{
    ZnAppTanbunTblDAO phrases;
    phrases.SetKeyFilter(m_strOldText);
    phrases.Open(dbOpenDynaset, nullptr, 0);
    if (m_nMode == modeNew) {
        phrases.AddNew();
        phrases.m_Tanbun = text;
        phrases.Update();
    } else if (m_nMode == modeChange && !m_strOldText.IsEmpty()) {
        if (phrases.IsEOF())
            ThrowDaoError(daoErrNoCurrentRecord); // the recordset closes as it goes
        phrases.Edit();
        phrases.m_Tanbun = text;
        phrases.Update();
    }
    phrases.Close();
}

void ZnDlgAppTanbunEdit::OnCancelInput()
{
    m_nMode = modeIdle;
    EnableInput(0);
    int item = m_list.GetNextItem(-1, LVNI_SELECTED);
    if (item >= 0)
        m_list.SetItemState(item, 0, LVIS_SELECTED);
}
