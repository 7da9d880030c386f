#include "platform/core/CString.h"

#include "platform/core/Cp932.h"
#include "platform/core/WinFormat.h"

#include <cstring>

namespace {

bool IsAsciiUpper(char c) { return c >= 'A' && c <= 'Z'; }
bool IsAsciiLower(char c) { return c >= 'a' && c <= 'z'; }
char FoldCase(char c) { return IsAsciiUpper(c) ? static_cast<char>(c - 'A' + 'a') : c; }
bool IsTrimSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

// Byte-wise comparison of two texts with ASCII letters folded, as the multibyte runtime compares
// a double-byte character as one unit: folding only ever touches single-byte characters.
int CompareFolded(const std::string& a, const char* b)
{
    size_t bn = std::strlen(b);
    size_t i = 0;
    while (i < a.size() && i < bn) {
        bool single = cp932::CharLength(a.data(), i, a.size()) == 1;
        unsigned char ca = static_cast<unsigned char>(single ? FoldCase(a[i]) : a[i]);
        unsigned char cb = static_cast<unsigned char>(single ? FoldCase(b[i]) : b[i]);
        if (ca != cb)
            return ca < cb ? -1 : 1;
        if (!single) {
            ++i;
            if (i < a.size() && i < bn && a[i] != b[i])
                return static_cast<unsigned char>(a[i]) < static_cast<unsigned char>(b[i]) ? -1 : 1;
        }
        ++i;
    }
    if (a.size() == bn)
        return 0;
    return a.size() < bn ? -1 : 1;
}

// True when the character (1 or 2 bytes) is one of the characters of a CP932 set.
bool InCharSet(const char* ch, size_t len, const char* set)
{
    size_t n = std::strlen(set);
    for (size_t i = 0; i < n;) {
        size_t l = cp932::CharLength(set, i, n);
        if (l == len && std::memcmp(set + i, ch, len) == 0)
            return true;
        i += l;
    }
    return false;
}

} // namespace

size_t CString::CharLen(size_t i) const { return cp932::CharLength(m_str.data(), i, m_str.size()); }

CString& CString::operator=(LPCTSTR text)
{
    m_str = text ? text : "";
    return *this;
}

CString& CString::operator=(TCHAR ch)
{
    m_str.assign(1, ch);
    return *this;
}

CString& CString::operator+=(const CString& text)
{
    m_str += text.m_str;
    return *this;
}

CString& CString::operator+=(LPCTSTR text)
{
    if (text)
        m_str += text;
    return *this;
}

CString& CString::operator+=(TCHAR ch)
{
    m_str += ch;
    return *this;
}

int CString::Compare(LPCTSTR text) const
{
    int r = std::strcmp(m_str.c_str(), text ? text : "");
    return r < 0 ? -1 : (r > 0 ? 1 : 0);
}

int CString::CompareNoCase(LPCTSTR text) const { return CompareFolded(m_str, text ? text : ""); }

CString CString::Mid(int first) const { return Mid(first, GetLength() - first); }

CString CString::Mid(int first, int count) const
{
    if (first < 0)
        first = 0;
    if (count < 0)
        count = 0;
    if (first > GetLength())
        return CString();
    if (first + count > GetLength())
        count = GetLength() - first;
    return CString(m_str.substr(first, count));
}

CString CString::Left(int count) const
{
    if (count < 0)
        count = 0;
    return CString(m_str.substr(0, count));
}

CString CString::Right(int count) const
{
    if (count < 0)
        count = 0;
    if (count >= GetLength())
        return *this;
    return CString(m_str.substr(m_str.size() - count));
}

CString CString::SpanIncluding(LPCTSTR charSet) const
{
    size_t i = 0;
    while (i < m_str.size() && InCharSet(m_str.data() + i, CharLen(i), charSet))
        i += CharLen(i);
    return Left(static_cast<int>(i));
}

CString CString::SpanExcluding(LPCTSTR charSet) const
{
    size_t i = 0;
    while (i < m_str.size() && !InCharSet(m_str.data() + i, CharLen(i), charSet))
        i += CharLen(i);
    return Left(static_cast<int>(i));
}

void CString::MakeUpper()
{
    for (size_t i = 0; i < m_str.size(); i += CharLen(i))
        if (IsAsciiLower(m_str[i]))
            m_str[i] = static_cast<char>(m_str[i] - 'a' + 'A');
}

void CString::MakeLower()
{
    for (size_t i = 0; i < m_str.size(); i += CharLen(i))
        if (IsAsciiUpper(m_str[i]))
            m_str[i] = static_cast<char>(m_str[i] - 'A' + 'a');
}

void CString::MakeReverse()
{
    std::string out;
    out.reserve(m_str.size());
    for (size_t i = 0; i < m_str.size(); i += CharLen(i))
        out.insert(0, m_str, i, CharLen(i));
    m_str = out;
}

int CString::Replace(TCHAR oldCh, TCHAR newCh)
{
    int count = 0;
    for (size_t i = 0; i < m_str.size(); i += CharLen(i))
        if (CharLen(i) == 1 && m_str[i] == oldCh) {
            m_str[i] = newCh;
            ++count;
        }
    return count;
}

int CString::Replace(LPCTSTR oldText, LPCTSTR newText)
{
    size_t oldLen = oldText ? std::strlen(oldText) : 0;
    if (oldLen == 0)
        return 0;
    std::string replacement = newText ? newText : "";
    std::string out;
    int count = 0;
    for (size_t i = 0; i < m_str.size();) {
        if (m_str.compare(i, oldLen, oldText) == 0) {
            out += replacement;
            i += oldLen;
            ++count;
        } else {
            size_t l = CharLen(i);
            out.append(m_str, i, l);
            i += l;
        }
    }
    m_str = out;
    return count;
}

