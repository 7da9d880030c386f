#include "platform/wnd/CWnd.h"

#include "platform/wnd/CButton.h"
#include "platform/wnd/CCmdUI.h"
#include "platform/wnd/CDataExchange.h"
#include "platform/wnd/CFrameWnd.h"
#include "platform/wnd/CMenu.h"
#include "platform/wnd/CUserException.h"
#include "platform/wnd/CWinApp.h"
#include "platform/wnd/MessageBox.h"
#include "platform/wnd/UiHost.h"

#include <algorithm>
#include <cstring>
#include <deque>
#include <unordered_map>

IMPLEMENT_DYNCREATE(CWnd, CCmdTarget)

BEGIN_MESSAGE_MAP(CWnd, CCmdTarget)
END_MESSAGE_MAP()

namespace {
struct PostedMessage {
    HWND hWnd;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

// The windows of the process. Handles are never reused, so a stale handle finds nothing.
struct WindowRegistry {
    std::unordered_map<HWND, CWnd*> windows;
    uintptr_t lastHandle = 0;
    HWND focus = nullptr;
    HWND lockoutNotify = nullptr; // a window whose controls' notifications are ignored (UpdateData)
    std::deque<PostedMessage> posted;
    std::vector<MSG> current; // the messages being handled, innermost last
};

WindowRegistry& Registry()
{
    // Never destroyed: windows of static objects may be destroyed after other statics.
    static WindowRegistry* registry = new WindowRegistry;
    return *registry;
}

HWND NewHandle() { return reinterpret_cast<HWND>(++Registry().lastHandle << 4); }

// Asks the update handlers whether a menu or accelerator command is enabled, changing nothing.
class CTestCmdUI : public CCmdUI {
public:
    void Enable(BOOL bOn) override
    {
        m_bEnabled = bOn;
        m_bEnableChanged = TRUE;
    }
    void SetCheck(int) override {}
    void SetText(LPCTSTR) override {}
    BOOL m_bEnabled = TRUE;
};

// Auto check boxes and radio buttons keep their state when nothing handles their command.
bool IsAutoButton(const CWnd& wnd)
{
    if (!wnd.IsKindOf(RUNTIME_CLASS(CButton)))
        return false;
    DWORD type = wnd.GetStyle() & BS_TYPEMASK;
    return type == BS_AUTOCHECKBOX || type == BS_AUTO3STATE || type == BS_GROUPBOX || type == BS_AUTORADIOBUTTON;
}

void Offset(RECT& rect, POINT by, int sign)
{
    rect.left += sign * by.x;
    rect.right += sign * by.x;
    rect.top += sign * by.y;
    rect.bottom += sign * by.y;
}
} // namespace

CMenu* AfxMenuFromHandle(HMENU hMenu) { return CMenu::FromHandle(hMenu); }

CWnd::~CWnd()
{
    m_bTemplateChild = false;
    if (m_hWnd)
        CWnd::DestroyWindow();
}

CWnd* CWnd::FromHandle(HWND hWnd)
{
    auto& windows = Registry().windows;
    auto found = windows.find(hWnd);
    return found == windows.end() ? nullptr : found->second;
}

BOOL CWnd::Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd,
                  UINT nID, CCreateContext* pContext)
{
    return CreateEx(0, lpszClassName, lpszWindowName, dwStyle | WS_CHILD, rect.left, rect.top, rect.right - rect.left,
                    rect.bottom - rect.top, pParentWnd ? pParentWnd->m_hWnd : nullptr,
                    reinterpret_cast<HMENU>(static_cast<UINT_PTR>(nID)), pContext);
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, int x, int y,
                    int nWidth, int nHeight, HWND hWndParent, HMENU nIDorHMenu, LPVOID lpParam)
{
    if (m_hWnd)
        return FALSE;
    CREATESTRUCT cs{
        lpParam,        nullptr,       nIDorHMenu, hWndParent, nHeight, nWidth, y, x, static_cast<LONG>(dwStyle),
        lpszWindowName, lpszClassName, dwExStyle};
    if (!PreCreateWindow(cs)) {
        PostNcDestroy();
        return FALSE;
    }
    m_dwStyle = static_cast<DWORD>(cs.style);
    m_dwExStyle = cs.dwExStyle;
    bool child = (m_dwStyle & WS_CHILD) != 0;
    m_nID = child ? static_cast<UINT>(reinterpret_cast<UINT_PTR>(cs.hMenu)) : 0;
    if (!child && cs.hMenu)
        m_hMenu = cs.hMenu;
    m_rect = RECT{cs.x, cs.y, cs.x + cs.cx, cs.y + cs.cy};
    m_strWindowText = cs.lpszName;
    m_bZoomed = (m_dwStyle & WS_MAXIMIZE) != 0;
    m_bIconic = (m_dwStyle & WS_MINIMIZE) != 0;
    m_hWnd = NewHandle();
    Registry().windows[m_hWnd] = this;
    LinkTo(cs.hwndParent);
    bool visible = (m_dwStyle & WS_VISIBLE) != 0;
    if (SendMessage(WM_CREATE, 0, reinterpret_cast<LPARAM>(&cs)) == -1) {
        CWnd::DestroyWindow(); // may delete this
        return FALSE;
    }
    if (visible && !child)
        SendMessage(WM_SHOWWINDOW, TRUE, 0);
    NotifyChanged(WndStyle);
    return TRUE;
}

