#include "app/CZnAppProView.h"

#include "app/CZnAppProApp.h"
#include "platform/wnd/AfxRes.h"
#include "platform/wnd/ShellApi.h"
#include "res/MainFrameIds.h"

IMPLEMENT_DYNCREATE(CZnAppProView, CView)

BEGIN_MESSAGE_MAP(CZnAppProView, CView)
ON_WM_SHOWWINDOW()
ON_COMMAND(ID_HELP_HTML, OnHelp)
ON_COMMAND(ID_FILE_PRINT, OnFilePrint)
ON_COMMAND(ID_FILE_PRINT_DIRECT, OnFilePrint)
ON_COMMAND(ID_FILE_PRINT_PREVIEW, OnFilePrintPreview)
END_MESSAGE_MAP()

void CZnAppProView::OnInitialUpdate()
{
    CView::OnInitialUpdate();
    HideParentFrame();
}

void CZnAppProView::OnShowWindow(BOOL bShow, UINT nStatus)
{
    CView::OnShowWindow(bShow, nStatus);
    m_rect = RECT{0, 0, 0, 0};
    HideParentFrame();
}

void CZnAppProView::HideParentFrame()
{
    if (CWnd* frame = GetParent())
        frame->MoveWindow(0, 0, 0, 0, TRUE);
}

void CZnAppProView::OnHelp()
{
    CString path = ZnGetApp()->GetAppFolder() + "\\" + "App.htm";
    ShellExecute(m_hWnd, "open", path, nullptr, nullptr, SW_SHOWDEFAULT);
}
