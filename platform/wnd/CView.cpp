#include "platform/wnd/CView.h"

#include "platform/wnd/CDocument.h"
#include "platform/wnd/CFrameWnd.h"
#include "platform/wnd/CPrintInfo.h"

IMPLEMENT_DYNAMIC(CView, CWnd)

BEGIN_MESSAGE_MAP(CView, CWnd)
ON_WM_CREATE()
ON_WM_DESTROY()
ON_MESSAGE(WM_INITIALUPDATE, OnInitialUpdateMessage)
END_MESSAGE_MAP()

CView::~CView()
{
    if (m_pDocument)
        m_pDocument->RemoveView(this);
}

BOOL CView::PreCreateWindow(CREATESTRUCT& cs)
{
    cs.style |= WS_CHILD;
    return CWnd::PreCreateWindow(cs);
}

int CView::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    CCreateContext* context = static_cast<CCreateContext*>(lpCreateStruct->lpCreateParams);
    if (context && context->m_pCurrentDoc)
        context->m_pCurrentDoc->AddView(this);
    return 0;
}

void CView::OnDestroy()
{
    CFrameWnd* frame = GetParentFrame();
    if (frame && frame->GetActiveView() == this)
        frame->SetActiveView(nullptr, FALSE);
    CWnd::OnDestroy();
}

LRESULT CView::OnInitialUpdateMessage(WPARAM, LPARAM)
{
    OnInitialUpdate();
    return 0;
}

void CView::OnInitialUpdate() { OnUpdate(nullptr, 0, nullptr); }

void CView::OnUpdate(CView*, LPARAM, CObject*) { Invalidate(TRUE); }

BOOL CView::DoPreparePrinting(CPrintInfo* pInfo)
{
    if (pInfo->m_bDirect || pInfo->m_bPreview)
        return TRUE;
    return pInfo->m_pPD->DoModal() == IDOK;
}

void CView::OnFilePrint()
{
    CPrintInfo info;
    const MSG* message = GetCurrentMessage();
    info.m_bDirect = message && LOWORD(message->wParam) == ID_FILE_PRINT_DIRECT;
    OnPreparePrinting(&info);
}

BOOL CView::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    if (CWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    return m_pDocument && m_pDocument->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}
