#include "writers/XmlPieceWriters.h"

#include "writers/ZnAppDocFDOut00.h"

void WriteXmlLiteral(FILE* file, const CString& text) { ZnAppDocFDOut00::WriteUtf8(file, text); }

void WriteXmlValue(FILE* file, const CString& text)
{
    ZnAppDocFDOut00::WriteUtf8(file, ZnAppDocFDOut00::EscapeXml(text));
}
