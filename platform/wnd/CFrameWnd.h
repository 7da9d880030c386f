// A frame window: title, menu, the active view, and the command route view → frame →
// application. LoadFrame takes its title (the first part of the string-table entry) and its
// menu from the resources of its id. A frame belongs to itself: it is deleted when its window
// is destroyed, and a frame whose creation fails is gone too.
#pragma once

#include "platform/wnd/CWnd.h"

class CFrameWnd : public CWnd {
public:
    DECLARE_DYNCREATE(CFrameWnd)
    CFrameWnd() = default;
    // Destroys the menu LoadFrame loaded.
    ~CFrameWnd() override;

    static const CRect rectDefault;

    virtual BOOL LoadFrame(UINT nIDResource, DWORD dwDefaultStyle = WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE,
                           CWnd* pParentWnd = nullptr, CCreateContext* pContext = nullptr);
    virtual BOOL Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle = WS_OVERLAPPEDWINDOW,
                        const RECT& rect = rectDefault, CWnd* pParentWnd = nullptr, LPCTSTR lpszMenuName = nullptr,
                        DWORD dwExStyle = 0, CCreateContext* pContext = nullptr);
    BOOL IsFrameWnd() const override { return TRUE; }

    virtual CDocument* GetActiveDocument();
    CView* GetActiveView() const { return m_pViewActive; }
    void SetActiveView(CView* pViewNew, BOOL bNotify = TRUE);
    virtual CFrameWnd* GetActiveFrame() { return this; }
    // Makes the pane view active, sends WM_INITIALUPDATE to the views and, when bMakeVisible, shows the frame.
    void InitialUpdateFrame(CDocument* pDoc, BOOL bMakeVisible);
    virtual void ActivateFrame(int nCmdShow = -1);
    virtual void RecalcLayout(BOOL bNotify = TRUE);
    // Shows hMenuAlt, or the frame's own menu.
    virtual void OnUpdateFrameMenu(HMENU hMenuAlt);
    CWnd* CreateView(CCreateContext* pContext, UINT nID = AFX_IDW_PANE_FIRST);

    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;

    BOOL m_bAutoMenuEnable = TRUE; // menu items without a command handler are disabled
    HMENU m_hMenuDefault = nullptr;
    CString m_strTitle;
    UINT m_nIDHelp = 0;

protected:
    virtual BOOL OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext* pContext);
    void PostNcDestroy() override { delete this; }
    // The first part of the string-table entry nIDResource ("" when there is none).
    static CString TitleFromResource(UINT nIDResource);

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnClose();
    afx_msg void OnInitMenuPopup(CMenu* pPopupMenu, UINT nIndex, BOOL bSysMenu);
    DECLARE_MESSAGE_MAP()

private:
    CView* m_pViewActive = nullptr;
};
