// The window object. Its state lives in the object: text, styles (shown, enabled), id, position,
// and, between Create and DestroyWindow, a window handle with a parent, children and a place
// in the message routing. Nothing here needs a display: the user-interface host is told of
// changes (UiHost::WindowChanged) and may mirror them onto real windows.
//
// Messages are dispatched as in MFC: WindowProc → the message map (OnWndMsg, OnCommand,
// OnNotify) → DefWindowProc, where a control class does what its window class would do.
// A framework exception (CException*) that leaves a handler is reported with a message box and
// ends that message, as the framework's window procedure does.
#pragma once

#include "platform/core/CString.h"
#include "platform/wnd/AfxRes.h"
#include "platform/wnd/CCmdTarget.h"
#include "platform/wnd/CPoint.h"
#include "platform/wnd/CRect.h"
#include "platform/wnd/UiHost.h"
#include "platform/wnd/WinUser.h"

#include <vector>

class CDC;
class CDataExchange;
class CDocTemplate;
class CDocument;
class CFrameWnd;
class CMenu;
class CView;

// What a frame passes to the views and frames it creates.
struct CCreateContext {
    CRuntimeClass* m_pNewViewClass = nullptr;
    CDocument* m_pCurrentDoc = nullptr;
    CDocTemplate* m_pNewDocTemplate = nullptr;
    CView* m_pLastView = nullptr;
    CFrameWnd* m_pCurrentFrame = nullptr;
};

// The lParam of WM_CTLCOLOR (its wParam is the CDC*).
struct AFX_CTLCOLOR {
    HWND hWnd;
    UINT nCtlType;
};

#define GW_HWNDFIRST 0
#define GW_HWNDLAST 1
#define GW_HWNDNEXT 2
#define GW_HWNDPREV 3
#define GW_OWNER 4
#define GW_CHILD 5

class CWnd : public CCmdTarget {
public:
    DECLARE_DYNCREATE(CWnd)
    CWnd() = default;
    // Destroys the window if it still exists.
    ~CWnd() override;

    HWND GetSafeHwnd() const { return m_hWnd; }
    // The object of a live window, or null.
    static CWnd* FromHandle(HWND hWnd);
    static CWnd* FromHandlePermanent(HWND hWnd) { return FromHandle(hWnd); }

