#include "readers/VhString.h"

#include "platform/core/Cp932.h"

#include <cctype>
#include <cstring>
#include <string>
#include <vector>

namespace {

TCHAR separatorChar = '|';

size_t CharLengthAt(const std::string& text, size_t i) { return cp932::CharLength(text.data(), i, text.size()); }

// White space as isspace sees it in the C locale, the byte taken as unsigned.
bool IsBlank(char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; }

// The index of the last character of text (text not empty).
size_t LastCharIndex(const std::string& text)
{
    size_t last = 0;
    for (size_t i = 0; i < text.size(); i += CharLengthAt(text, i))
        last = i;
    return last;
}

// The byte length of the character at i as the tokenizer takes it, a backslash inside a quoted
// stretch together with the whole character after it; a double quote opens or closes the stretch.
size_t QuotedStep(const std::string& text, size_t i, bool& inQuote)
{
    const size_t length = CharLengthAt(text, i);
    if (length == 1 && inQuote && text[i] == '\\')
        return i + 1 < text.size() ? 1 + CharLengthAt(text, i + 1) : 1;
    if (length == 1 && text[i] == '"')
        inQuote = !inQuote;
    return length;
}

// Whether every byte of sub is a character of its own wherever it stands: neither a lead byte
// nor one that can follow a lead byte. Such a sub is found at every place its bytes stand.
bool StandsAlone(const char* sub)
{
    for (; *sub; ++sub)
        if (cp932::IsLeadByte(static_cast<unsigned char>(*sub)) || cp932::IsTrailByte(static_cast<unsigned char>(*sub)))
            return false;
    return true;
}

// The text without sub, in one pass: the text kept drops sub as soon as it ends with it, which
// removes the first occurrence again and again (the kept text never holds one) in linear time.
std::string WithoutEvery(const std::string& text, const char* sub)
{
    const size_t length = std::strlen(sub);
    std::string kept;
    kept.reserve(text.size());
    for (char c : text) {
        kept += c;
        if (kept.size() >= length && kept.compare(kept.size() - length, length, sub) == 0)
            kept.resize(kept.size() - length);
    }
    return kept;
}

} // namespace

CString VhString::RemoveFirst(LPCTSTR sub) const
{
    int pos = (sub && *sub) ? Find(sub) : -1;
    if (pos < 0)
        return *this;
    return Left(pos) + Mid(pos + static_cast<int>(std::strlen(sub)));
}

CString VhString::RemoveAll(LPCTSTR sub) const
{
    if (!sub || !*sub)
        return *this;
    if (StandsAlone(sub))
        return CString(WithoutEvery(Bytes(), sub));
    VhString text = *this;
    while (text.Find(sub) >= 0)
        text = text.RemoveFirst(sub);
    return text;
}

CString VhString::RemoveFirstChar(TCHAR ch) const
{
    int pos = ch ? Find(ch) : -1;
    if (pos < 0)
        return *this;
    return Left(pos) + Mid(pos + 1);
}

CString VhString::RemoveAllChar(TCHAR ch) const
{
    VhString text = *this;
    if (!ch)
        return text;
    while (text.Find(ch) >= 0)
        text = text.RemoveFirstChar(ch);
    return text;
}

CString VhString::Trim() const
{
    CString text = *this;
    text.TrimLeft();
    text.TrimRight();
    return text;
}

CString VhString::StripEnclosing(TCHAR ch) const
{
    std::string text = Trim().Bytes();
    if (text.size() < 2)
        return CString(text);
    bool atStart = text[0] == ch && CharLengthAt(text, 0) == 1;
    size_t last = LastCharIndex(text);
    bool atEnd = text[last] == ch && CharLengthAt(text, last) == 1;
    if (atEnd)
        text.erase(last);
    if (atStart)
        text.erase(0, 1);
    return CString(text);
}

CString VhString::GroupDigits() const
{
    const std::string& text = Bytes();
    size_t start = 0;
    while (start < text.size() && !std::isdigit(static_cast<unsigned char>(text[start])))
        ++start;
    if (start == text.size())
        return *this;
    size_t end = start;
    while (end < text.size() && std::isdigit(static_cast<unsigned char>(text[end])))
        ++end;
    size_t last = end - 1;
    size_t digitsToCome = end - start;
    std::string grouped;
    for (size_t i = 0; i < text.size(); ++i) {
        grouped += text[i];
        if (i >= start && i < last && (--digitsToCome) % 3 == 0)
            grouped += separatorChar;
    }
    return VhString(CString(grouped)).StripEnclosing(separatorChar);
}

void VhString::Tokenize(CStringList& tokens) const
{
    tokens.RemoveAll();
    const std::string text = Trim().Bytes();
    ForEachToken(text, [&](size_t start, size_t end) { tokens.AddTail(CString(text.substr(start, end - start))); });
}

std::vector<int> VhString::TokenStarts() const
{
    std::vector<int> starts;
    ForEachToken(Bytes(), [&](size_t start, size_t) { starts.push_back(static_cast<int>(start)); });
    return starts;
}

void VhString::ForEachToken(const std::string& text, const std::function<void(size_t start, size_t end)>& token)
{
    size_t start = 0;
    bool inToken = false;
    bool inQuote = false;
    for (size_t i = 0; i < text.size();) {
        const char c = text[i];
        if (!inQuote && c != '"' && CharLengthAt(text, i) == 1 && (c == separatorChar || IsBlank(c))) {
            if (inToken)
                token(start, i);
            inToken = false;
            ++i;
            continue;
        }
        if (!inToken)
            start = i;
        inToken = true;
        i += QuotedStep(text, i, inQuote);
    }
    if (inToken)
        token(start, text.size());
}

bool VhString::EndsInQuotes() const { return QuoteScan().EndsInQuotesWith(*this); }

void VhString::QuoteScan::Append(const CString& text)
{
    const std::string joined = m_tail + text.Bytes();
    bool inQuote = m_inQuote;
    size_t last = 0;
    for (size_t i = 0; i < joined.size();) {
        last = i;
        m_inQuote = inQuote;
        i += QuotedStep(joined, i, inQuote);
    }
    m_tail = joined.substr(last);
}

bool VhString::QuoteScan::EndsInQuotesWith(const CString& more) const
{
    const std::string joined = m_tail + more.Bytes();
    bool inQuote = m_inQuote;
    for (size_t i = 0; i < joined.size();)
        i += QuotedStep(joined, i, inQuote);
    return inQuote;
}

TCHAR VhString::GetSeparator() { return separatorChar; }

void VhString::SetSeparator(TCHAR separator) { separatorChar = separator; }

VhString::SeparatorScope::SeparatorScope(TCHAR separator) : m_saved(separatorChar) { separatorChar = separator; }

VhString::SeparatorScope::~SeparatorScope() { separatorChar = m_saved; }

LPCTSTR CharNextCount(LPCTSTR text, int* length)
{
    if (!text)
        return nullptr;
    // The byte after a lead byte is read only when the lead byte is not the last one.
    int bytes = !*text ? 0 : (cp932::IsLeadByte(text[0]) && cp932::IsTrailByte(text[1]) ? 2 : 1);
    if (length)
        *length = bytes;
    return text + bytes;
}

CString IntToString(int value)
{
    CString text;
    text.Format("%d", value);
    return text;
}
