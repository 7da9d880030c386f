#include "platform/ui/WxShownItems.h"

#include "platform/ui/WxText.h"

#include <wx/ctrlsub.h>

void WxShownItems::Mirror(wxItemContainer& container, const std::vector<CString>& items)
{
    if (items == m_items)
        return;
    container.Set(WxText::ToWx(items));
    m_items = items;
}
