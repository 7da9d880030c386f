// The text form of a window placement: its ten fields after the length (flags, show command,
// minimized x and y, maximized x and y, normal left, top, right, bottom) as signed decimal numbers
// joined by one separator character, as "%i,%i,..." writes them.
#pragma once

#include "platform/files/Afx.h"

CString FormatPlacementText(const WINDOWPLACEMENT& placement, char separator);

// Reads such a text, as "%i,%i,..." scans it, into a placement that starts as zeros with its
// length set to 44: each field may be decimal, octal after a 0 or hex after 0x, with a sign; reading
// stops at the first field that is missing, not a number, out of the 32-bit range or not followed
// by the separator, and the fields from there on stay 0. A null text gives the zero placement.
WINDOWPLACEMENT ParsePlacementText(LPCTSTR text, char separator);
