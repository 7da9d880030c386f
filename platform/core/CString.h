// MFC's multibyte CString over CP932 bytes. Lengths and positions count bytes; searching,
// replacing, trimming and case changes step over double-byte characters whole, so that a
// trail byte is never matched on its own.
#pragma once

#include "platform/core/WinTypes.h"

#include <string>

class CString {
public:
    CString() = default;
    CString(const CString&) = default;
    CString(CString&&) noexcept = default;
    CString(LPCTSTR text) : m_str(text ? text : "") {}
    CString(LPCTSTR text, int length) : m_str(text ? std::string(text, length > 0 ? length : 0) : std::string()) {}
    CString(TCHAR ch, int repeat = 1) : m_str(repeat > 0 ? repeat : 0, ch) {}
    explicit CString(const std::string& bytes) : m_str(bytes) {}

    int GetLength() const { return static_cast<int>(m_str.size()); }
    BOOL IsEmpty() const { return m_str.empty(); }
    void Empty() { m_str.clear(); }
    TCHAR GetAt(int index) const { return m_str.at(index); }
    TCHAR operator[](int index) const { return m_str.at(index); }
    void SetAt(int index, TCHAR ch) { m_str.at(index) = ch; }
    operator LPCTSTR() const { return m_str.c_str(); }
    const std::string& Bytes() const { return m_str; }

    CString& operator=(const CString&) = default;
    CString& operator=(CString&&) noexcept = default;
    CString& operator=(LPCTSTR text);
    CString& operator=(TCHAR ch);
    CString& operator+=(const CString& text);
    CString& operator+=(LPCTSTR text);
    CString& operator+=(TCHAR ch);

    int Compare(LPCTSTR text) const;
    int CompareNoCase(LPCTSTR text) const;
    int Collate(LPCTSTR text) const { return Compare(text); }
    int CollateNoCase(LPCTSTR text) const { return CompareNoCase(text); }

    CString Mid(int first) const;
    CString Mid(int first, int count) const;
    CString Left(int count) const;
    CString Right(int count) const;
    CString SpanIncluding(LPCTSTR charSet) const;
    CString SpanExcluding(LPCTSTR charSet) const;

    void MakeUpper();
    void MakeLower();
    void MakeReverse();
    int Replace(TCHAR oldCh, TCHAR newCh);
    int Replace(LPCTSTR oldText, LPCTSTR newText);
    int Remove(TCHAR ch);
    int Insert(int index, TCHAR ch);
    int Insert(int index, LPCTSTR text);
    int Delete(int index, int count = 1);

    void TrimLeft();
    void TrimRight();
    void TrimLeft(TCHAR target);
    void TrimRight(TCHAR target);
    void TrimLeft(LPCTSTR targets);
    void TrimRight(LPCTSTR targets);

    int Find(TCHAR ch) const { return Find(ch, 0); }
    int Find(LPCTSTR sub) const { return Find(sub, 0); }
    int Find(TCHAR ch, int start) const;
    int Find(LPCTSTR sub, int start) const;
    int ReverseFind(TCHAR ch) const;
    int FindOneOf(LPCTSTR charSet) const;

    void Format(LPCTSTR format, ...) __attribute__((format(printf, 2, 3)));
    void FormatV(LPCTSTR format, va_list args);

    LPTSTR GetBuffer(int minLength);
    LPTSTR GetBufferSetLength(int length);
    void ReleaseBuffer(int newLength = -1);

private:
    size_t CharLen(size_t i) const;
    int FindChar(const char* chars, size_t charLen, size_t start) const;

    std::string m_str;
};

CString operator+(const CString& a, const CString& b);
CString operator+(const CString& a, LPCTSTR b);
CString operator+(LPCTSTR a, const CString& b);
CString operator+(const CString& a, TCHAR b);
CString operator+(TCHAR a, const CString& b);

bool operator==(const CString& a, const CString& b);
bool operator==(const CString& a, LPCTSTR b);
bool operator==(LPCTSTR a, const CString& b);
bool operator!=(const CString& a, const CString& b);
bool operator!=(const CString& a, LPCTSTR b);
bool operator!=(LPCTSTR a, const CString& b);
bool operator<(const CString& a, const CString& b);
bool operator>(const CString& a, const CString& b);
bool operator<=(const CString& a, const CString& b);
bool operator>=(const CString& a, const CString& b);
