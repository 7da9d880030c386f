// Quoting of a value for a Jet SQL literal.
#pragma once

#include "platform/core/CString.h"

// Writes every single-byte character of *text that is one of the bytes of chars twice (so that a
// quote becomes two quotes). Double-byte characters pass whole: their second byte is never
// compared. Characters are counted as cp932::CharLength counts them: a quote is never the second
// byte of a pair, so one after a lead byte is doubled too. Returns 1 when a byte was doubled; otherwise 0 with the text
// untouched, also for a null text or null or empty chars.
int DoubleQuoteChars(CString* text, LPCTSTR chars);
