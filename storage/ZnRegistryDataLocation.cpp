#include "storage/ZnRegistryDataLocation.h"

#include "platform/files/WinPath.h"

IMPLEMENT_DYNAMIC(ZnRegistryDataLocation, ZnRegistry)

const LPCTSTR ZnRegistryDataLocation::kFolderNames[kFolderCount] = {
    "ComTblPath", "AppPath",          "ReceptPath",          "RegistPath",    "DbMngPath",   "DbViewPath",
    "LocalPath",  "AppObjectMngPath", "ReceptObjectMngPath", "DbMngDataPath", "OcrDataPath",
};

ZnRegistryDataLocation::ZnRegistryDataLocation(LPCTSTR key, const LPCTSTR* names)
    : ZnRegistry(nullptr, key, HKEY_CURRENT_USER)
{
    for (int i = 0; i < kFolderCount; ++i)
        m_strNames[i] = names[i];
}

BOOL ZnRegistryDataLocation::SetValue(LPCTSTR name, LPCTSTR text)
{
    int index = IndexOfName(m_strNames, kFolderCount, name);
    if (index < 0)
        return 0;
    // The last character decides, not the last byte: a name ending in 表 or ソ ends with the
    // byte 0x5C and still needs its "\".
    CString folder = text;
    if (!folder.IsEmpty() && !EndsWithBackslash(folder))
        folder += '\\';
    m_strFolders[index] = folder;
    return 1;
}

BOOL ZnRegistryDataLocation::GetValue(LPCTSTR name, CString& text)
{
    int index = IndexOfName(m_strNames, kFolderCount, name);
    if (index < 0)
        return 0;
    text = m_strFolders[index];
    return 1;
}

BOOL ZnRegistryDataLocation::Read()
{
    ZnRegKey key;
    return ReadTexts(key, m_strNames, m_strFolders, kFolderCount);
}

BOOL ZnRegistryDataLocation::Write()
{
    ZnRegKey key;
    return WriteTexts(key, m_strNames, m_strFolders, kFolderCount);
}