    // Creation: PreCreateWindow may change the creation record; WM_CREATE returning -1 fails
    // the creation and destroys the window again (PostNcDestroy runs, so frames and views
    // delete themselves, as MFC's do).
    virtual BOOL Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                        CWnd* pParentWnd, UINT nID, CCreateContext* pContext = nullptr);
    BOOL CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, int x, int y,
                  int nWidth, int nHeight, HWND hWndParent, HMENU nIDorHMenu, LPVOID lpParam = nullptr);
    virtual BOOL PreCreateWindow(CREATESTRUCT& cs);
    // WM_DESTROY here, then the children, then PostNcDestroy. FALSE when there is no window.
    virtual BOOL DestroyWindow();
    virtual void PostNcDestroy() {}
    // Takes over a window that a dialog template created: the object adopts its handle and state.
    BOOL SubclassWindow(HWND hWnd);
    BOOL SubclassDlgItem(UINT nID, CWnd* pParent);

    void SetWindowText(LPCTSTR lpszString);
    int GetWindowText(LPTSTR lpszStringBuf, int nMaxCount) const;
    void GetWindowText(CString& rString) const;
    int GetWindowTextLength() const;
    DWORD GetStyle() const { return m_dwStyle; }
    DWORD GetExStyle() const { return m_dwExStyle; }
    BOOL ModifyStyle(DWORD dwRemove, DWORD dwAdd, UINT nFlags = 0);
    BOOL ModifyStyleEx(DWORD dwRemove, DWORD dwAdd, UINT nFlags = 0);
    // Returns whether the window was visible. WM_SHOWWINDOW is sent when visibility changes.
    BOOL ShowWindow(int nCmdShow);
    // Visible itself and every parent up to its top-level window.
    BOOL IsWindowVisible() const;
    // Returns whether the window was disabled.
    BOOL EnableWindow(BOOL bEnable = TRUE);
    BOOL IsWindowEnabled() const { return (m_dwStyle & WS_DISABLED) == 0; }
    BOOL IsZoomed() const { return m_bZoomed; }
    BOOL IsIconic() const { return m_bIconic; }
    int GetDlgCtrlID() const { return static_cast<int>(m_nID); }
    int SetDlgCtrlID(int nID);

    // A child's parent; a top-level window's owner.
    CWnd* GetParent() const;
    CWnd* GetOwner() const;
    void SetOwner(CWnd* pOwnerWnd);
    CWnd* GetTopLevelParent() const;
    CFrameWnd* GetParentFrame() const;
    CFrameWnd* GetTopLevelFrame() const;
    // Children in creation order (GW_CHILD), then siblings (GW_HWNDNEXT ...).
    CWnd* GetWindow(UINT nCmd) const;
    CWnd* GetNextWindow(UINT nFlag = GW_HWNDNEXT) const { return GetWindow(nFlag); }
    BOOL IsChild(const CWnd* pWnd) const;
    CWnd* GetDlgItem(int nID) const;
    void SetDlgItemText(int nID, LPCTSTR lpszString);
    int GetDlgItemText(int nID, CString& rString) const;
    void CheckDlgButton(int nIDButton, UINT nCheck);
    UINT IsDlgButtonChecked(int nIDButton) const;
    virtual BOOL IsFrameWnd() const { return FALSE; }

    // Gives the keyboard focus to this window; returns the window that had it.
    CWnd* SetFocus();
    static CWnd* GetFocus();

    // Pixels: a child's position is in its parent's client area, a top-level window's on the screen.
    void MoveWindow(int x, int y, int nWidth, int nHeight, BOOL bRepaint = TRUE);
    void MoveWindow(LPCRECT lpRect, BOOL bRepaint = TRUE);
    // SWP_SHOWWINDOW and SWP_HIDEWINDOW change visibility without WM_SHOWWINDOW.
    BOOL SetWindowPos(const CWnd* pWndInsertAfter, int x, int y, int cx, int cy, UINT nFlags);
    void GetWindowRect(LPRECT lpRect) const;
    void GetClientRect(LPRECT lpRect) const;
    void ClientToScreen(LPPOINT lpPoint) const;
    void ClientToScreen(LPRECT lpRect) const;
    void ScreenToClient(LPPOINT lpPoint) const;
    void ScreenToClient(LPRECT lpRect) const;
    void CenterWindow(CWnd* pAlternateOwner = nullptr);
    // The show state (SW_SHOWNORMAL, SW_SHOWMAXIMIZED or SW_SHOWMINIMIZED) and the normal
    // position; flags 0, minimised and maximised positions at 0, 0.
    BOOL GetWindowPlacement(WINDOWPLACEMENT* lpwndpl) const;
    void Invalidate(BOOL bErase = TRUE) {}
    // Has the window's real window show its state at once, while the program is busy and its
    // windows are not otherwise repainted.
    void UpdateWindow();

    // The menu shown in the window's menu bar, or null.
    CMenu* GetMenu() const;
    BOOL SetMenu(CMenu* pMenu);
    void DrawMenuBar() {}

    // An object without a window still handles what is sent to it (its state lives in the
    // object); posting needs a window, FALSE without one.
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    void SendMessageToDescendants(UINT message, WPARAM wParam = 0, LPARAM lParam = 0, BOOL bDeep = TRUE,
                                  BOOL bOnlyPerm = FALSE);
    // A message box owned by this window; the caption defaults to the application's name.
    int MessageBox(LPCTSTR lpszText, LPCTSTR lpszCaption = nullptr, UINT nType = MB_OK);

    // Runs DoDataExchange; FALSE when a field failed (the user was told and it has the focus).
    BOOL UpdateData(BOOL bSaveAndValidate = TRUE);
    virtual void DoDataExchange(CDataExchange* pDX) {}
    // Runs the update handlers of the child controls: first this window's own, then pTarget's route.
    void UpdateDialogControls(CCmdTarget* pTarget, BOOL bDisableIfNoHndler);
    // Whether a modal loop on this window goes on.
    virtual BOOL ContinueModal() { return FALSE; }

    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    virtual BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
    virtual BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    // A control's chance to handle its own notification (reflection); TRUE stops it there.
    virtual BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);

    HWND m_hWnd = nullptr;

    // The message being handled, or null.
    static const MSG* GetCurrentMessage();

