// The registry calls that the system makes, over two hive files: the machine's
// (HKEY_LOCAL_MACHINE) and the user's (HKEY_CURRENT_USER), kept as described in RegHiveFile.h.
// Texts are CP932 and sizes count CP932 bytes; key and value names are compared ignoring case.
// Every call returns a Win32 status code, ERROR_SUCCESS (0) on success.
#pragma once

#include "platform/core/WinError.h"
#include "platform/core/WinTypes.h"

struct RegOpenKey;
typedef RegOpenKey* HKEY;
typedef HKEY* PHKEY;
typedef DWORD REGSAM;
typedef DWORD* LPDWORD;
typedef BYTE* LPBYTE;
typedef const BYTE* LPCBYTE;
struct SECURITY_ATTRIBUTES;
typedef SECURITY_ATTRIBUTES* LPSECURITY_ATTRIBUTES;

#define HKEY_CURRENT_USER (reinterpret_cast<HKEY>(static_cast<uintptr_t>(0x80000001u)))
#define HKEY_LOCAL_MACHINE (reinterpret_cast<HKEY>(static_cast<uintptr_t>(0x80000002u)))

#define KEY_ALL_ACCESS 0xF003F
#define REG_OPTION_NON_VOLATILE 0
#define REG_CREATED_NEW_KEY 1
#define REG_OPENED_EXISTING_KEY 2

#define REG_NONE 0
#define REG_SZ 1
#define REG_EXPAND_SZ 2
#define REG_BINARY 3
#define REG_DWORD 4

// Opens an existing key below hKey (a root or an open key); ERROR_FILE_NOT_FOUND when it is
// missing. The access mask is accepted and not checked.
LONG RegOpenKeyExA(HKEY hKey, LPCSTR subKey, DWORD options, REGSAM samDesired, PHKEY result);

// Opens a key below hKey, creating it and every missing key above it first. disposition (when
// given) receives REG_CREATED_NEW_KEY or REG_OPENED_EXISTING_KEY.
LONG RegCreateKeyExA(HKEY hKey, LPCSTR subKey, DWORD reserved, LPSTR keyClass, DWORD options, REGSAM samDesired,
                     LPSECURITY_ATTRIBUTES security, PHKEY result, LPDWORD disposition);

// Reads a value (a null or empty name is the key's default value). type receives its type;
// with data null, size receives its size; otherwise a buffer of *size bytes receives the data and
// *size the bytes used, or, when it is too small, stays untouched while the call returns
// ERROR_MORE_DATA with the size needed in *size.
LONG RegQueryValueExA(HKEY hKey, LPCSTR valueName, LPDWORD reserved, LPDWORD type, LPBYTE data, LPDWORD size);

// Stores size bytes of data as a value of that type (REG_SZ data includes its terminating zero).
// The hive is written whole before the call returns.
LONG RegSetValueExA(HKEY hKey, LPCSTR valueName, DWORD reserved, DWORD type, LPCBYTE data, DWORD size);

// Closes a key opened by the calls above; ERROR_INVALID_HANDLE for anything else.
LONG RegCloseKey(HKEY hKey);

#define RegOpenKeyEx RegOpenKeyExA
#define RegCreateKeyEx RegCreateKeyExA
#define RegQueryValueEx RegQueryValueExA
#define RegSetValueEx RegSetValueExA
