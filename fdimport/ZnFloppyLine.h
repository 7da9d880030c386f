// The line syntax of a floppy's text files (the index of an application floppy, the information
// file of an accepted floppy): field 0 a bare tag such as "#000", then fields enclosed in double
// quotes, all separated by commas, with no escape.
#pragma once

#include "platform/core/CString.h"

class ZnFloppyLine {
public:
    // Field n of line. Field 0 is the text before the first comma, as written (empty when the
    // line has no comma). A later field loses its first and last byte, untested and without
    // trimming, so that "" and a one-byte field give an empty text. A field that the line does
    // not have (a negative n, or fewer fields than n + 1) is empty.
    static CString GetField(int n, const CString& line);
    // The number that a field's leading digits give, read as the C runtime's atoi reads them
    // (blanks, a sign, digits; 0 without any). A number beyond an int is held at the largest or
    // smallest int, as Windows holds it, never wrapped.
    static int Number(const CString& field);
};
