// Basic Win32 type names used by the system's code.
#pragma once

#include <cstddef>
#include <cstdint>

typedef int BOOL;
typedef unsigned char BYTE;
typedef uint16_t WORD;
typedef uint32_t DWORD;
typedef int32_t LONG;
typedef uint32_t ULONG;
typedef uint64_t ULONGLONG;
typedef unsigned int UINT;
typedef char TCHAR;
typedef char* LPTSTR;
typedef const char* LPCTSTR;
typedef int* LPINT;
typedef char* LPSTR;
typedef const char* LPCSTR;
typedef void* LPVOID;
typedef uintptr_t UINT_PTR;
typedef UINT_PTR DWORD_PTR;
typedef intptr_t INT_PTR;
typedef double DATE;

#ifndef TRUE
#define TRUE 1
#endif
#ifndef FALSE
#define FALSE 0
#endif

// The longest path, with its terminator, that a path buffer of the Windows API holds.
#define MAX_PATH 260

#define PASCAL
#define AFXAPI
#define _T(x) x

// Opaque position in a list or map.
struct __POSITION {};
typedef __POSITION* POSITION;
#define BEFORE_START_POSITION ((POSITION)-1L)

// Window geometry as the Windows API lays it out: 32-bit fields.
typedef struct tagPOINT {
    LONG x;
    LONG y;
} POINT;

typedef struct tagRECT {
    LONG left;
    LONG top;
    LONG right;
    LONG bottom;
} RECT;

// A window's placement: 44 bytes, the length field first.
typedef struct tagWINDOWPLACEMENT {
    UINT length;
    UINT flags;
    UINT showCmd;
    POINT ptMinPosition;
    POINT ptMaxPosition;
    RECT rcNormalPosition;
} WINDOWPLACEMENT;

#define SW_RESTORE 9
