// Menus: a tree of items behind an HMENU, built from a menu resource or item by item. CMenu
// wraps a handle; a CMenu that loaded or created its menu destroys it with itself, while the
// wrappers that FromHandle and GetSubMenu return belong to the menu.
#pragma once

#include "platform/core/CObject.h"
#include "platform/core/CString.h"
#include "platform/wnd/WinUser.h"

class CWnd;

class CMenu : public CObject {
public:
    DECLARE_DYNCREATE(CMenu)
    CMenu() = default;
    ~CMenu() override;

    BOOL LoadMenu(UINT nIDResource);
    BOOL CreateMenu();
    BOOL CreatePopupMenu();
    BOOL DestroyMenu();
    BOOL Attach(HMENU hMenu);
    HMENU Detach();
    HMENU GetSafeHmenu() const { return m_hMenu; }
    // The wrapper of a menu handle (kept with the menu), or null.
    static CMenu* FromHandle(HMENU hMenu);

    // (UINT)-1 without a menu.
    UINT GetMenuItemCount() const;
    // The command of the item at nPos: 0 for a separator, (UINT)-1 for a popup or no item.
    UINT GetMenuItemID(int nPos) const;
    CMenu* GetSubMenu(int nPos) const;
    int GetMenuString(UINT nIDItem, CString& rString, UINT nFlags) const;
    // The item's MF_ flags, or (UINT)-1 when there is no such item.
    UINT GetMenuState(UINT nID, UINT nFlags) const;
    // These return the item's previous state, or (UINT)-1 when there is no such item.
    UINT EnableMenuItem(UINT nIDEnableItem, UINT nEnable);
    UINT CheckMenuItem(UINT nIDCheckItem, UINT nCheck);
    BOOL AppendMenu(UINT nFlags, UINT_PTR nIDNewItem = 0, LPCTSTR lpszNewItem = nullptr);
    // Changes the text of an item (and its command, unless it opens a popup).
    BOOL ModifyMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem = 0, LPCTSTR lpszNewItem = nullptr);
    // Lets pWnd update the items (WM_INITMENUPOPUP), then asks the user-interface host for a
    // choice. With TPM_RETURNCMD the chosen command is returned; otherwise it is posted to
    // pWnd as WM_COMMAND and the result is TRUE.
    BOOL TrackPopupMenu(UINT nFlags, int x, int y, CWnd* pWnd, LPCRECT lpRect = nullptr);

    HMENU m_hMenu = nullptr;

private:
    bool m_bWrapper = false; // a wrapper kept by the menu itself: never destroys it
    friend struct MenuNode;
};

// A menu loaded from the resource tables, or null when there is none of that id.
HMENU AfxLoadMenu(UINT nIDResource);
BOOL DestroyMenu(HMENU hMenu);
