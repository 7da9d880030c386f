// Text crossing between the program and wx: CP932 bytes inside the program, Unicode in wx.
// Every text that enters or leaves a wx window is converted here and nowhere else.
#pragma once

#include "platform/core/CString.h"

#include <wx/arrstr.h>
#include <wx/string.h>

#include <string>
#include <vector>

class WxText {
public:
    static wxString ToWx(const CString& text);
    static wxString ToWx(const char* cp932Text);
    static CString FromWx(const wxString& text);
    static wxArrayString ToWx(const std::vector<CString>& texts);
    // A multi-line edit keeps line ends as "\r\n"; wx's multi-line text controls use "\n".
    static wxString ToWxLines(const CString& text);
    static CString FromWxLines(const wxString& text);
    // File-system paths: Linux paths are UTF-8 bytes (WinPath.h), wx holds them as Unicode.
    static wxString FromLinuxPath(const std::string& path);
    static std::string ToLinuxPath(const wxString& path);
    // Positions in a text: the program counts bytes, wx counts characters (one per CP932
    // character). An offset inside a character counts that character as passed.
    static long CharIndex(const CString& text, int byteOffset);
    static int ByteOffset(const CString& text, long charIndex);
};
