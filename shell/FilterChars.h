// Removal of single-byte characters from a CP932 text, used when a short text is registered.
#pragma once

#include "platform/core/CString.h"

// Removes from text every single-byte character that occurs in set; a double-byte character
// stays whole even when its trail byte is in the set, a lead byte before a byte that cannot
// follow it stays as a character of its own, and a lead byte at the very end is dropped. Returns 1 when the text changed, else 0 (also for a null or empty set).
int FilterChars(CString& text, LPCSTR set);
