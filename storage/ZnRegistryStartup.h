// The main window's placement as the maker's programs share it below HKEY_CURRENT_USER: one
// REG_SZ value of ten numbers joined by colons, held as a placement record or none.
#pragma once

#include "storage/ZnRegistry.h"

#include <memory>

class ZnRegistryStartup : public ZnRegistry {
    DECLARE_DYNAMIC(ZnRegistryStartup)
public:
    // valueName is both the value's name and the initial key; the second text is not kept.
    ZnRegistryStartup(LPCTSTR valueName, LPCTSTR unused);

    // For the value's name: the text becomes the placement (fields it lacks are 0), 1.
    BOOL SetValue(LPCTSTR name, LPCTSTR text) override;
    BOOL SetDwordValue(LPCTSTR name, DWORD value) override { return 0; }
    // For the value's name: the placement as text, empty when there is none, 1.
    BOOL GetValue(LPCTSTR name, CString& text) override;
    BOOL GetDwordValue(LPCTSTR name, DWORD& value) override { return 0; }
    int GetValueNames(CStringList& names) override { return ListNames(&m_strValueName, 1, names); }
    // Drops the placement and reads the value; a non-empty text becomes the placement. 0 when
    // the key is missing.
    BOOL Read() override;
    // Stores the placement as text; 0, writing nothing, when there is none or the key cannot be created.
    BOOL Write() override;

    // The placement held, or null.
    const WINDOWPLACEMENT* GetPlacement() const { return m_pPlacement.get(); }

private:
    void TakePlacement(LPCTSTR text);

    CString m_strValueName;
    std::unique_ptr<WINDOWPLACEMENT> m_pPlacement;
};
