// Run-time loading of libraries: LoadLibraryA, GetProcAddress and FreeLibrary.
#pragma once

#include "platform/core/WinTypes.h"

struct HINSTANCE__;
typedef HINSTANCE__* HINSTANCE;
typedef HINSTANCE HMODULE;
// A generic entry point, cast by the caller to the entry's own type.
typedef void (*FARPROC)();

#define ERROR_MOD_NOT_FOUND 126L
#define ERROR_PROC_NOT_FOUND 127L

// Loads the library named by a Windows path. "name.dll" stands for "libname.so" in the same
// folder. Returns NULL, with ERROR_MOD_NOT_FOUND as the last error, when it cannot be loaded.
HMODULE LoadLibraryA(LPCSTR fileName);

// The entry point of that name, or NULL with ERROR_PROC_NOT_FOUND as the last error.
FARPROC GetProcAddress(HMODULE module, LPCSTR procName);

// Releases one load of the library; TRUE on success.
BOOL FreeLibrary(HMODULE module);
