#include "storage/ZnRegistry.h"

IMPLEMENT_DYNAMIC(ZnRegistry, VhObject)

ZnRegistry::ZnRegistry(LPCTSTR companyKey, LPCTSTR key, HKEY rootKey)
    : m_hRootKey(rootKey), m_strCompanyKey(companyKey), m_strKey(key)
{
}

BOOL ZnRegistry::SetValue(LPCTSTR, LPCTSTR) { return 1; }

BOOL ZnRegistry::SetDwordValue(LPCTSTR, DWORD) { return 1; }

BOOL ZnRegistry::GetValue(LPCTSTR, CString&) { return 1; }

BOOL ZnRegistry::GetDwordValue(LPCTSTR, DWORD&) { return 1; }

int ZnRegistry::GetValueNames(CStringList& names)
{
    names.RemoveAll();
    return 0;
}

CString ZnRegistry::GetKeyPath() const
{
    CString path = m_hRootKey == HKEY_LOCAL_MACHINE ? "SOFTWARE" : "software";
    if (!m_strCompanyKey.IsEmpty())
        path += "\\" + m_strCompanyKey;
    if (!m_strKey.IsEmpty())
        path += "\\" + m_strKey;
    return path;
}

BOOL ZnRegistry::OpenKey(ZnRegKey& key) const
{
    return key.Open(m_hRootKey, GetKeyPath(), KEY_ALL_ACCESS) == ERROR_SUCCESS;
}

BOOL ZnRegistry::CreateKey(ZnRegKey& key) const
{
    return key.Create(m_hRootKey, GetKeyPath(), nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr,
                      nullptr) == ERROR_SUCCESS;
}

BOOL ZnRegistry::QueryText(ZnRegKey& key, LPCTSTR name, CString& text)
{
    char buffer[kTextBufferSize] = {};
    DWORD size = kTextBufferSize;
    if (key.QueryValue(buffer, name, &size) != ERROR_SUCCESS)
        return FALSE;
    text = buffer;
    return TRUE;
}

int ZnRegistry::IndexOfName(const CString* names, int count, LPCTSTR name)
{
    for (int i = 0; name && i < count; ++i)
        if (names[i].Compare(name) == 0)
            return i;
    return -1;
}

int ZnRegistry::ListNames(const CString* names, int count, CStringList& list)
{
    list.RemoveAll();
    for (int i = 0; i < count; ++i)
        list.AddTail(names[i]);
    return count;
}

BOOL ZnRegistry::ReadTexts(ZnRegKey& key, const CString* names, CString* values, int count) const
{
    for (int i = 0; i < count; ++i)
        values[i].Empty();
    if (!OpenKey(key))
        return 0;
    for (int i = 0; i < count; ++i)
        QueryText(key, names[i], values[i]);
    return 1;
}

BOOL ZnRegistry::WriteTexts(ZnRegKey& key, const CString* names, const CString* values, int count) const
{
    if (!CreateKey(key))
        return 0;
    for (int i = 0; i < count; ++i)
        key.SetValue(values[i], names[i]);
    return 1;
}
