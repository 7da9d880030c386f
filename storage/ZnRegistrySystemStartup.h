// The signed-in user as the maker's programs share it below HKEY_CURRENT_USER: four REG_SZ
// values (code, name, given name, terminal) and the user's rights as a REG_DWORD.
#pragma once

#include "storage/ZnRegistry.h"

class ZnRegistrySystemStartup : public ZnRegistry {
    DECLARE_DYNAMIC(ZnRegistrySystemStartup)
public:
    static const int kTextCount = 4;
    // The rights before they are set or read.
    static const DWORD kNoRights = 0xFFFFFFFF;

    ZnRegistrySystemStartup(LPCTSTR key, LPCTSTR codeName, LPCTSTR nameName, LPCTSTR firstNameName,
                            LPCTSTR terminalName, LPCTSTR rightsName);

    // A text name stores the text; the rights' name takes the text as up to eight hex digits
    // (kNoRights for a null text or one without them).
    BOOL SetValue(LPCTSTR name, LPCTSTR text) override;
    BOOL SetDwordValue(LPCTSTR name, DWORD value) override;
    // The rights as text are eight lower-case hex digits ("%8.8x").
    BOOL GetValue(LPCTSTR name, CString& text) override;
    BOOL GetDwordValue(LPCTSTR name, DWORD& value) override;
    int GetValueNames(CStringList& names) override;
    // Empties the texts and reads all five values; the rights change only when they can be read.
    BOOL Read() override;
    BOOL Write() override;

private:
    bool IsRightsName(LPCTSTR name) const { return IndexOfName(&m_strRightsName, 1, name) == 0; }

    CString m_strNames[kTextCount];
    CString m_strValues[kTextCount];
    CString m_strRightsName;
    DWORD m_dwRights = kNoRights;
};