protected:
    // The default processing of the message being handled.
    LRESULT Default();

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct) { return static_cast<int>(Default()); }
    afx_msg void OnDestroy() { Default(); }
    afx_msg void OnClose() { Default(); }
    afx_msg void OnShowWindow(BOOL bShow, UINT nStatus) { Default(); }
    afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor) { return reinterpret_cast<HBRUSH>(Default()); }
    afx_msg BOOL OnEraseBkgnd(CDC* pDC) { return static_cast<BOOL>(Default()); }
    afx_msg void OnSetFocus(CWnd* pOldWnd) { Default(); }
    afx_msg void OnKillFocus(CWnd* pNewWnd) { Default(); }
    afx_msg void OnContextMenu(CWnd* pWnd, CPoint point) { Default(); }
    afx_msg void OnSize(UINT nType, int cx, int cy) { Default(); }
    afx_msg void OnInitMenuPopup(CMenu* pPopupMenu, UINT nIndex, BOOL bSysMenu) { Default(); }

    DECLARE_MESSAGE_MAP()

    // For the control classes.
    void NotifyParent(UINT nCode);          // WM_COMMAND with the notification code
    LRESULT NotifyParentNotify(UINT nCode); // WM_NOTIFY with an NMHDR
    void NotifyChanged(UINT aspects);       // tells the host, when there is a window
    const CString& WindowText() const { return m_strWindowText; }
    // Changes the text without WM_SETTEXT (as a control does to itself).
    void SetWindowTextDirect(const CString& text);
    // Copies the control state of the template's placeholder that this object replaces.
    virtual void CopyControlState(const CWnd& from) {}
    // Sizes the window so that its client area has that size.
    void SizeToClient(int cx, int cy);
    // The first control that the tab key reaches: visible, enabled, WS_TABSTOP; or null.
    CWnd* FirstTabStop() const;

private:
    BOOL ChangeStyleBits(DWORD& style, DWORD dwRemove, DWORD dwAdd);
    POINT ClientOrigin() const; // the client area's top-left corner on the screen
    RECT NonClientInsets() const;
    void ApplyShowState(int nCmdShow);
    void DestroyTree();
    void Unlink();
    void LinkTo(HWND hWndParent);
    LRESULT DispatchProtected(UINT message, WPARAM wParam, LPARAM lParam);

    CString m_strWindowText;
    DWORD m_dwStyle = 0;
    DWORD m_dwExStyle = 0;
    UINT m_nID = 0;
    RECT m_rect{0, 0, 0, 0};
    HWND m_hWndParent = nullptr; // a child's parent
    HWND m_hWndOwner = nullptr;  // a top-level window's owner
    std::vector<HWND> m_children;
    HMENU m_hMenu = nullptr;
    bool m_bTemplateChild = false;
    bool m_bZoomed = false;
    bool m_bIconic = false;

    friend class DialogBuilder; // marks the controls it makes as template children
};

// Dispatches the messages posted so far (also those posted meanwhile); returns how many.
int AfxPumpPostedMessages();
// The window that has the keyboard focus, as a handle.
HWND AfxGetFocusHandle();
// The number of live windows of the process.
int AfxGetWindowCount();

