#include "platform/core/CMapStringToOb.h"

IMPLEMENT_DYNAMIC(CMapStringToOb, CObject)

BOOL CMapStringToOb::Lookup(LPCTSTR key, CObject*& value) const
{
    auto found = m_map.find(key);
    if (found == m_map.end())
        return FALSE;
    value = found->second;
    return TRUE;
}

// A position is the entry's address; the end of the map is null.
POSITION CMapStringToOb::GetStartPosition() const
{
    return m_map.empty() ? nullptr : reinterpret_cast<POSITION>(const_cast<std::pair<const std::string, CObject*>*>(&*m_map.begin()));
}

void CMapStringToOb::GetNextAssoc(POSITION& pos, CString& key, CObject*& value) const
{
    auto* entry = reinterpret_cast<std::pair<const std::string, CObject*>*>(pos);
    key = CString(entry->first);
    value = entry->second;
    auto next = m_map.upper_bound(entry->first);
    pos = next == m_map.end() ? nullptr : reinterpret_cast<POSITION>(const_cast<std::pair<const std::string, CObject*>*>(&*next));
}
