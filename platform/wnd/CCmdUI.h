// The state of one user-interface element of a command (a menu item or a control) while its
// update handler runs: the handler enables, checks or relabels it through this object.
#pragma once

#include "platform/wnd/CCmdTarget.h"

class CMenu;
class CWnd;

class CCmdUI {
public:
    virtual ~CCmdUI() = default;

    virtual void Enable(BOOL bOn = TRUE);
    virtual void SetCheck(int nCheck = 1);
    virtual void SetRadio(BOOL bOn = TRUE) { SetCheck(bOn ? 1 : 0); }
    virtual void SetText(LPCTSTR lpszText);
    // Lets the route go on to the next target after this handler.
    void ContinueRouting() { m_bContinueRouting = TRUE; }

    // Asks target's route for an update handler. When none enables or disables the element
    // and bDisableIfNoHndler is set, the element is enabled exactly when the route has a
    // command handler for it. Returns whether an update handler ran.
    BOOL DoUpdate(CCmdTarget* pTarget, BOOL bDisableIfNoHndler);

    UINT m_nID = 0;
    UINT m_nIndex = 0;           // position in m_pMenu
    CMenu* m_pMenu = nullptr;    // the menu holding the item, or null
    CMenu* m_pSubMenu = nullptr; // the popup the item opens, or null
    CWnd* m_pOther = nullptr;    // the control, or null
    UINT m_nIndexMax = 0;
    BOOL m_bEnableChanged = FALSE;
    BOOL m_bContinueRouting = FALSE;
};