BOOL CWnd::PreCreateWindow(CREATESTRUCT&) { return TRUE; }

void CWnd::LinkTo(HWND hWndParent)
{
    if (m_dwStyle & WS_CHILD) {
        m_hWndParent = hWndParent;
        if (CWnd* parent = FromHandle(hWndParent))
            parent->m_children.push_back(m_hWnd);
    } else {
        m_hWndOwner = hWndParent;
    }
}

void CWnd::Unlink()
{
    if (CWnd* parent = FromHandle(m_hWndParent)) {
        auto& siblings = parent->m_children;
        siblings.erase(std::remove(siblings.begin(), siblings.end(), m_hWnd), siblings.end());
    }
}

BOOL CWnd::DestroyWindow()
{
    if (!m_hWnd)
        return FALSE;
    DestroyTree();
    return TRUE;
}

void CWnd::DestroyTree()
{
    WindowRegistry& registry = Registry();
    HWND self = m_hWnd;
    CWnd* focus = FromHandle(registry.focus);
    if (focus && (focus == this || IsChild(focus)))
        registry.focus = nullptr;
    SendMessage(WM_DESTROY);
    std::vector<HWND> owned;
    for (const auto& entry : registry.windows)
        if (entry.second->m_hWndOwner == self && !(entry.second->m_dwStyle & WS_CHILD))
            owned.push_back(entry.first);
    for (HWND hWnd : owned)
        if (CWnd* wnd = FromHandle(hWnd))
            wnd->DestroyTree();
    std::vector<HWND> children = m_children;
    for (HWND hWnd : children)
        if (CWnd* child = FromHandle(hWnd))
            child->DestroyTree();
    SendMessage(WM_NCDESTROY);
    UiHost::Current().WindowDestroyed(*this);
    Unlink();
    registry.windows.erase(self);
    m_hWnd = nullptr;
    m_children.clear();
    CWinApp* app = AfxGetApp();
    if (app && app->m_pMainWnd == this)
        app->m_pMainWnd = nullptr;
    bool autoDelete = m_bTemplateChild;
    PostNcDestroy();
    if (autoDelete)
        delete this;
}

BOOL CWnd::SubclassWindow(HWND hWnd)
{
    CWnd* placeholder = FromHandle(hWnd);
    if (m_hWnd || !placeholder || placeholder == this || !placeholder->m_bTemplateChild)
        return FALSE;
    m_hWnd = hWnd;
    Registry().windows[hWnd] = this;
    m_strWindowText = placeholder->m_strWindowText;
    m_dwStyle = placeholder->m_dwStyle;
    m_dwExStyle = placeholder->m_dwExStyle;
    m_nID = placeholder->m_nID;
    m_rect = placeholder->m_rect;
    m_hWndParent = placeholder->m_hWndParent;
    m_hWndOwner = placeholder->m_hWndOwner;
    m_children = placeholder->m_children;
    m_bZoomed = placeholder->m_bZoomed;
    m_bIconic = placeholder->m_bIconic;
    CopyControlState(*placeholder);
    placeholder->m_hWnd = nullptr;
    delete placeholder;
    return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT nID, CWnd* pParent)
{
    CWnd* item = pParent ? pParent->GetDlgItem(static_cast<int>(nID)) : nullptr;
    return item && SubclassWindow(item->m_hWnd);
}

