#include "platform/wnd/CFrameWnd.h"

#include "platform/wnd/CCmdUI.h"
#include "platform/wnd/CDocument.h"
#include "platform/wnd/CMenu.h"
#include "platform/wnd/CView.h"
#include "platform/wnd/CWinApp.h"
#include "platform/wnd/Resources.h"

IMPLEMENT_DYNCREATE(CFrameWnd, CWnd)

BEGIN_MESSAGE_MAP(CFrameWnd, CWnd)
ON_WM_CREATE()
ON_WM_CLOSE()
ON_WM_INITMENUPOPUP()
END_MESSAGE_MAP()

const CRect CFrameWnd::rectDefault(0, 0, 800, 600);

CFrameWnd::~CFrameWnd()
{
    if (m_hMenuDefault)
        ::DestroyMenu(m_hMenuDefault);
}

CString CFrameWnd::TitleFromResource(UINT nIDResource)
{
    CString full;
    AfxLoadString(nIDResource, full);
    int end = full.Find('\n');
    return end < 0 ? full : full.Left(end);
}

BOOL CFrameWnd::LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd, CCreateContext* pContext)
{
    m_nIDHelp = nIDResource;
    m_strTitle = TitleFromResource(nIDResource);
    m_hMenuDefault = AfxLoadMenu(nIDResource);
    return Create(nullptr, m_strTitle, dwDefaultStyle, rectDefault, pParentWnd, nullptr, 0, pContext);
}

BOOL CFrameWnd::Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd,
                       LPCTSTR, DWORD dwExStyle, CCreateContext* pContext)
{
    m_strTitle = lpszWindowName;
    return CreateEx(dwExStyle, lpszClassName, lpszWindowName, dwStyle, rect.left, rect.top, rect.right - rect.left,
                    rect.bottom - rect.top, pParentWnd ? pParentWnd->m_hWnd : nullptr, m_hMenuDefault, pContext);
}

int CFrameWnd::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    if (!OnCreateClient(lpCreateStruct, static_cast<CCreateContext*>(lpCreateStruct->lpCreateParams)))
        return -1;
    RecalcLayout();
    return 0;
}

BOOL CFrameWnd::OnCreateClient(LPCREATESTRUCT, CCreateContext* pContext)
{
    if (pContext && pContext->m_pNewViewClass)
        return CreateView(pContext, AFX_IDW_PANE_FIRST) != nullptr;
    return TRUE;
}

CWnd* CFrameWnd::CreateView(CCreateContext* pContext, UINT nID)
{
    CObject* object = pContext->m_pNewViewClass->CreateObject();
    CWnd* view = dynamic_cast<CWnd*>(object);
    if (!view) {
        delete object;
        return nullptr;
    }
    CRect client;
    GetClientRect(&client);
    // A view whose creation fails has deleted itself.
    if (!view->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE | WS_BORDER, client, this, nID, pContext))
        return nullptr;
    return view;
}

CDocument* CFrameWnd::GetActiveDocument()
{
    CView* view = GetActiveView();
    return view ? view->GetDocument() : nullptr;
}

void CFrameWnd::SetActiveView(CView* pViewNew, BOOL) { m_pViewActive = pViewNew; }

void CFrameWnd::InitialUpdateFrame(CDocument*, BOOL bMakeVisible)
{
    if (!GetActiveView()) {
        CWnd* pane = GetDlgItem(AFX_IDW_PANE_FIRST);
        if (pane && pane->IsKindOf(RUNTIME_CLASS(CView)))
            SetActiveView(static_cast<CView*>(pane), FALSE);
    }
    if (bMakeVisible) {
        SendMessageToDescendants(WM_INITIALUPDATE, 0, 0, TRUE, TRUE);
        if (m_hWnd)
            ActivateFrame(-1);
    }
}

void CFrameWnd::ActivateFrame(int nCmdShow) { ShowWindow(nCmdShow == -1 ? SW_SHOW : nCmdShow); }

void CFrameWnd::RecalcLayout(BOOL) { NotifyChanged(WndPosition); }

void CFrameWnd::OnUpdateFrameMenu(HMENU hMenuAlt) { SetMenu(CMenu::FromHandle(hMenuAlt ? hMenuAlt : m_hMenuDefault)); }

BOOL CFrameWnd::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    if (CView* view = GetActiveView())
        if (view->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
            return TRUE;
    if (CWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    // A frame inside another one leaves the application to its outer frame.
    CWinApp* app = GetParentFrame() ? nullptr : AfxGetApp();
    return app && app->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

void CFrameWnd::OnClose()
{
    CWinApp* app = AfxGetApp();
    if (app && app->m_pMainWnd == this) {
        if (!app->SaveAllModified())
            return;
        app->CloseAllDocuments(FALSE);
        if (app->m_pMainWnd != this)
            return;
        DestroyWindow();
        return;
    }
    CDocument* document = GetActiveDocument();
    if (document && !document->CanCloseFrame(this))
        return;
    if (document && document->m_bAutoDelete && document->CountFramesExcept(this) == 0) {
        // The last frame of the document: closing the document destroys it.
        document->OnCloseDocument();
        return;
    }
    DestroyWindow();
}

void CFrameWnd::OnInitMenuPopup(CMenu* pPopupMenu, UINT, BOOL bSysMenu)
{
    if (bSysMenu || !pPopupMenu)
        return;
    CCmdUI state;
    state.m_pMenu = pPopupMenu;
    state.m_nIndexMax = pPopupMenu->GetMenuItemCount();
    for (UINT index = 0; index < state.m_nIndexMax; ++index) {
        UINT nID = pPopupMenu->GetMenuItemID(static_cast<int>(index));
        if (nID == 0 || nID == static_cast<UINT>(-1))
            continue; // separators and popups keep the state the menu gave them
        state.m_nIndex = index;
        state.m_nID = nID;
        state.DoUpdate(this, m_bAutoMenuEnable && nID < AFX_FIRST_SYSTEM_COMMAND);
    }
}
