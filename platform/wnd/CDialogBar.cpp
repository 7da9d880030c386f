#include "platform/wnd/CDialogBar.h"

#include "platform/wnd/AfxRes.h"
#include "platform/wnd/CFrameWnd.h"
#include "platform/wnd/DialogBuilder.h"

IMPLEMENT_DYNAMIC(CDialogBar, CControlBar)

BOOL CDialogBar::Create(CWnd* pParentWnd, UINT nIDTemplate, UINT nStyle, UINT nID)
{
    const DialogResource* dialog = AfxFindDialogResource(nIDTemplate);
    if (!dialog || !pParentWnd || m_hWnd)
        return FALSE;
    m_pTemplate = dialog;
    m_dwBarStyle = nStyle & CBRS_ALL;
    CRect size = DialogBuilder::ToPixels(*dialog, 0, 0, dialog->cx, dialog->cy);
    DWORD style = (dialog->style & (WS_BORDER | WS_DLGFRAME)) | WS_CHILD;
    if (!CreateEx(dialog->exStyle, nullptr, nullptr, style, 0, 0, size.Width(), size.Height(), pParentWnd->m_hWnd,
                  reinterpret_cast<HMENU>(static_cast<UINT_PTR>(nID))))
        return FALSE;
    SizeToClient(size.Width(), size.Height());
    DialogBuilder::CreateControls(*this, *dialog);
    SetWindowPos(nullptr, 0, 0, 0, 0, SWP_SHOWWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER);
    return TRUE;
}

void CDialogBar::OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler)
{
    UpdateDialogControls(pTarget, bDisableIfNoHndler);
}
