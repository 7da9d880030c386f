#include "storage/ZnRegistryStartup.h"

#include "storage/ZnPlacementText.h"

IMPLEMENT_DYNAMIC(ZnRegistryStartup, ZnRegistry)

namespace {
const char kSeparator = ':';
}

ZnRegistryStartup::ZnRegistryStartup(LPCTSTR valueName, LPCTSTR)
    : ZnRegistry(nullptr, valueName, HKEY_CURRENT_USER), m_strValueName(valueName)
{
}

void ZnRegistryStartup::TakePlacement(LPCTSTR text)
{
    m_pPlacement = std::make_unique<WINDOWPLACEMENT>(ParsePlacementText(text, kSeparator));
}

BOOL ZnRegistryStartup::SetValue(LPCTSTR name, LPCTSTR text)
{
    if (IndexOfName(&m_strValueName, 1, name) < 0)
        return 0;
    TakePlacement(text);
    return 1;
}

BOOL ZnRegistryStartup::GetValue(LPCTSTR name, CString& text)
{
    if (IndexOfName(&m_strValueName, 1, name) < 0)
        return 0;
    text = m_pPlacement ? FormatPlacementText(*m_pPlacement, kSeparator) : CString();
    return 1;
}

BOOL ZnRegistryStartup::Read()
{
    m_pPlacement.reset();
    ZnRegKey key;
    if (!OpenKey(key))
        return 0;
    CString text;
    if (QueryText(key, m_strValueName, text) && !text.IsEmpty())
        TakePlacement(text);
    return 1;
}

BOOL ZnRegistryStartup::Write()
{
    ZnRegKey key;
    if (!m_pPlacement || !CreateKey(key))
        return 0;
    key.SetValue(FormatPlacementText(*m_pPlacement, kSeparator), m_strValueName);
    return 1;
}