void CWnd::SetWindowText(LPCTSTR lpszString)
{
    SendMessage(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(lpszString ? lpszString : ""));
}

void CWnd::SetWindowTextDirect(const CString& text)
{
    m_strWindowText = text;
    NotifyChanged(WndText);
}

int CWnd::GetWindowText(LPTSTR lpszStringBuf, int nMaxCount) const
{
    if (!lpszStringBuf || nMaxCount <= 0)
        return 0;
    int count = std::min(nMaxCount - 1, m_strWindowText.GetLength());
    std::memcpy(lpszStringBuf, static_cast<LPCTSTR>(m_strWindowText), count);
    lpszStringBuf[count] = 0;
    return count;
}

void CWnd::GetWindowText(CString& rString) const { rString = m_strWindowText; }

int CWnd::GetWindowTextLength() const { return m_strWindowText.GetLength(); }

BOOL CWnd::ChangeStyleBits(DWORD& style, DWORD dwRemove, DWORD dwAdd)
{
    DWORD changed = (style & ~dwRemove) | dwAdd;
    if (changed == style)
        return FALSE;
    style = changed;
    NotifyChanged(WndStyle);
    return TRUE;
}

BOOL CWnd::ModifyStyle(DWORD dwRemove, DWORD dwAdd, UINT) { return ChangeStyleBits(m_dwStyle, dwRemove, dwAdd); }

BOOL CWnd::ModifyStyleEx(DWORD dwRemove, DWORD dwAdd, UINT) { return ChangeStyleBits(m_dwExStyle, dwRemove, dwAdd); }

void CWnd::ApplyShowState(int nCmdShow)
{
    switch (nCmdShow) {
    case SW_SHOWMAXIMIZED:
        m_bZoomed = true;
        m_bIconic = false;
        break;
    case SW_SHOWMINIMIZED:
    case SW_MINIMIZE:
    case SW_SHOWMINNOACTIVE:
        m_bIconic = true;
        break;
    case SW_SHOWNORMAL:
    case SW_RESTORE:
        m_bZoomed = false;
        m_bIconic = false;
        break;
    default:
        break;
    }
}

BOOL CWnd::ShowWindow(int nCmdShow)
{
    BOOL wasVisible = (m_dwStyle & WS_VISIBLE) != 0;
    BOOL show = nCmdShow != SW_HIDE;
    ApplyShowState(nCmdShow);
    if (m_hWnd && show != wasVisible)
        SendMessage(WM_SHOWWINDOW, show, 0);
    m_dwStyle = show ? (m_dwStyle | WS_VISIBLE) : (m_dwStyle & ~WS_VISIBLE);
    NotifyChanged(WndStyle | WndPosition);
    return wasVisible;
}

BOOL CWnd::IsWindowVisible() const
{
    if (!m_hWnd || !(m_dwStyle & WS_VISIBLE))
        return FALSE;
    CWnd* parent = (m_dwStyle & WS_CHILD) ? FromHandle(m_hWndParent) : nullptr;
    return parent ? parent->IsWindowVisible() : TRUE;
}

BOOL CWnd::EnableWindow(BOOL bEnable)
{
    BOOL wasDisabled = (m_dwStyle & WS_DISABLED) != 0;
    if (wasDisabled == !bEnable)
        return wasDisabled;
    m_dwStyle = bEnable ? (m_dwStyle & ~WS_DISABLED) : (m_dwStyle | WS_DISABLED);
    if (m_hWnd)
        SendMessage(WM_ENABLE, bEnable, 0);
    NotifyChanged(WndStyle);
    return wasDisabled;
}

int CWnd::SetDlgCtrlID(int nID)
{
    int previous = static_cast<int>(m_nID);
    m_nID = static_cast<UINT>(nID);
    return previous;
}