// Win32 functions over window handles.
LRESULT SendMessage(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
BOOL PostMessage(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
BOOL IsWindow(HWND hWnd);
LONG GetWindowLong(HWND hWnd, int nIndex);
// Fixed metrics of a 96-dpi desktop (scroll bars 17, caption 19, borders 1, 2, 3 and 4 pixels).
int GetSystemMetrics(int nIndex);

// Handlers of window messages: thunks that crack the parameters, and their table entries.
template <class T, auto F> LRESULT AfxThunkCreate(CCmdTarget* t, const AFX_MSGARGS& a)
{
    return (static_cast<T*>(t)->*F)(reinterpret_cast<LPCREATESTRUCT>(a.lParam));
}
template <class T, auto F> LRESULT AfxThunkVoid(CCmdTarget* t, const AFX_MSGARGS&)
{
    (static_cast<T*>(t)->*F)();
    return 0;
}
template <class T, auto F> LRESULT AfxThunkShowWindow(CCmdTarget* t, const AFX_MSGARGS& a)
{
    (static_cast<T*>(t)->*F)(static_cast<BOOL>(a.wParam), static_cast<UINT>(a.lParam));
    return 0;
}
template <class T, auto F> LRESULT AfxThunkCtlColor(CCmdTarget* t, const AFX_MSGARGS& a)
{
    const AFX_CTLCOLOR* ctl = reinterpret_cast<const AFX_CTLCOLOR*>(a.lParam);
    return reinterpret_cast<LRESULT>(
        (static_cast<T*>(t)->*F)(reinterpret_cast<CDC*>(a.wParam), CWnd::FromHandle(ctl->hWnd), ctl->nCtlType));
}
template <class T, auto F> LRESULT AfxThunkEraseBkgnd(CCmdTarget* t, const AFX_MSGARGS& a)
{
    return (static_cast<T*>(t)->*F)(reinterpret_cast<CDC*>(a.wParam));
}
template <class T, auto F> LRESULT AfxThunkFocus(CCmdTarget* t, const AFX_MSGARGS& a)
{
    (static_cast<T*>(t)->*F)(CWnd::FromHandle(reinterpret_cast<HWND>(a.wParam)));
    return 0;
}
template <class T, auto F> LRESULT AfxThunkContextMenu(CCmdTarget* t, const AFX_MSGARGS& a)
{
    (static_cast<T*>(t)->*F)(CWnd::FromHandle(reinterpret_cast<HWND>(a.wParam)), CPoint(a.lParam));
    return 0;
}
template <class T, auto F> LRESULT AfxThunkSize(CCmdTarget* t, const AFX_MSGARGS& a)
{
    (static_cast<T*>(t)->*F)(static_cast<UINT>(a.wParam), static_cast<short>(LOWORD(a.lParam)),
                             static_cast<short>(HIWORD(a.lParam)));
    return 0;
}
CMenu* AfxMenuFromHandle(HMENU hMenu);
template <class T, auto F> LRESULT AfxThunkInitMenuPopup(CCmdTarget* t, const AFX_MSGARGS& a)
{
    (static_cast<T*>(t)->*F)(AfxMenuFromHandle(reinterpret_cast<HMENU>(a.wParam)), LOWORD(a.lParam), HIWORD(a.lParam));
    return 0;
}

#define AFX_WM_ENTRY(message, thunk, memberFxn) {message, 0, 0, 0, AfxSig_l, AFX_THUNK(thunk, memberFxn)},
#define ON_WM_CREATE() AFX_WM_ENTRY(WM_CREATE, AfxThunkCreate, OnCreate)
#define ON_WM_DESTROY() AFX_WM_ENTRY(WM_DESTROY, AfxThunkVoid, OnDestroy)
#define ON_WM_CLOSE() AFX_WM_ENTRY(WM_CLOSE, AfxThunkVoid, OnClose)
#define ON_WM_SHOWWINDOW() AFX_WM_ENTRY(WM_SHOWWINDOW, AfxThunkShowWindow, OnShowWindow)
#define ON_WM_CTLCOLOR() AFX_WM_ENTRY(WM_CTLCOLOR, AfxThunkCtlColor, OnCtlColor)
#define ON_WM_ERASEBKGND() AFX_WM_ENTRY(WM_ERASEBKGND, AfxThunkEraseBkgnd, OnEraseBkgnd)
#define ON_WM_SETFOCUS() AFX_WM_ENTRY(WM_SETFOCUS, AfxThunkFocus, OnSetFocus)
#define ON_WM_KILLFOCUS() AFX_WM_ENTRY(WM_KILLFOCUS, AfxThunkFocus, OnKillFocus)
#define ON_WM_CONTEXTMENU() AFX_WM_ENTRY(WM_CONTEXTMENU, AfxThunkContextMenu, OnContextMenu)
#define ON_WM_SIZE() AFX_WM_ENTRY(WM_SIZE, AfxThunkSize, OnSize)
#define ON_WM_INITMENUPOPUP() AFX_WM_ENTRY(WM_INITMENUPOPUP, AfxThunkInitMenuPopup, OnInitMenuPopup)
