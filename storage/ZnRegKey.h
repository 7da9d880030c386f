// Owner of one open registry key. Every result is a Win32 status code, ERROR_SUCCESS (0) on success.
#pragma once

#include "platform/files/Afx.h"
#include "platform/registry/WinRegistry.h"

class ZnRegKey {
public:
    ZnRegKey() = default;
    virtual ~ZnRegKey() { Close(); }
    ZnRegKey(const ZnRegKey&) = delete;
    ZnRegKey& operator=(const ZnRegKey&) = delete;

    // Closes the held key; ERROR_SUCCESS when none is held.
    LONG Close();
    // Creates or opens subKey below parent; on success holds it in place of the key held before.
    LONG Create(HKEY parent, LPCTSTR subKey, LPTSTR keyClass = nullptr, DWORD options = REG_OPTION_NON_VOLATILE,
                REGSAM access = KEY_ALL_ACCESS, LPSECURITY_ATTRIBUTES security = nullptr,
                LPDWORD disposition = nullptr);
    // Opens subKey below parent; on success holds it in place of the key held before.
    LONG Open(HKEY parent, LPCTSTR subKey, REGSAM access = KEY_ALL_ACCESS);

    // Reads a REG_DWORD value. Any other type, or data that is not 4 bytes, gives
    // ERROR_UNSUPPORTED_TYPE; value changes only on success.
    LONG QueryValue(DWORD& value, LPCTSTR valueName);
    // Reads a REG_SZ value into a buffer of *size bytes; on success the buffer holds the text with
    // its terminating zero and *size the bytes used. Any other type gives ERROR_UNSUPPORTED_TYPE; a
    // text with its zero longer than the buffer gives ERROR_MORE_DATA. The buffer changes only on
    // success, so it never holds a text without its zero or one cut short.
    LONG QueryValue(LPTSTR buffer, LPCTSTR valueName, DWORD* size);

    // Stores a REG_DWORD value of 4 bytes.
    LONG SetValue(DWORD value, LPCTSTR valueName);
    // Stores a REG_SZ value: the text and its terminating zero.
    LONG SetValue(LPCTSTR text, LPCTSTR valueName);

    HKEY GetHandle() const { return m_hKey; }

private:
    void Hold(HKEY key);

    HKEY m_hKey = nullptr;
};
