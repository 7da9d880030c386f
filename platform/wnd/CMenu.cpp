#include "platform/wnd/CMenu.h"

#include "platform/wnd/CWnd.h"
#include "platform/wnd/Resources.h"
#include "platform/wnd/UiHost.h"

#include <memory>
#include <vector>

IMPLEMENT_DYNCREATE(CMenu, CObject)

struct MenuNode;

struct MenuItem {
    UINT id = 0;
    CString text;
    UINT flags = 0;
    MenuNode* popup = nullptr; // owned
};

struct MenuNode {
    std::vector<MenuItem> items;
    std::unique_ptr<CMenu> wrapper;

    ~MenuNode()
    {
        for (MenuItem& item : items)
            delete item.popup;
        if (wrapper)
            wrapper->m_hMenu = nullptr;
    }
    CMenu* Wrapper()
    {
        if (!wrapper) {
            wrapper = std::make_unique<CMenu>();
            wrapper->m_hMenu = reinterpret_cast<HMENU>(this);
            wrapper->m_bWrapper = true;
        }
        return wrapper.get();
    }
};

namespace {
MenuNode* Node(HMENU menu) { return reinterpret_cast<MenuNode*>(menu); }

void AddItems(MenuNode& node, const MenuItemResource* items, size_t count)
{
    for (size_t i = 0; i < count; ++i) {
        MenuItem item;
        item.id = items[i].id;
        item.text = AfxResourceText(items[i].text);
        item.flags = items[i].flags;
        if (items[i].items) {
            item.flags |= MF_POPUP;
            item.popup = new MenuNode;
            AddItems(*item.popup, items[i].items, items[i].itemCount);
        }
        node.items.push_back(item);
    }
}

// The item named by position (MF_BYPOSITION) or by command, searched through the popups.
MenuItem* FindItem(MenuNode* node, UINT which, UINT flags)
{
    if (!node)
        return nullptr;
    if (flags & MF_BYPOSITION)
        return which < node->items.size() ? &node->items[which] : nullptr;
    for (MenuItem& item : node->items) {
        if (item.popup) {
            if (MenuItem* found = FindItem(item.popup, which, flags))
                return found;
        } else if (!(item.flags & MF_SEPARATOR) && item.id == which) {
            return &item;
        }
    }
    return nullptr;
}

UINT ChangeFlags(MenuNode* node, UINT which, UINT flags, UINT mask)
{
    MenuItem* item = FindItem(node, which, flags);
    if (!item)
        return static_cast<UINT>(-1);
    UINT previous = item->flags & mask;
    item->flags = (item->flags & ~mask) | (flags & mask);
    return previous;
}
} // namespace

HMENU AfxLoadMenu(UINT nIDResource)
{
    const MenuResource* resource = AfxFindMenuResource(nIDResource);
    if (!resource)
        return nullptr;
    MenuNode* node = new MenuNode;
    AddItems(*node, resource->items, resource->itemCount);
    return reinterpret_cast<HMENU>(node);
}

BOOL DestroyMenu(HMENU hMenu)
{
    if (!hMenu)
        return FALSE;
    delete Node(hMenu);
    return TRUE;
}

CMenu::~CMenu()
{
    if (!m_bWrapper)
        DestroyMenu();
}

BOOL CMenu::LoadMenu(UINT nIDResource) { return Attach(AfxLoadMenu(nIDResource)); }

BOOL CMenu::CreateMenu() { return Attach(reinterpret_cast<HMENU>(new MenuNode)); }

BOOL CMenu::CreatePopupMenu() { return CreateMenu(); }

BOOL CMenu::DestroyMenu()
{
    HMENU menu = Detach();
    return ::DestroyMenu(menu);
}

BOOL CMenu::Attach(HMENU hMenu)
{
    if (!hMenu || m_hMenu)
        return FALSE;
    m_hMenu = hMenu;
    return TRUE;
}

HMENU CMenu::Detach()
{
    HMENU menu = m_hMenu;
    m_hMenu = nullptr;
    return menu;
}

CMenu* CMenu::FromHandle(HMENU hMenu) { return hMenu ? Node(hMenu)->Wrapper() : nullptr; }

UINT CMenu::GetMenuItemCount() const
{
    return m_hMenu ? static_cast<UINT>(Node(m_hMenu)->items.size()) : static_cast<UINT>(-1);
}

UINT CMenu::GetMenuItemID(int nPos) const
{
    const MenuItem* item = FindItem(Node(m_hMenu), static_cast<UINT>(nPos), MF_BYPOSITION);
    if (!item || item->popup)
        return static_cast<UINT>(-1);
    return (item->flags & MF_SEPARATOR) ? 0 : item->id;
}

CMenu* CMenu::GetSubMenu(int nPos) const
{
    const MenuItem* item = FindItem(Node(m_hMenu), static_cast<UINT>(nPos), MF_BYPOSITION);
    return item && item->popup ? item->popup->Wrapper() : nullptr;
}

int CMenu::GetMenuString(UINT nIDItem, CString& rString, UINT nFlags) const
{
    const MenuItem* item = FindItem(Node(m_hMenu), nIDItem, nFlags);
    rString = item ? item->text : CString();
    return rString.GetLength();
}

UINT CMenu::GetMenuState(UINT nID, UINT nFlags) const
{
    const MenuItem* item = FindItem(Node(m_hMenu), nID, nFlags);
    return item ? item->flags : static_cast<UINT>(-1);
}

UINT CMenu::EnableMenuItem(UINT nIDEnableItem, UINT nEnable)
{
    return ChangeFlags(Node(m_hMenu), nIDEnableItem, nEnable, MF_GRAYED | MF_DISABLED);
}

UINT CMenu::CheckMenuItem(UINT nIDCheckItem, UINT nCheck)
{
    return ChangeFlags(Node(m_hMenu), nIDCheckItem, nCheck, MF_CHECKED);
}

BOOL CMenu::AppendMenu(UINT nFlags, UINT_PTR nIDNewItem, LPCTSTR lpszNewItem)
{
    if (!m_hMenu)
        return FALSE;
    MenuItem item;
    item.flags = nFlags & ~MF_BYPOSITION;
    item.text = lpszNewItem;
    if (nFlags & MF_POPUP) {
        // The popup menu changes hands: it is destroyed with this one.
        item.popup = Node(reinterpret_cast<HMENU>(nIDNewItem));
        if (!item.popup)
            return FALSE;
    } else {
        item.id = static_cast<UINT>(nIDNewItem);
    }
    Node(m_hMenu)->items.push_back(item);
    return TRUE;
}

BOOL CMenu::ModifyMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem, LPCTSTR lpszNewItem)
{
    MenuItem* item = FindItem(Node(m_hMenu), nPosition, nFlags);
    if (!item)
        return FALSE;
    item->text = lpszNewItem;
    if (!item->popup)
        item->id = static_cast<UINT>(nIDNewItem);
    return TRUE;
}

BOOL CMenu::TrackPopupMenu(UINT nFlags, int x, int y, CWnd* pWnd, LPCRECT lpRect)
{
    if (!m_hMenu || !pWnd || !pWnd->m_hWnd)
        return FALSE;
    pWnd->SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(m_hMenu), MAKELPARAM(0, FALSE));
    UINT chosen = UiHost::Current().TrackPopupMenu(*this, nFlags, x, y, *pWnd);
    if (nFlags & TPM_RETURNCMD)
        return static_cast<BOOL>(chosen);
    if (chosen)
        pWnd->PostMessage(WM_COMMAND, chosen, 0);
    return TRUE;
}
