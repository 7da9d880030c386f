// CP932 (Shift-JIS) byte classes and the one pair of CP932 <-> UTF-8 conversions.
#pragma once

#include <string>

namespace cp932 {

// True for a byte that starts a double-byte character (81-9F, E0-FC).
inline bool IsLeadByte(unsigned char c) { return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC); }

// Length in bytes of the character starting at text[i] of a text of n bytes: 2 for a lead byte
// followed by another byte, else 1. A lead byte at the very end counts as one byte.
inline size_t CharLength(const char* text, size_t i, size_t n)
{
    return (IsLeadByte(static_cast<unsigned char>(text[i])) && i + 1 < n) ? 2 : 1;
}

// CP932 to UTF-8. A character that is not CP932 becomes one U+FFFD: a single byte outside the
// code, or a whole pair as CharLength counts it (a lead byte followed by a byte that cannot
// trail it, or a pair without a character), so that the byte after a lead byte never stands
// alone as "<", "/" or a quote. Never fails.
std::string ToUtf8(const std::string& cp932Text);

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
