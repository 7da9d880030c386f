// An MDI child frame inside the MDI client of the main frame. It is made active when created;
// DestroyWindow goes through the client (WM_MDIDESTROY), which activates the previous child.
#pragma once

#include "platform/wnd/CFrameWnd.h"

class CMDIFrameWnd;

class CMDIChildWnd : public CFrameWnd {
public:
    DECLARE_DYNCREATE(CMDIChildWnd)

    // Inside pParentWnd, or the main window when that is an MDI frame. Fails (and deletes the
    // frame, like every failed frame creation) when there is no MDI frame.
    BOOL LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd = nullptr,
                   CCreateContext* pContext = nullptr) override;
    BOOL Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                CMDIFrameWnd* pParentWnd, CCreateContext* pContext = nullptr);
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    BOOL DestroyWindow() override;
    void ActivateFrame(int nCmdShow = -1) override;

    CMDIFrameWnd* GetMDIFrame() const;
    void MDIDestroy();
    void MDIActivate();
    void MDIMaximize();
    void MDIRestore();

    HMENU m_hMenuShared = nullptr; // the document template's menu (not owned)
};
