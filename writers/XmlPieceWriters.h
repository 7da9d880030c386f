// Pieces of XML written to a stream that the caller has opened in text mode and closes, each
// built as an XmlText with LF line ends (the stream stores each as CR LF), converted to UTF-8 and
// written with one call. A piece whose values lost characters notes the stream for
// ZnWrittenFiles::CloseWrittenFile. Nothing here checks the stream or reports.
//
// The writers build their files whole (XmlText, ZnWrittenFiles::WriteWholeFile); these serve
// those who write a file in parts.
#pragma once

#include "platform/core/CString.h"
#include "writers/XmlText.h"

#include <cstdio>

// Writes a piece built for a stream in text mode (XmlText::Lf).
void WriteXmlText(FILE* file, const XmlText& piece);

// Builds a piece with build(XmlText&) and writes it.
template <typename Build> void WriteXmlPiece(FILE* file, Build build)
{
    XmlText piece(XmlText::Lf);
    build(piece);
    WriteXmlText(file, piece);
}

// Writes fixed markup, such as "\t<枝番>" or "</枝番>\n", unescaped (XmlText::Literal).
void WriteXmlLiteral(FILE* file, const CString& text);
// Writes a data value as XmlText::Value writes it; an empty value writes nothing.
void WriteXmlValue(FILE* file, const CString& text);
