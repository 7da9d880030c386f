#include "platform/wnd/CButton.h"

IMPLEMENT_DYNAMIC(CButton, CWnd)

BOOL CButton::Create(LPCTSTR lpszCaption, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return CWnd::Create("BUTTON", lpszCaption, dwStyle, rect, pParentWnd, nID);
}

BOOL CButton::IsRadio() const
{
    DWORD type = GetStyle() & BS_TYPEMASK;
    return type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON;
}

void CButton::SetCheck(int nCheck) { SendMessage(BM_SETCHECK, static_cast<WPARAM>(nCheck), 0); }

void CButton::ApplyCheck(int nCheck)
{
    if (m_nCheck == nCheck)
        return;
    m_nCheck = nCheck;
    NotifyChanged(WndCheck);
}

void CButton::Click()
{
    if (!IsWindowEnabled())
        return;
    switch (GetStyle() & BS_TYPEMASK) {
    case BS_AUTOCHECKBOX:
        ApplyCheck(m_nCheck == BST_CHECKED ? BST_UNCHECKED : BST_CHECKED);
        break;
    case BS_AUTO3STATE:
        ApplyCheck((m_nCheck + 1) % 3);
        break;
    case BS_AUTORADIOBUTTON:
        for (CButton* other : AfxRadioGroup(this))
            if (other != this && (other->GetStyle() & BS_TYPEMASK) == BS_AUTORADIOBUTTON)
                other->ApplyCheck(BST_UNCHECKED);
        ApplyCheck(BST_CHECKED);
        break;
    default:
        break;
    }
    NotifyParent(BN_CLICKED);
}

LRESULT CButton::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case BM_GETCHECK:
        return m_nCheck;
    case BM_SETCHECK:
        ApplyCheck(static_cast<int>(wParam));
        return 0;
    case BM_CLICK:
        Click();
        return 0;
    default:
        return CWnd::DefWindowProc(message, wParam, lParam);
    }
}

void CButton::CopyControlState(const CWnd& from)
{
    if (const CButton* button = dynamic_cast<const CButton*>(&from))
        m_nCheck = button->m_nCheck;
}

std::vector<CButton*> AfxRadioGroup(CWnd* member)
{
    std::vector<CButton*> group;
    if (!member)
        return group;
    CWnd* start = member;
    while (!(start->GetStyle() & WS_GROUP)) {
        CWnd* previous = start->GetWindow(GW_HWNDPREV);
        if (!previous)
            break;
        start = previous;
    }
    for (CWnd* wnd = start; wnd; wnd = wnd->GetWindow(GW_HWNDNEXT)) {
        if (wnd != start && (wnd->GetStyle() & WS_GROUP))
            break;
        CButton* button = dynamic_cast<CButton*>(wnd);
        if (button && button->IsRadio())
            group.push_back(button);
    }
    return group;
}
