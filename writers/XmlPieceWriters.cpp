#include "writers/XmlPieceWriters.h"

#include "writers/ZnWrittenFiles.h"

void WriteXmlText(FILE* file, const XmlText& piece)
{
    if (piece.LostChars())
        ZnWrittenFiles::NoteDroppedChars(file);
    std::string utf8 = piece.Utf8();
    std::fwrite(utf8.data(), 1, utf8.size(), file);
}

void WriteXmlLiteral(FILE* file, const CString& text)
{
    WriteXmlPiece(file, [&](XmlText& piece) { piece.Literal(text); });
}

void WriteXmlValue(FILE* file, const CString& text)
{
    WriteXmlPiece(file, [&](XmlText& piece) { piece.Value(text); });
}
