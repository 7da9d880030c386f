#include "platform/ui/WxText.h"

#include "platform/core/Cp932.h"

namespace {
std::string Utf8Of(const wxString& text)
{
    wxScopedCharBuffer utf8 = text.utf8_str();
    return std::string(utf8.data(), utf8.length());
}
} // namespace

wxString WxText::ToWx(const CString& text) { return ToWx(static_cast<LPCTSTR>(text)); }

wxString WxText::ToWx(const char* cp932Text) { return wxString::FromUTF8(cp932::ToUtf8(cp932Text ? cp932Text : "")); }

CString WxText::FromWx(const wxString& text) { return CString(cp932::FromUtf8(Utf8Of(text))); }

wxArrayString WxText::ToWx(const std::vector<CString>& texts)
{
    wxArrayString converted;
    for (const CString& text : texts)
        converted.Add(ToWx(text));
    return converted;
}

wxString WxText::FromLinuxPath(const std::string& path) { return wxString::FromUTF8(path); }

std::string WxText::ToLinuxPath(const wxString& path) { return Utf8Of(path); }

wxString WxText::ToWxLines(const CString& text)
{
    wxString lines = ToWx(text);
    lines.Replace("\r\n", "\n");
    return lines;
}

CString WxText::FromWxLines(const wxString& text)
{
    wxString lines = text;
    lines.Replace("\r\n", "\n");
    lines.Replace("\n", "\r\n");
    return FromWx(lines);
}

long WxText::CharIndex(const CString& text, int byteOffset)
{
    const std::string& bytes = text.Bytes();
    size_t end = std::min(static_cast<size_t>(std::max(byteOffset, 0)), bytes.size());
    long index = 0;
    for (size_t i = 0; i < end; i += cp932::CharLength(bytes.data(), i, bytes.size()))
        ++index;
    return index;
}

int WxText::ByteOffset(const CString& text, long charIndex)
{
    const std::string& bytes = text.Bytes();
    size_t i = 0;
    for (long index = 0; index < charIndex && i < bytes.size(); ++index)
        i += cp932::CharLength(bytes.data(), i, bytes.size());
    return static_cast<int>(i);
}
