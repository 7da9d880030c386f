// The two pieces that every XML file of the writers is made of, written to a stream that the
// caller has opened in text mode and closes: fixed markup, written as it stands, and data
// values, escaped. Both write UTF-8; neither knows of elements, checks the stream or reports.
//
// Callers spell out each element: a container is an indented start-tag line and an indented
// end-tag line, one tab per level below the root; a leaf is the indented start tag as a literal,
// the value, and the end tag with "\n" as a literal; an empty value leaves the tags side by side.
#pragma once

#include "platform/core/CString.h"

#include <cstdio>

// Writes fixed markup, such as "\t<枝番>" or "</枝番>\n", unescaped.
void WriteXmlLiteral(FILE* file, const CString& text);
// Writes a data value without the characters that XML cannot hold (control characters but tab,
// LF and CR; ZnAppDocFDOut00::DropNonXmlChars), noting the file when it loses any, and with "&",
// "<", ">", the double quote and the apostrophe escaped; an empty value writes nothing.
void WriteXmlValue(FILE* file, const CString& text);
