#include "storage/ZnRegistrySystemStartup.h"

#include <cstdio>

IMPLEMENT_DYNAMIC(ZnRegistrySystemStartup, ZnRegistry)

ZnRegistrySystemStartup::ZnRegistrySystemStartup(LPCTSTR key, LPCTSTR codeName, LPCTSTR nameName,
                                                 LPCTSTR firstNameName, LPCTSTR terminalName, LPCTSTR rightsName)
    : ZnRegistry(nullptr, key, HKEY_CURRENT_USER), m_strNames{codeName, nameName, firstNameName, terminalName},
      m_strRightsName(rightsName)
{
}

BOOL ZnRegistrySystemStartup::SetValue(LPCTSTR name, LPCTSTR text)
{
    if (IsRightsName(name)) {
        unsigned int scanned = 0;
        m_dwRights = text && std::sscanf(text, "%8x", &scanned) == 1 ? scanned : kNoRights;
        return 1;
    }
    int index = IndexOfName(m_strNames, kTextCount, name);
    if (index < 0)
        return 0;
    m_strValues[index] = text;
    return 1;
}

BOOL ZnRegistrySystemStartup::SetDwordValue(LPCTSTR name, DWORD value)
{
    if (!IsRightsName(name))
        return 0;
    m_dwRights = value;
    return 1;
}

BOOL ZnRegistrySystemStartup::GetValue(LPCTSTR name, CString& text)
{
    if (IsRightsName(name)) {
        text.Format("%8.8x", m_dwRights);
        return 1;
    }
    int index = IndexOfName(m_strNames, kTextCount, name);
    if (index < 0)
        return 0;
    text = m_strValues[index];
    return 1;
}

BOOL ZnRegistrySystemStartup::GetDwordValue(LPCTSTR name, DWORD& value)
{
    if (!IsRightsName(name))
        return 0;
    value = m_dwRights;
    return 1;
}

int ZnRegistrySystemStartup::GetValueNames(CStringList& names)
{
    ListNames(m_strNames, kTextCount, names);
    names.AddTail(m_strRightsName);
    return names.GetCount();
}

BOOL ZnRegistrySystemStartup::Read()
{
    ZnRegKey key;
    if (!ReadTexts(key, m_strNames, m_strValues, kTextCount))
        return 0;
    key.QueryValue(m_dwRights, m_strRightsName); // changes the rights only when they can be read
    return 1;
}

BOOL ZnRegistrySystemStartup::Write()
{
    ZnRegKey key;
    if (!WriteTexts(key, m_strNames, m_strValues, kTextCount))
        return 0;
    key.SetValue(m_dwRights, m_strRightsName);
    return 1;
}
