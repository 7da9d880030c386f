// A count that an old floppy gives (the number of buildings of its index, say), read as the readers
// read every number (atoi: leading white space, a sign, the digits up to the first other
// character; no digits give 0), but bounded by what a floppy can hold.
//
// A floppy holds 1,474,560 bytes, and each thing that a count counts stands on it in a line of its
// own at least (an index row, a record, a file): a line of "#" and three digits with its CR LF, the
// shortest of them. A count past the floppy's bytes over that line cannot be backed by the
// floppy's own records, so it is damage, as is a negative count or one whose digits overflow:
// never a number to allocate or loop by.
#pragma once

#include "platform/core/CString.h"

class ZnOldFloppyCount {
public:
    static constexpr int floppyBytes = 1474560;
    static constexpr int shortestLine = 6; // "#001" and CR LF
    // The largest count that a floppy can back.
    static constexpr int most = floppyBytes / shortestLine;

    // TRUE with count set to the count that text gives; FALSE, count untouched, when that count
    // is negative or past most.
    static BOOL Read(const CString& text, int& count);
};
