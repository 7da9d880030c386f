// The items that a wx list box or choice shows, set again only when the object's items differ
// from them (setting items redraws the list and loses its scrolling).
#pragma once

#include "platform/core/CString.h"

#include <vector>

class wxItemContainer;

class WxShownItems {
public:
    void Mirror(wxItemContainer& container, const std::vector<CString>& items);

private:
    std::vector<CString> m_items;
};
