// The data folders of the maker's whole product line: eleven REG_SZ values, by default below
// HKEY_CURRENT_USER (the code-table manager moves them below HKEY_LOCAL_MACHINE).
#pragma once

#include "storage/ZnRegistry.h"

class ZnRegistryDataLocation : public ZnRegistry {
    DECLARE_DYNAMIC(ZnRegistryDataLocation)
public:
    static const int kFolderCount = 11;
    // The names in their order: "ComTblPath", "AppPath", ... "OcrDataPath".
    static const LPCTSTR kFolderNames[kFolderCount];

    // names: kFolderCount value names, in the order of the folders.
    ZnRegistryDataLocation(LPCTSTR key, const LPCTSTR* names);

    // Stores the folder of that name, with a "\" appended when it is not empty and does not end
    // with one.
    BOOL SetValue(LPCTSTR name, LPCTSTR text) override;
    BOOL SetDwordValue(LPCTSTR name, DWORD value) override { return 0; }
    BOOL GetValue(LPCTSTR name, CString& text) override;
    BOOL GetDwordValue(LPCTSTR name, DWORD& value) override { return 0; }
    int GetValueNames(CStringList& names) override { return ListNames(m_strNames, kFolderCount, names); }
    // Reads the folders as they are stored.
    BOOL Read() override;
    BOOL Write() override;

private:
    CString m_strNames[kFolderCount];
    CString m_strFolders[kFolderCount];
};
