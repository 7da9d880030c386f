#include "shell/VhEditCtrl.h"

#include "platform/wnd/Imm.h"

IMPLEMENT_DYNAMIC(VhEditCtrl, CEdit)

BEGIN_MESSAGE_MAP(VhEditCtrl, CEdit)
ON_CONTROL_REFLECT(EN_UPDATE, DoUpdate)
ON_CONTROL_REFLECT(EN_SETFOCUS, DoSetFocus)
END_MESSAGE_MAP()

VhEditCtrl::VhEditCtrl(VhEditCtrlImp* imp) : m_pImp(imp ? imp : new VhEditCtrlImp(this)) {}

VhEditCtrl::~VhEditCtrl() { delete m_pImp; }

int VhEditCtrl::DoSetFocus()
{
    m_pImp->OnSetFocus();
    return 1;
}

int VhEditCtrl::DoCheck()
{
    m_pImp->OnCheck();
    return 1;
}

LRESULT VhEditCtrl::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_IME_COMPOSITION && (lParam & GCS_RESULTCLAUSE))
        m_pImp->CaptureReading();
    if (message == WM_CONTEXTMENU) {
        // Screen coordinates are signed: left of or above the primary screen they are negative.
        int x = static_cast<short>(LOWORD(lParam));
        int y = static_cast<short>(HIWORD(lParam));
        if (DoContextMenu(CWnd::FromHandle(reinterpret_cast<HWND>(wParam)), x, y))
            return 0;
    }
    return CEdit::WindowProc(message, wParam, lParam);
}
