#include "storage/ZnAppRegObject.h"

#include "platform/files/WinDrive.h"

IMPLEMENT_DYNAMIC(ZnAppRegObject, ZnRegistry)

const char kAppPosSubKey[] = "Norva\\Zadazez\\App\\6.00.0.1\\AppPos";
const char kInstallPathValueName[] = "ZnApp";

BOOL GetInstallPath(CString& path)
{
    ZnRegKey key;
    if (key.Open(HKEY_LOCAL_MACHINE, CString("SOFTWARE\\") + kAppPosSubKey, KEY_ALL_ACCESS) != ERROR_SUCCESS)
        return 0;
    return ZnRegistry::QueryText(key, kInstallPathValueName, path) ? 1 : 0;
}

ZnAppRegObject::ZnAppRegObject(LPCTSTR subKey, LPCTSTR name1, LPCTSTR name2, LPCTSTR name3, LPCTSTR name4,
                               LPCTSTR name5)
    : ZnRegistry(nullptr, subKey, HKEY_LOCAL_MACHINE), m_strNames{name1, name2, name3, name4, name5}
{
}

CString ZnAppRegObject::DefaultOutputFolder()
{
    for (char letter = 'A'; letter <= 'Z'; ++letter) {
        CString root = CString(letter) + ":\\";
        UINT type = GetDriveTypeA(root);
        if (type >= DRIVE_REMOVABLE && type <= DRIVE_RAMDISK)
            return root;
    }
    return CString();
}

BOOL ZnAppRegObject::Read()
{
    ZnRegKey key;
    m_strValues[kOutputIndex].Empty();
    if (!ReadTexts(key, m_strNames, m_strValues, kOutputIndex))
        return 0;
    // Only a value that could be read replaces the default: one too long for the buffer or of
    // another type leaves no half-read text behind.
    CString stored;
    m_strValues[kOutputIndex] = QueryText(key, m_strNames[kOutputIndex], stored) ? stored : DefaultOutputFolder();
    return 1;
}

BOOL ZnAppRegObject::Write()
{
    ZnRegKey key;
    return WriteTexts(key, m_strNames, m_strValues, kValueCount);
}
