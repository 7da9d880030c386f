// The renderer's attribute tables: colours, font faces and fill patterns by index, and the
// coordinate range that lines are clipped to.
#pragma once

#include "platform/wnd/WinGdi.h"
#include "print/VhFigureRect.h"

// 256 colours as blue, green, red and a reserved byte. Nothing fills the table: every entry is
// black.
extern BYTE VhColorTable[256][4];
// 32 face names; empty entries stand for the default face. Nothing fills the table.
extern CString VhFontFaceTable[32];
// 65 monochrome 8 × 8 patterns, each row's pixels in the low byte of a word, the leftmost in the
// top bit: the layout of a one-bit bitmap 8 pixels wide. A 1 bit leaves the background.
extern const WORD VhHatchPatterns[65][8];
// The logical range that lines are clipped to: (-8191, -8191) to (8191, 8191).
extern const VhFigureRect VhClipRect;

// The colour of an index; an index outside 0 to 255 is black, as every entry of the table is.
COLORREF VhColorOf(int index);
// The face of an index, taken modulo 32: the table's entry, or "ＭＳ 明朝" for an empty one.
CString VhFontFaceOf(int index);
// The pattern of a hatch index taken modulo 65, the remainder never negative (-2 is 63).
const WORD* VhHatchPatternOf(int hatch);
