#include "editors/ZnFvAppCMView.h"

#include "platform/wnd/CDialog.h"
#include "platform/wnd/CFrameWnd.h"

IMPLEMENT_DYNAMIC(ZnFvAppCMView, CFormViewBk)

BEGIN_MESSAGE_MAP(ZnFvAppCMView, CFormViewBk)
ON_WM_DESTROY()
END_MESSAGE_MAP()

void ZnFvAppCMView::OnInitialUpdate()
{
    CFormView::OnInitialUpdate();
    if (CFrameWnd* frame = GetParentFrame())
        frame->ShowWindow(SW_SHOWMAXIMIZED);
    if (!m_editor.Create(m_nIDEditor, this))
        return;
    m_editor.SetWindowPos(nullptr, kEditorX, kEditorY, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    m_editor.ShowWindow(SW_SHOW);
}

void ZnFvAppCMView::OnDestroy()
{
    m_editor.DestroyWindow();
    CFormViewBk::OnDestroy();
}
