#include "print/MFileCellData.h"

#include "print/MFileCellWords.h"

IMPLEMENT_DYNAMIC(MFileCellData, VhObject)

CString QuotedText(const CString& text)
{
    int open = text.Find('"');
    int close = open < 0 ? -1 : text.Find('"', open + 1);
    return close < 0 ? CString() : text.Mid(open + 1, close - open - 1);
}

bool MFileCellData::ReadLine(const CString& line, CString& key, CString& value, int& code)
{
    if (line.IsEmpty() || line[0] == '#')
        return false;
    int keyEnd = line.FindOneOf(" \t");
    if (keyEnd < 0 || keyEnd + 1 >= line.GetLength())
        return false;
    key = QuotedText(line.Left(keyEnd));
    CString rest = line.Mid(keyEnd + 1);
    int comma = rest.Find(',');
    CString valuePart = comma < 0 ? rest : rest.Left(comma);
    valuePart.TrimLeft();
    valuePart.TrimRight();
    value = QuotedText(valuePart);
    code = 0;
    if (comma >= 0) {
        CString word = rest.Mid(comma + 1);
        word.TrimLeft();
        word.TrimRight();
        code = cellwords::WordCode(word, 0);
    }
    return true;
}
