#include "writers/XmlPieceWriters.h"

#include "writers/ZnAppDocFDOut00.h"

void WriteXmlLiteral(FILE* file, const CString& text) { ZnAppDocFDOut00::WriteUtf8(file, text); }

void WriteXmlValue(FILE* file, const CString& text)
{
    CString kept = ZnAppDocFDOut00::DropNonXmlChars(text);
    if (kept.GetLength() != text.GetLength())
        ZnAppDocFDOut00::NoteDroppedChars(file);
    ZnAppDocFDOut00::WriteUtf8(file, ZnAppDocFDOut00::EscapeXml(kept));
}
