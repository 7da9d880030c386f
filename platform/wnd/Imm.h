// The input-method calls of the edit controls, over input contexts kept in memory: each
// context has an open status, a conversion and a sentence mode, and the result of the last
// composition with its reading. Windows share one default context unless ImmAssociateContext
// gives them another (or none). The user-interface half may mirror the open status onto a
// real input method; tests read the state back.
#pragma once

#include "platform/core/CString.h"
#include "platform/wnd/WinUser.h"

#define IME_CMODE_ALPHANUMERIC 0x0000
#define IME_CMODE_NATIVE 0x0001
#define IME_CMODE_KATAKANA 0x0002
#define IME_CMODE_FULLSHAPE 0x0008
#define IME_CMODE_ROMAN 0x0010
#define IME_SMODE_NONE 0x0000
#define IME_SMODE_PHRASEPREDICT 0x0008

#define GCS_COMPREADSTR 0x0001
#define GCS_COMPSTR 0x0008
#define GCS_RESULTREADSTR 0x0200
#define GCS_RESULTREADCLAUSE 0x0400
#define GCS_RESULTSTR 0x0800
#define GCS_RESULTCLAUSE 0x1000

#define IMM_ERROR_NODATA (-1)
#define IMM_ERROR_GENERAL (-2)

// The context of a window (null for a window that has none, or no window).
HIMC ImmGetContext(HWND hWnd);
BOOL ImmReleaseContext(HWND hWnd, HIMC hIMC);
HIMC ImmCreateContext();
BOOL ImmDestroyContext(HIMC hIMC);
// Gives the window another context (null: none); returns the one it had.
HIMC ImmAssociateContext(HWND hWnd, HIMC hIMC);
BOOL ImmGetOpenStatus(HIMC hIMC);
BOOL ImmSetOpenStatus(HIMC hIMC, BOOL fOpen);
BOOL ImmGetConversionStatus(HIMC hIMC, DWORD* lpfdwConversion, DWORD* lpfdwSentence);
BOOL ImmSetConversionStatus(HIMC hIMC, DWORD fdwConversion, DWORD fdwSentence);
// GCS_RESULTSTR or GCS_RESULTREADSTR: copies up to dwBufLen bytes (no terminator) and returns
// how many; with no buffer, returns the length. IMM_ERROR_GENERAL without a context.
LONG ImmGetCompositionString(HIMC hIMC, DWORD dwIndex, LPVOID lpBuf, DWORD dwBufLen);

// Sets what the context's last composition delivered (the user-input layer does, before
// WM_IME_COMPOSITION).
void AfxImmSetCompositionResult(HIMC hIMC, const CString& result, const CString& reading);
// How many times the context's open status was set (ImmSetOpenStatus), whether or not it
// changed: each set is a notification to the input method.
int AfxImmGetOpenStatusSets(HIMC hIMC);
// Back to one default context (closed, native full-width conversion) and no associations.
void AfxImmReset();