CWnd* CWnd::GetParent() const { return FromHandle((m_dwStyle & WS_CHILD) ? m_hWndParent : m_hWndOwner); }

CWnd* CWnd::GetOwner() const { return m_hWndOwner ? FromHandle(m_hWndOwner) : GetParent(); }

void CWnd::SetOwner(CWnd* pOwnerWnd) { m_hWndOwner = pOwnerWnd ? pOwnerWnd->m_hWnd : nullptr; }

CWnd* CWnd::GetTopLevelParent() const
{
    const CWnd* wnd = this;
    while (CWnd* up = wnd->GetParent())
        wnd = up;
    return const_cast<CWnd*>(wnd);
}

CFrameWnd* CWnd::GetParentFrame() const
{
    for (CWnd* wnd = GetParent(); wnd; wnd = wnd->GetParent())
        if (wnd->IsFrameWnd())
            return static_cast<CFrameWnd*>(wnd);
    return nullptr;
}

CFrameWnd* CWnd::GetTopLevelFrame() const
{
    CFrameWnd* frame = IsFrameWnd() ? static_cast<CFrameWnd*>(const_cast<CWnd*>(this)) : GetParentFrame();
    while (frame) {
        CFrameWnd* above = frame->GetParentFrame();
        if (!above)
            break;
        frame = above;
    }
    return frame;
}

CWnd* CWnd::GetWindow(UINT nCmd) const
{
    if (nCmd == GW_CHILD)
        return m_children.empty() ? nullptr : FromHandle(m_children.front());
    if (nCmd == GW_OWNER)
        return FromHandle(m_hWndOwner);
    CWnd* parent = (m_dwStyle & WS_CHILD) ? FromHandle(m_hWndParent) : nullptr;
    if (!parent)
        return nullptr;
    const auto& siblings = parent->m_children;
    auto self = std::find(siblings.begin(), siblings.end(), m_hWnd);
    switch (nCmd) {
    case GW_HWNDFIRST:
        return FromHandle(siblings.front());
    case GW_HWNDLAST:
        return FromHandle(siblings.back());
    case GW_HWNDNEXT:
        return self != siblings.end() && self + 1 != siblings.end() ? FromHandle(*(self + 1)) : nullptr;
    case GW_HWNDPREV:
        return self != siblings.end() && self != siblings.begin() ? FromHandle(*(self - 1)) : nullptr;
    default:
        return nullptr;
    }
}

BOOL CWnd::IsChild(const CWnd* pWnd) const
{
    if (!pWnd || !m_hWnd)
        return FALSE;
    for (const CWnd* wnd = pWnd; wnd && (wnd->m_dwStyle & WS_CHILD); wnd = FromHandle(wnd->m_hWndParent))
        if (wnd->m_hWndParent == m_hWnd)
            return TRUE;
    return FALSE;
}

CWnd* CWnd::GetDlgItem(int nID) const
{
    for (HWND hWnd : m_children) {
        CWnd* child = FromHandle(hWnd);
        if (child && child->m_nID == static_cast<UINT>(nID))
            return child;
    }
    return nullptr;
}

void CWnd::SetDlgItemText(int nID, LPCTSTR lpszString)
{
    if (CWnd* item = GetDlgItem(nID))
        item->SetWindowText(lpszString);
}

int CWnd::GetDlgItemText(int nID, CString& rString) const
{
    CWnd* item = GetDlgItem(nID);
    rString = item ? item->m_strWindowText : CString();
    return rString.GetLength();
}

void CWnd::CheckDlgButton(int nIDButton, UINT nCheck)
{
    if (CWnd* item = GetDlgItem(nIDButton))
        item->SendMessage(BM_SETCHECK, nCheck, 0);
}

UINT CWnd::IsDlgButtonChecked(int nIDButton) const
{
    CWnd* item = GetDlgItem(nIDButton);
    return item ? static_cast<UINT>(item->SendMessage(BM_GETCHECK, 0, 0)) : 0;
}