int CString::Remove(TCHAR ch)
{
    std::string out;
    int count = 0;
    for (size_t i = 0; i < m_str.size(); i += CharLen(i)) {
        if (CharLen(i) == 1 && m_str[i] == ch)
            ++count;
        else
            out.append(m_str, i, CharLen(i));
    }
    m_str = out;
    return count;
}

int CString::Insert(int index, TCHAR ch) { return Insert(index, CString(ch)); }

int CString::Insert(int index, LPCTSTR text)
{
    if (index < 0)
        index = 0;
    if (index > GetLength())
        index = GetLength();
    m_str.insert(index, text ? text : "");
    return GetLength();
}

int CString::Delete(int index, int count)
{
    if (index < 0)
        index = 0;
    if (count > 0 && index < GetLength())
        m_str.erase(index, count);
    return GetLength();
}

void CString::TrimLeft()
{
    size_t i = 0;
    while (i < m_str.size() && IsTrimSpace(m_str[i]))
        ++i;
    m_str.erase(0, i);
}

void CString::TrimRight()
{
    size_t keep = 0;
    for (size_t i = 0; i < m_str.size(); i += CharLen(i))
        if (CharLen(i) == 2 || !IsTrimSpace(m_str[i]))
            keep = i + CharLen(i);
    m_str.resize(keep);
}

void CString::TrimLeft(TCHAR target)
{
    char set[2] = {target, 0};
    TrimLeft(set);
}

void CString::TrimRight(TCHAR target)
{
    char set[2] = {target, 0};
    TrimRight(set);
}

void CString::TrimLeft(LPCTSTR targets)
{
    size_t i = 0;
    while (i < m_str.size() && InCharSet(m_str.data() + i, CharLen(i), targets))
        i += CharLen(i);
    m_str.erase(0, i);
}

void CString::TrimRight(LPCTSTR targets)
{
    size_t keep = 0;
    for (size_t i = 0; i < m_str.size(); i += CharLen(i))
        if (!InCharSet(m_str.data() + i, CharLen(i), targets))
            keep = i + CharLen(i);
    m_str.resize(keep);
}

int CString::FindChar(const char* chars, size_t charLen, size_t start) const
{
    for (size_t i = start; i < m_str.size(); i += CharLen(i))
        if (m_str.compare(i, charLen, chars, charLen) == 0)
            return static_cast<int>(i);
    return -1;
}

int CString::Find(TCHAR ch, int start) const
{
    if (start < 0 || start >= GetLength())
        return -1;
    for (size_t i = start; i < m_str.size(); i += CharLen(i))
        if (CharLen(i) == 1 && m_str[i] == ch)
            return static_cast<int>(i);
    return -1;
}

int CString::Find(LPCTSTR sub, int start) const
{
    if (start < 0 || start > GetLength())
        return -1;
    size_t n = sub ? std::strlen(sub) : 0;
    if (n == 0)
        return start;
    return FindChar(sub, n, start);
}

int CString::ReverseFind(TCHAR ch) const
{
    int found = -1;
    for (size_t i = 0; i < m_str.size(); i += CharLen(i))
        if (CharLen(i) == 1 && m_str[i] == ch)
            found = static_cast<int>(i);
    return found;
}

int CString::FindOneOf(LPCTSTR charSet) const
{
    for (size_t i = 0; i < m_str.size(); i += CharLen(i))
        if (InCharSet(m_str.data() + i, CharLen(i), charSet))
            return static_cast<int>(i);
    return -1;
}

void CString::Format(LPCTSTR format, ...)
{
    va_list args;
    va_start(args, format);
    FormatV(format, args);
    va_end(args);
}

void CString::FormatV(LPCTSTR format, va_list args) { m_str = WinFormatV(format, args); }

LPTSTR CString::GetBuffer(int minLength)
{
    if (minLength > GetLength())
        m_str.resize(minLength);
    return &m_str[0];
}

LPTSTR CString::GetBufferSetLength(int length)
{
    m_str.resize(length > 0 ? length : 0);
    return &m_str[0];
}

void CString::ReleaseBuffer(int newLength)
{
    if (newLength < 0)
        newLength = static_cast<int>(strnlen(m_str.c_str(), m_str.size()));
    m_str.resize(newLength);
}

CString operator+(const CString& a, const CString& b) { return CString(a.Bytes() + b.Bytes()); }
CString operator+(const CString& a, LPCTSTR b) { return CString(a.Bytes() + (b ? b : "")); }
CString operator+(LPCTSTR a, const CString& b) { return CString((a ? a : "") + b.Bytes()); }
CString operator+(const CString& a, TCHAR b) { return CString(a.Bytes() + b); }
CString operator+(TCHAR a, const CString& b) { return CString(a + b.Bytes()); }

bool operator==(const CString& a, const CString& b) { return a.Bytes() == b.Bytes(); }
bool operator==(const CString& a, LPCTSTR b) { return a.Compare(b) == 0; }
bool operator==(LPCTSTR a, const CString& b) { return b.Compare(a) == 0; }
bool operator!=(const CString& a, const CString& b) { return !(a == b); }
bool operator!=(const CString& a, LPCTSTR b) { return !(a == b); }
bool operator!=(LPCTSTR a, const CString& b) { return !(a == b); }
bool operator<(const CString& a, const CString& b) { return a.Compare(b) < 0; }
bool operator>(const CString& a, const CString& b) { return a.Compare(b) > 0; }
bool operator<=(const CString& a, const CString& b) { return a.Compare(b) <= 0; }
bool operator>=(const CString& a, const CString& b) { return a.Compare(b) >= 0; }
