// The application's five folders below HKEY_LOCAL_MACHINE\SOFTWARE\<sub key>: five REG_SZ
// values, read and set directly through the public members.
#pragma once

#include "storage/ZnRegistry.h"

// The key of the folders below SOFTWARE, and the name of the application (install) folder's value.
extern const char kAppPosSubKey[];
extern const char kInstallPathValueName[];

// Reads the application (install) folder: 1 and the folder when the key opens and the value can
// be read, else 0 with path unchanged.
BOOL GetInstallPath(CString& path);

class ZnAppRegObject : public ZnRegistry {
    DECLARE_DYNAMIC(ZnAppRegObject)
public:
    static const int kValueCount = 5;
    // The fifth value is the output drive or folder, with a default when it is missing.
    static const int kOutputIndex = 4;

    ZnAppRegObject(LPCTSTR subKey, LPCTSTR name1, LPCTSTR name2, LPCTSTR name3, LPCTSTR name4, LPCTSTR name5);

    // Empties the five values and reads them; a missing value stays empty, except the fifth,
    // which then takes DefaultOutputFolder(). 0 (every value empty) when the key is missing.
    BOOL Read() override;
    // Stores the five values as REG_SZ; 0 when the key cannot be created.
    BOOL Write() override;

    // The root of the first drive from A: to Z: that is present (removable, fixed, remote, CD-ROM
    // or RAM disk), as "A:\"; empty when there is none.
    static CString DefaultOutputFolder();

    CString m_strNames[kValueCount];
    CString m_strValues[kValueCount];
};