CWnd* CWnd::SetFocus()
{
    if (!m_hWnd)
        return nullptr;
    WindowRegistry& registry = Registry();
    HWND previous = registry.focus;
    if (previous == m_hWnd)
        return this;
    registry.focus = m_hWnd;
    if (CWnd* old = FromHandle(previous))
        old->SendMessage(WM_KILLFOCUS, reinterpret_cast<WPARAM>(m_hWnd), 0);
    if (registry.focus == m_hWnd)
        SendMessage(WM_SETFOCUS, reinterpret_cast<WPARAM>(previous), 0);
    NotifyChanged(WndFocus);
    return FromHandle(previous);
}

CWnd* CWnd::GetFocus() { return FromHandle(Registry().focus); }

HWND AfxGetFocusHandle() { return Registry().focus; }

int AfxGetWindowCount() { return static_cast<int>(Registry().windows.size()); }

RECT CWnd::NonClientInsets() const
{
    int frame = 0;
    if (m_dwStyle & WS_THICKFRAME)
        frame = GetSystemMetrics(SM_CXFRAME);
    else if ((m_dwStyle & WS_DLGFRAME) || (m_dwExStyle & WS_EX_DLGMODALFRAME))
        frame = GetSystemMetrics(SM_CXDLGFRAME);
    else if (m_dwStyle & WS_BORDER)
        frame = GetSystemMetrics(SM_CXBORDER);
    if (m_dwExStyle & WS_EX_CLIENTEDGE)
        frame += GetSystemMetrics(SM_CXEDGE);
    int caption = (m_dwStyle & WS_CAPTION) == WS_CAPTION ? GetSystemMetrics(SM_CYCAPTION) : 0;
    return RECT{frame, frame + caption, frame, frame};
}

void CWnd::SizeToClient(int cx, int cy)
{
    RECT insets = NonClientInsets();
    m_rect.right = m_rect.left + insets.left + cx + insets.right;
    m_rect.bottom = m_rect.top + insets.top + cy + insets.bottom;
    NotifyChanged(WndPosition);
}

CWnd* CWnd::FirstTabStop() const
{
    for (HWND hWnd : m_children) {
        CWnd* child = FromHandle(hWnd);
        if (child && (child->m_dwStyle & (WS_TABSTOP | WS_VISIBLE | WS_DISABLED)) == (WS_TABSTOP | WS_VISIBLE))
            return child;
    }
    return nullptr;
}

POINT CWnd::ClientOrigin() const
{
    RECT insets = NonClientInsets();
    POINT origin{m_rect.left + insets.left, m_rect.top + insets.top};
    if (CWnd* parent = (m_dwStyle & WS_CHILD) ? FromHandle(m_hWndParent) : nullptr) {
        POINT above = parent->ClientOrigin();
        origin.x += above.x;
        origin.y += above.y;
    }
    return origin;
}

void CWnd::MoveWindow(int x, int y, int nWidth, int nHeight, BOOL)
{
    m_rect = RECT{x, y, x + nWidth, y + nHeight};
    NotifyChanged(WndPosition);
}

void CWnd::MoveWindow(LPCRECT lpRect, BOOL bRepaint)
{
    MoveWindow(lpRect->left, lpRect->top, lpRect->right - lpRect->left, lpRect->bottom - lpRect->top, bRepaint);
}

BOOL CWnd::SetWindowPos(const CWnd*, int x, int y, int cx, int cy, UINT nFlags)
{
    if (!(nFlags & SWP_NOMOVE)) {
        int width = m_rect.right - m_rect.left;
        int height = m_rect.bottom - m_rect.top;
        m_rect = RECT{x, y, x + width, y + height};
    }
    if (!(nFlags & SWP_NOSIZE)) {
        m_rect.right = m_rect.left + cx;
        m_rect.bottom = m_rect.top + cy;
    }
    if (nFlags & SWP_SHOWWINDOW)
        m_dwStyle |= WS_VISIBLE;
    if (nFlags & SWP_HIDEWINDOW)
        m_dwStyle &= ~WS_VISIBLE;
    NotifyChanged(WndPosition | WndStyle);
    return TRUE;
}

void CWnd::GetWindowRect(LPRECT lpRect) const
{
    *lpRect = m_rect;
    if (CWnd* parent = (m_dwStyle & WS_CHILD) ? FromHandle(m_hWndParent) : nullptr)
        Offset(*lpRect, parent->ClientOrigin(), 1);
}

