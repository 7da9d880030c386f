// CP932 (Shift-JIS) byte classes and the one pair of CP932 <-> UTF-8 conversions.
#pragma once

#include <string>

namespace cp932 {

// True for a byte that starts a double-byte character (81-9F, E0-FC).
inline bool IsLeadByte(unsigned char c) { return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC); }

// True for a byte that can be the second byte of a double-byte character (40-7E, 80-FC).
inline bool IsTrailByte(unsigned char c) { return (c >= 0x40 && c <= 0x7E) || (c >= 0x80 && c <= 0xFC); }

// Length in bytes of the character starting at text[i] of a text of n bytes: 2 for a lead byte
// followed by a byte that can follow it, else 1. A lead byte before any other byte, or at the
// very end, is one character of its own (no CP932 character), and the byte after it stands on its
// own: every byte below 40, such as "<", "&", a quote, "/" or a control character, is always a
// character of its own.
inline size_t CharLength(const char* text, size_t i, size_t n)
{
    return (i + 1 < n && IsLeadByte(static_cast<unsigned char>(text[i])) &&
            IsTrailByte(static_cast<unsigned char>(text[i + 1])))
               ? 2
               : 1;
}

// CP932 to UTF-8, character by character as CharLength counts them. A character that is not
// CP932 becomes one U+FFFD: a single byte outside the code, a lead byte that starts no pair, or a
// pair of a lead and a second byte without a character. Never fails.
std::string ToUtf8(const std::string& cp932Text);

// True when every character of the text, as CharLength counts them, is a CP932 character: no
// byte outside the code, no lead byte that starts no pair, no pair without a character. Only such
// a text converts to UTF-8 without a U+FFFD, and so comes back from UTF-8 without a '?'.
bool IsCp932Text(const std::string& text);

// UTF-8 to CP932. A character that CP932 lacks, or invalid UTF-8, becomes '?'; never fails.
std::string FromUtf8(const std::string& utf8Text);

// The same conversion into cp932Text, replacing what it held and reusing its storage, and keeping
// no copy for texts that recur: for texts that seldom do, such as the cells of a table's rows.
void FromUtf8(const std::string& utf8Text, std::string& cp932Text);

// True when the text is well-formed UTF-8 as Unicode defines it: each character a sequence of
// Unicode's table of well-formed byte sequences, so no overlong form, surrogate or code point past
// U+10FFFF, and none cut off at the end.
bool IsWellFormedUtf8(const std::string& text);

} // namespace cp932
