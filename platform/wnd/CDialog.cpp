#include "platform/wnd/CDialog.h"

#include "platform/wnd/CButton.h"
#include "platform/wnd/CEdit.h"
#include "platform/wnd/CWinApp.h"
#include "platform/wnd/DialogBuilder.h"
#include "platform/wnd/MessageBox.h"
#include "platform/wnd/UiHost.h"

#include <algorithm>
#include <vector>

IMPLEMENT_DYNAMIC(CDialog, CWnd)

BEGIN_MESSAGE_MAP(CDialog, CWnd)
ON_COMMAND(IDOK, OnOK)
ON_COMMAND(IDCANCEL, OnCancel)
ON_MESSAGE(WM_INITDIALOG, HandleInitDialog)
END_MESSAGE_MAP()

namespace {
std::vector<CDialog*>& RunningModals()
{
    static std::vector<CDialog*> running;
    return running;
}
} // namespace

CDialog* AfxGetRunningModal() { return RunningModals().empty() ? nullptr : RunningModals().back(); }

BOOL CDialog::CreateFromTemplate(const DialogResource& dialog, CWnd* pParentOrOwner)
{
    DWORD style = dialog.style;
    DWORD exStyle = dialog.exStyle | ((style & DS_MODALFRAME) ? WS_EX_DLGMODALFRAME : 0);
    bool child = (style & WS_CHILD) != 0;
    CRect client = DialogBuilder::ToPixels(dialog, dialog.x, dialog.y, dialog.cx, dialog.cy);
    POINT position{client.left, client.top};
    if (!child && pParentOrOwner)
        pParentOrOwner->ClientToScreen(&position);
    m_pTemplate = &dialog;
    if (!CreateEx(exStyle, "#32770", AfxResourceText(dialog.caption), style & ~WS_VISIBLE, position.x, position.y,
                  client.Width(), client.Height(), pParentOrOwner ? pParentOrOwner->m_hWnd : nullptr, nullptr))
        return FALSE;
    SizeToClient(client.Width(), client.Height());
    DialogBuilder::CreateControls(*this, dialog);
    if (style & DS_CENTER)
        CenterWindow();
    BOOL focusFirst = static_cast<BOOL>(SendMessage(WM_INITDIALOG, 0, 0));
    if (!m_hWnd)
        return FALSE;
    if (focusFirst)
        if (CWnd* first = FirstTabStop())
            first->SetFocus();
    if ((style & WS_VISIBLE) && m_hWnd)
        ShowWindow(SW_SHOW);
    return m_hWnd != nullptr;
}

INT_PTR CDialog::DoModal()
{
    const DialogResource* dialog = AfxFindDialogResource(m_nIDTemplate);
    if (!dialog || m_hWnd)
        return -1;
    CWnd* owner = m_pParentWnd ? m_pParentWnd->GetTopLevelParent() : CWnd::FromHandle(AfxGetSafeOwner());
    HWND ownerHandle = owner ? owner->m_hWnd : nullptr;
    bool reenableOwner = owner && owner->IsWindowEnabled();
    // As Windows does when the owner is active again, the window that had the focus gets it back.
    CWnd* focused = CWnd::GetFocus();
    HWND focusedHandle = focused ? focused->m_hWnd : nullptr;
    m_nModalResult = -1;
    m_bModal = true;
    m_bEnded = false;
    RunningModals().push_back(this);
    auto finish = [&] {
        auto& running = RunningModals();
        running.erase(std::remove(running.begin(), running.end(), this), running.end());
        if (CWnd* ownerWnd = reenableOwner ? CWnd::FromHandle(ownerHandle) : nullptr)
            ownerWnd->EnableWindow(TRUE);
        if (m_hWnd) {
            SetWindowPos(nullptr, 0, 0, 0, 0, SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER);
            DestroyWindow();
        }
        if (CWnd* focusedWnd = CWnd::FromHandle(focusedHandle); focusedWnd && !CWnd::GetFocus())
            focusedWnd->SetFocus();
        m_bModal = false;
    };
    try {
        if (reenableOwner)
            owner->EnableWindow(FALSE);
        if (CreateFromTemplate(*dialog, owner)) {
            if (ContinueModal())
                ShowWindow(SW_SHOWNORMAL);
            if (ContinueModal())
                UiHost::Current().RunModalLoop(*this);
        }
    } catch (...) {
        finish();
        throw;
    }
    finish();
    return m_nModalResult;
}

BOOL CDialog::Create(UINT nIDTemplate, CWnd* pParentWnd)
{
    const DialogResource* dialog = AfxFindDialogResource(nIDTemplate);
    if (!dialog || m_hWnd)
        return FALSE;
    m_nIDTemplate = nIDTemplate;
    m_pParentWnd = pParentWnd;
    m_bModal = false;
    return CreateFromTemplate(*dialog, pParentWnd ? pParentWnd : AfxGetMainWnd());
}

void CDialog::EndDialog(int nResult)
{
    m_nModalResult = nResult;
    if (m_bModal)
        m_bEnded = true;
    else
        ShowWindow(SW_HIDE);
}

LRESULT CDialog::HandleInitDialog(WPARAM, LPARAM) { return OnInitDialog(); }

BOOL CDialog::OnInitDialog()
{
    if (!UpdateData(FALSE)) {
        EndDialog(-1);
        return FALSE;
    }
    return TRUE;
}

void CDialog::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

void CDialog::MapDialogRect(LPRECT lpRect) const
{
    static const DialogResource defaultFont{0, nullptr, nullptr, 8, 0, 0, 0, 0, 0, 0, nullptr, 0};
    AfxMapDialogRect(m_pTemplate ? *m_pTemplate : defaultFont, *lpRect);
}

void CDialog::GotoDlgCtrl(CWnd* pWndCtrl)
{
    if (!pWndCtrl)
        return;
    pWndCtrl->SetFocus();
    if (pWndCtrl->IsKindOf(RUNTIME_CLASS(CEdit)))
        pWndCtrl->SendMessage(EM_SETSEL, 0, -1);
}

DWORD CDialog::GetDefID() const
{
    for (CWnd* child = GetWindow(GW_CHILD); child; child = child->GetWindow(GW_HWNDNEXT))
        if (child->IsKindOf(RUNTIME_CLASS(CButton)) && (child->GetStyle() & BS_TYPEMASK) == BS_DEFPUSHBUTTON)
            return MAKELONG(child->GetDlgCtrlID(), DC_HASDEFID);
    return MAKELONG(IDOK, DC_HASDEFID);
}

void CDialog::SetDefID(UINT nID)
{
    for (CWnd* child = GetWindow(GW_CHILD); child; child = child->GetWindow(GW_HWNDNEXT)) {
        if (!child->IsKindOf(RUNTIME_CLASS(CButton)))
            continue;
        DWORD type = child->GetStyle() & BS_TYPEMASK;
        if (type == BS_DEFPUSHBUTTON && static_cast<UINT>(child->GetDlgCtrlID()) != nID)
            child->ModifyStyle(BS_TYPEMASK, BS_PUSHBUTTON);
        else if (type == BS_PUSHBUTTON && static_cast<UINT>(child->GetDlgCtrlID()) == nID)
            child->ModifyStyle(BS_TYPEMASK, BS_DEFPUSHBUTTON);
    }
}
