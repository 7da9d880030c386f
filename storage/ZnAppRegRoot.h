// The values of the application's own key below HKEY_LOCAL_MACHINE\SOFTWARE\<sub key>: the main
// window's placement at start-up, a REG_SZ of ten numbers joined by commas.
#pragma once

#include "storage/ZnRegistry.h"

class ZnAppRegRoot : public ZnRegistry {
    DECLARE_DYNAMIC(ZnAppRegRoot)
public:
    ZnAppRegRoot(LPCTSTR subKey, LPCTSTR startUpName);

    // Empties the value and reads it; 0 when the key is missing.
    BOOL Read() override;
    // Stores the value as REG_SZ; 0 when the key cannot be created.
    BOOL Write() override;

    // Sets the value from the main window's placement as it closes: its flags and normal
    // position, show command SW_RESTORE, the minimized position at the normal left and top, the
    // maximized position at 0, 0.
    void SetStartUpPlacement(const WINDOWPLACEMENT& current);
    // The placement that the value holds; FALSE when the value is empty.
    BOOL GetStartUpPlacement(WINDOWPLACEMENT& placement) const;

    CString m_strStartUpName;
    CString m_strStartUp;
};
