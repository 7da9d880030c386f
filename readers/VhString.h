// Text operations over CP932 strings. Each works on a copy and returns a new text; the source is
// never changed, and a double-byte character is never split or matched by its second byte.
//
// The tokenizer and the digit grouping use one process-wide separator character, "|" at start.
// A caller that needs another one holds a VhString::SeparatorScope for the call, which puts the
// previous separator back on every way out. Single-threaded use only.
#pragma once

#include "platform/files/Afx.h"

#include <functional>
#include <string>
#include <vector>

class VhString : public CString {
public:
    VhString() = default;
    VhString(const CString& text) : CString(text) {}
    VhString(LPCTSTR text) : CString(text) {}

    // The first n bytes, everything from byte n, the last n bytes (as Left, Mid, Right).
    CString LeftStr(int n) const { return Left(n); }
    CString MidStr(int n) const { return Mid(n); }
    CString RightStr(int n) const { return Right(n); }

    // The text without the first occurrence of sub (unchanged when absent or sub is empty).
    CString RemoveFirst(LPCTSTR sub) const;
    // The text without any occurrence of sub, also those that a removal forms ("aabb" without
    // "ab" gives ""); unchanged when sub is empty.
    CString RemoveAll(LPCTSTR sub) const;
    // The text without the first / every occurrence of the single-byte character ch; the second
    // byte of a double-byte character never counts. The zero byte leaves the text unchanged.
    CString RemoveFirstChar(TCHAR ch) const;
    CString RemoveAllChar(TCHAR ch) const;
    // White space removed at both ends.
    CString Trim() const;
    // The trimmed text; when it is at least 2 bytes long, one ch is removed from its start and
    // one from its end where the character there is ch (each end tested alone).
    CString StripEnclosing(TCHAR ch) const;
    // The separator inserted between the groups of three digits of the first run of ASCII
    // digits ("-1234567.8" with "," gives "-1,234,567.8"), then StripEnclosing of the separator.
    // A text without digits is returned unchanged.
    CString GroupDigits() const;
    // Splits the trimmed text into tokens at the separator and white space, replacing what
    // tokens held. Runs of separators give no empty token; a double quote opens a stretch that
    // the next one closes, in which separators and blanks are ordinary and a backslash keeps
    // the character after it. Quotes and backslashes stay in the tokens; a stretch never closed
    // runs to the end.
    void Tokenize(CStringList& tokens) const;
    // Where the tokens that Tokenize finds in the text (untrimmed) start, in order: the tokens of
    // the text after a separator outside quotes are those that start after it.
    std::vector<int> TokenStarts() const;
    // True when the text ends inside a quoted stretch as the tokenizer reads it: a double quote
    // opened and not yet closed.
    bool EndsInQuotes() const;

    // EndsInQuotes of a text that grows at its end, each byte read once: only the last character
    // given is read again with what comes after it (a backslash or a lead byte may take it in).
    class QuoteScan {
    public:
        // Adds text to the end of the text read.
        void Append(const CString& text);
        // EndsInQuotes of the text read followed by more; the text read stays as it is.
        bool EndsInQuotesWith(const CString& more) const;

    private:
        std::string m_tail;     // the text read from the start of its last character on
        bool m_inQuote = false; // whether that character stands inside a quoted stretch
    };

    // The process-wide separator.
    static TCHAR GetSeparator();
    static void SetSeparator(TCHAR separator);

    // Sets the separator for its lifetime and puts back the one it found.
    class SeparatorScope {
    public:
        explicit SeparatorScope(TCHAR separator);
        ~SeparatorScope();
        SeparatorScope(const SeparatorScope&) = delete;
        SeparatorScope& operator=(const SeparatorScope&) = delete;

    private:
        TCHAR m_saved;
    };

private:
    // Calls token with the start and end of each token of text, in order, as Tokenize finds them.
    static void ForEachToken(const std::string& text, const std::function<void(size_t start, size_t end)>& token);
};

// The character after the one at text (as CharNextA gives it: text itself at the end of the
// text); *length, when given, gets the byte length of the character at text (0 at the end).
// Null for a null text.
LPCTSTR CharNextCount(LPCTSTR text, int* length = nullptr);

// The number written with "%d".
CString IntToString(int value);