void CWnd::GetClientRect(LPRECT lpRect) const
{
    RECT insets = NonClientInsets();
    int width = (m_rect.right - m_rect.left) - insets.left - insets.right;
    int height = (m_rect.bottom - m_rect.top) - insets.top - insets.bottom;
    *lpRect = RECT{0, 0, std::max(width, 0), std::max(height, 0)};
}

void CWnd::ClientToScreen(LPPOINT lpPoint) const
{
    POINT origin = ClientOrigin();
    lpPoint->x += origin.x;
    lpPoint->y += origin.y;
}

void CWnd::ClientToScreen(LPRECT lpRect) const { Offset(*lpRect, ClientOrigin(), 1); }

void CWnd::ScreenToClient(LPPOINT lpPoint) const
{
    POINT origin = ClientOrigin();
    lpPoint->x -= origin.x;
    lpPoint->y -= origin.y;
}

void CWnd::ScreenToClient(LPRECT lpRect) const { Offset(*lpRect, ClientOrigin(), -1); }

void CWnd::CenterWindow(CWnd* pAlternateOwner)
{
    CWnd* around = pAlternateOwner ? pAlternateOwner : GetOwner();
    RECT area{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    if (around && around->IsWindowVisible())
        around->GetWindowRect(&area);
    int width = m_rect.right - m_rect.left;
    int height = m_rect.bottom - m_rect.top;
    POINT topLeft{(area.left + area.right - width) / 2, (area.top + area.bottom - height) / 2};
    if (CWnd* parent = (m_dwStyle & WS_CHILD) ? FromHandle(m_hWndParent) : nullptr)
        parent->ScreenToClient(&topLeft);
    SetWindowPos(nullptr, topLeft.x, topLeft.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
}

BOOL CWnd::GetWindowPlacement(WINDOWPLACEMENT* lpwndpl) const
{
    if (!lpwndpl || !m_hWnd)
        return FALSE;
    UINT show = m_bIconic ? SW_SHOWMINIMIZED : (m_bZoomed ? SW_SHOWMAXIMIZED : SW_SHOWNORMAL);
    *lpwndpl = WINDOWPLACEMENT{sizeof(WINDOWPLACEMENT), 0, show, POINT{0, 0}, POINT{0, 0}, m_rect};
    return TRUE;
}

void CWnd::UpdateWindow()
{
    if (m_hWnd)
        UiHost::Current().UpdateWindow(*this);
}

CMenu* CWnd::GetMenu() const { return CMenu::FromHandle(m_hMenu); }

BOOL CWnd::SetMenu(CMenu* pMenu)
{
    m_hMenu = pMenu ? pMenu->m_hMenu : nullptr;
    NotifyChanged(WndMenu);
    return TRUE;
}

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    auto& current = Registry().current;
    current.push_back(MSG{m_hWnd, message, wParam, lParam});
    LRESULT result = 0;
    try {
        result = DispatchProtected(message, wParam, lParam);
    } catch (...) {
        current.pop_back();
        throw;
    }
    current.pop_back();
    return result;
}

LRESULT CWnd::DispatchProtected(UINT message, WPARAM wParam, LPARAM lParam)
{
    try {
        return WindowProc(message, wParam, lParam);
    } catch (CUserException* e) {
        // The user has been told already.
        e->Delete();
    } catch (CException* e) {
        AfxReportException(e);
        e->Delete();
    }
    return message == WM_CREATE ? -1 : 0;
}

BOOL CWnd::PostMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (!m_hWnd)
        return FALSE;
    Registry().posted.push_back(PostedMessage{m_hWnd, message, wParam, lParam});
    return TRUE;
}

void CWnd::SendMessageToDescendants(UINT message, WPARAM wParam, LPARAM lParam, BOOL bDeep, BOOL bOnlyPerm)
{
    std::vector<HWND> children = m_children;
    for (HWND hWnd : children) {
        if (CWnd* child = FromHandle(hWnd)) {
            child->SendMessage(message, wParam, lParam);
            if (bDeep && (child = FromHandle(hWnd)))
                child->SendMessageToDescendants(message, wParam, lParam, bDeep, bOnlyPerm);
        }
    }
}

int CWnd::MessageBox(LPCTSTR lpszText, LPCTSTR lpszCaption, UINT nType)
{
    return AfxShowMessageBox(m_hWnd, lpszText, lpszCaption ? lpszCaption : AfxGetAppName(), nType);
}

BOOL CWnd::UpdateData(BOOL bSaveAndValidate)
{
    WindowRegistry& registry = Registry();
    // The controls' notifications to this window are not dispatched while data moves.
    HWND previousLockout = registry.lockoutNotify;
    registry.lockoutNotify = m_hWnd;
    CDataExchange dx(this, bSaveAndValidate);
    BOOL ok = TRUE;
    try {
        DoDataExchange(&dx);
    } catch (CUserException* e) {
        e->Delete();
        ok = FALSE;
    } catch (...) {
        registry.lockoutNotify = previousLockout;
        throw;
    }
    registry.lockoutNotify = previousLockout;
    return ok;
}

void CWnd::UpdateDialogControls(CCmdTarget* pTarget, BOOL bDisableIfNoHndler)
{
    std::vector<HWND> children = m_children;
    for (HWND hWnd : children) {
        CWnd* child = FromHandle(hWnd);
        if (!child)
            continue;
        UINT nID = child->m_nID;
        if (nID == 0 || nID == static_cast<UINT>(IDC_STATIC))
            continue;
        CCmdUI state;
        state.m_nID = nID;
        state.m_pOther = child;
        // This window's own handler comes first, without routing.
        if (CCmdTarget::OnCmdMsg(nID, static_cast<int>(CN_UPDATE_COMMAND_UI), &state, nullptr))
            continue;
        state.DoUpdate(pTarget, bDisableIfNoHndler && !IsAutoButton(*child));
    }
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT result = 0;
    if (!OnWndMsg(message, wParam, lParam, &result))
        result = DefWindowProc(message, wParam, lParam);
    return result;
}

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (message == WM_COMMAND) {
        if (!OnCommand(wParam, lParam))
            return FALSE;
        *pResult = 1;
        return TRUE;
    }
    if (message == WM_NOTIFY) {
        LRESULT result = 0;
        if (!OnNotify(wParam, lParam, &result))
            return FALSE;
        *pResult = result;
        return TRUE;
    }
    const AFX_MSGMAP_ENTRY* entry = FindMessageEntry(message);
    if (!entry)
        return FALSE;
    *pResult = entry->pfn(this, AFX_MSGARGS{0, wParam, lParam, nullptr});
    return TRUE;
}

LRESULT CWnd::Default()
{
    const auto& current = Registry().current;
    if (current.empty())
        return 0;
    MSG message = current.back();
    return DefWindowProc(message.message, message.wParam, message.lParam);
}

const MSG* CWnd::GetCurrentMessage()
{
    const auto& current = Registry().current;
    return current.empty() ? nullptr : &current.back();
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_SETTEXT:
        SetWindowTextDirect(reinterpret_cast<LPCTSTR>(lParam));
        return TRUE;
    case WM_GETTEXT:
        return GetWindowText(reinterpret_cast<LPTSTR>(lParam), static_cast<int>(wParam));
    case WM_GETTEXTLENGTH:
        return GetWindowTextLength();
    case WM_CLOSE:
        DestroyWindow();
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_CONTEXTMENU:
        // A child passes the request up to its parent.
        if (CWnd* parent = (m_dwStyle & WS_CHILD) ? GetParent() : nullptr)
            return parent->SendMessage(WM_CONTEXTMENU, wParam, lParam);
        return 0;
    default:
        return 0;
    }
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM lParam)
{
    UINT nID = LOWORD(wParam);
    int nCode = HIWORD(wParam);
    HWND hWndCtrl = reinterpret_cast<HWND>(lParam);
    if (!hWndCtrl) {
        if (nID >= AFX_FIRST_SYSTEM_COMMAND)
            return FALSE;
        // A menu or accelerator command that its update handler disables does nothing.
        CTestCmdUI state;
        state.m_nID = nID;
        OnCmdMsg(nID, static_cast<int>(CN_UPDATE_COMMAND_UI), &state, nullptr);
        if (!state.m_bEnabled)
            return TRUE;
        nCode = CN_COMMAND;
    } else {
        if (Registry().lockoutNotify == m_hWnd)
            return TRUE;
        CWnd* control = FromHandle(hWndCtrl);
        if (control && control->OnChildNotify(WM_COMMAND, wParam, lParam, nullptr))
            return TRUE;
    }
    return OnCmdMsg(nID, nCode, nullptr, nullptr);
}

BOOL CWnd::OnNotify(WPARAM, LPARAM lParam, LRESULT* pResult)
{
    NMHDR* header = reinterpret_cast<NMHDR*>(lParam);
    if (!header)
        return FALSE;
    AFX_NOTIFY notify{pResult, header};
    return OnCmdMsg(static_cast<UINT>(header->idFrom), MAKELONG(header->code, WM_NOTIFY), &notify, nullptr);
}

BOOL CWnd::OnChildNotify(UINT message, WPARAM wParam, LPARAM, LRESULT*)
{
    if (message != WM_COMMAND)
        return FALSE;
    return CCmdTarget::OnCmdMsg(0, MAKELONG(HIWORD(wParam), WM_REFLECT_BASE + WM_COMMAND), nullptr, nullptr);
}

void CWnd::NotifyParent(UINT nCode)
{
    CWnd* parent = (m_hWnd && (m_dwStyle & WS_CHILD)) ? GetParent() : nullptr;
    if (parent)
        parent->SendMessage(WM_COMMAND, MAKEWPARAM(m_nID, nCode), reinterpret_cast<LPARAM>(m_hWnd));
}

LRESULT CWnd::NotifyParentNotify(UINT nCode)
{
    CWnd* parent = (m_hWnd && (m_dwStyle & WS_CHILD)) ? GetParent() : nullptr;
    if (!parent)
        return 0;
    NMHDR header{m_hWnd, m_nID, nCode};
    return parent->SendMessage(WM_NOTIFY, m_nID, reinterpret_cast<LPARAM>(&header));
}

void CWnd::NotifyChanged(UINT aspects)
{
    if (m_hWnd)
        UiHost::Current().WindowChanged(*this, aspects);
}

int AfxPumpPostedMessages()
{
    auto& posted = Registry().posted;
    int count = 0;
    while (!posted.empty()) {
        PostedMessage message = posted.front();
        posted.pop_front();
        if (CWnd* wnd = CWnd::FromHandle(message.hWnd)) {
            wnd->SendMessage(message.message, message.wParam, message.lParam);
            ++count;
        }
    }
    return count;
}

LRESULT SendMessage(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    CWnd* wnd = CWnd::FromHandle(hWnd);
    return wnd ? wnd->SendMessage(message, wParam, lParam) : 0;
}

BOOL PostMessage(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    CWnd* wnd = CWnd::FromHandle(hWnd);
    return wnd ? wnd->PostMessage(message, wParam, lParam) : FALSE;
}

BOOL IsWindow(HWND hWnd) { return CWnd::FromHandle(hWnd) != nullptr; }

LONG GetWindowLong(HWND hWnd, int nIndex)
{
    CWnd* wnd = CWnd::FromHandle(hWnd);
    if (!wnd)
        return 0;
    switch (nIndex) {
    case GWL_STYLE:
        return static_cast<LONG>(wnd->GetStyle());
    case GWL_EXSTYLE:
        return static_cast<LONG>(wnd->GetExStyle());
    case GWL_ID:
        return wnd->GetDlgCtrlID();
    default:
        return 0;
    }
}

int GetSystemMetrics(int nIndex)
{
    switch (nIndex) {
    case SM_CXSCREEN:
        return 1280;
    case SM_CYSCREEN:
        return 1024;
    case SM_CXVSCROLL:
    case SM_CYHSCROLL:
    case SM_CXHTHUMB:
        return 17;
    case SM_CYCAPTION:
        return 19;
    case SM_CXBORDER:
    case SM_CYBORDER:
        return 1;
    case SM_CXEDGE:
    case SM_CYEDGE:
        return 2;
    case SM_CXDLGFRAME:
    case SM_CYDLGFRAME:
        return 3;
    case SM_CXFRAME:
    case SM_CYFRAME:
        return 4;
    default:
        return 0;
    }
}
