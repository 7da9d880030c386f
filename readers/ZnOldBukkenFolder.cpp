#include "readers/ZnOldBukkenFolder.h"

#include "platform/core/Cp932.h"
#include "platform/files/WinFileApi.h"
#include "readers/VhString.h"
#include "readers/ZnOldFormReader.h"
#include "readers/ZnOldFormReaderTable.h"

#include <algorithm>
#include <vector>

IMPLEMENT_DYNAMIC(ZnOldBukkenFolder, CObject)

namespace {

const TCHAR indexSeparator = ',';

size_t CharLengthAt(const CString& text, int i)
{
    return cp932::CharLength(text.Bytes().data(), static_cast<size_t>(i), text.Bytes().size());
}

// The index of the first separator of text from start on outside double quotes, read as the
// tokenizer reads them: a quote opens a stretch that the next one closes, and inside it a
// backslash keeps the character after it. -1 when there is none.
int FindOutsideQuotes(const CString& text, int start, TCHAR separator)
{
    bool inQuote = false;
    for (int i = start; i < text.GetLength();) {
        size_t length = CharLengthAt(text, i);
        char c = text[i];
        if (length == 1 && inQuote && c == '\\')
            length += CharLengthAt(text, i + 1);
        else if (length == 1 && c == '"')
            inQuote = !inQuote;
        else if (length == 1 && !inQuote && c == separator)
            return i;
        i += static_cast<int>(length);
    }
    return -1;
}

// A field trimmed; one that begins with a double quote without its first and last characters.
CString CleanIndexField(const CString& field)
{
    CString text = VhString(field).Trim();
    if (text.IsEmpty() || text[0] != '"')
        return text;
    int last = 0;
    for (int i = 0; i < text.GetLength(); i += static_cast<int>(CharLengthAt(text, i)))
        last = i;
    return last > 0 ? text.Mid(1, last - 1) : CString();
}

// The fields of an index line, cut as ZnOldFormReader::TakeFirstPart cuts them: a field ends at
// the next separator outside quotes, but the rest of the line is the last field when it has no
// such separator or holds one token. The tokens of the rest after a separator outside quotes are
// the line's own that start after it, so the line is tokenized once and read once.
CStringArray* SplitIndexLine(const CString& line)
{
    CStringArray* row = new CStringArray;
    std::vector<int> tokenStarts;
    {
        VhString::SeparatorScope scope(indexSeparator);
        tokenStarts = VhString(line).TokenStarts();
    }
    for (int start = 0;;) {
        const int pos = FindOutsideQuotes(line, start, indexSeparator);
        const auto tokensAfter = tokenStarts.end() - std::lower_bound(tokenStarts.begin(), tokenStarts.end(), start);
        if (pos < 0 || tokensAfter == 1) {
            row->Add(CleanIndexField(line.Mid(start)));
            return row;
        }
        row->Add(CleanIndexField(line.Mid(start, pos - start)));
        start = pos + 1;
    }
}

// The text of a column of a row, empty when the row is missing or shorter.
CString Column(const CPtrArray& rows, int row, int column)
{
    if (row >= rows.GetSize())
        return CString();
    const CStringArray* fields = static_cast<const CStringArray*>(rows[row]);
    return fields && column < fields->GetSize() ? fields->GetAt(column) : CString();
}

} // namespace

ZnOldBukkenFolder::ZnOldBukkenFolder()
    : m_basePath("A:\\"), m_appFolder("Sinsei\\"), m_formListFile("filename.000"), m_indexFolder("Info\\"),
      m_indexFile("filename.iba"), m_formFolder("Keikaku\\"), m_drawingFolder("Haichi\\"),
      m_receptionFolder("Uketuke\\"), m_receptionFile("uke001.000")
{
    m_siteMapBitmaps.Add("ksq310.bmp");
    m_siteMapBitmaps.Add("ksq320.bmp");
    m_layoutBitmaps.Add("ksq330.bmp");
    m_layoutBitmaps.Add("ksq340.bmp");
}

ZnOldBukkenFolder::~ZnOldBukkenFolder() = default;

int ZnOldBukkenFolder::Load(ZnOldBukkenReaderList*) { return 1; }

int ZnOldBukkenFolder::MakeTempIndex() { return 1; }

int ZnOldBukkenFolder::OpenFile(const CString& path) { return ZnOldFormReader::OpenTextFile(m_file, path); }

// Closed without the flush that a written file needs: a read-only file loses nothing.
void ZnOldBukkenFolder::CloseFile() { m_file.Abort(); }

int ZnOldBukkenFolder::ReadFormList(const CString& path, CStringArray& forms)
{
    if (!OpenFile(path) && !OpenFile(path))
        return 0;
    forms.RemoveAll();
    CString line;
    while (ZnOldFormReader::ReadTextLine(m_file, line))
        if (!line.IsEmpty())
            forms.Add(line.Mid(static_cast<int>(CharLengthAt(line, 0))));
    CloseFile();
    return 1;
}

int ZnOldBukkenFolder::ReadIndexRows(const CString& path, CPtrArray& rows)
{
    if (!OpenFile(path))
        return 0;
    CString line;
    while (ZnOldFormReader::ReadTextLine(m_file, line))
        if (!line.IsEmpty())
            rows.Add(SplitIndexLine(line));
    CloseFile();
    return 1;
}

void ZnOldBukkenFolder::ReadTempIndex(CPtrArray& rows)
{
    CString folder;
    if (!CreateTempFolder(folder))
        return;
    m_tempIndexPath = folder + "wexo000.iba";
    if (MakeTempIndex())
        ReadIndexRows(m_tempIndexPath, rows);
    DeleteFile(m_tempIndexPath);
    RemoveDirectory(folder);
}

int ZnOldBukkenFolder::CreateFormReaders(CPtrArray& rows, CPtrArray& readers)
{
    CString code = Column(rows, 0, ZnOldFormReader::columnAppType);
    ZnOldFormReaderTable::AppendReaders(ZnOldFormReaderTable::Rows(), code.IsEmpty() ? CString("0") : code, readers);
    for (int i = 0; i < readers.GetSize(); ++i)
        SetIndexValues(*static_cast<ZnOldFormReader*>(readers[i]), rows);
    return 1;
}

void ZnOldBukkenFolder::SetIndexValues(ZnOldFormReader& reader, const CPtrArray& rows)
{
    for (int column = 1; column < ZnOldFormReader::indexColumnCount; ++column)
        if (column != ZnOldFormReader::columnAppType)
            reader.m_indexColumns[column] = Column(rows, 0, column);
    reader.m_withSentinel = "0";
    reader.m_buildingNoText.Format("%03d", 1);
    for (int row = 1; row < rows.GetSize(); ++row) {
        for (int column = 0; column < ZnOldFormReader::rowListCount; ++column)
            reader.m_rowLists[column].AddTail(Column(rows, row, column));
        reader.m_rowNumbers.Add(Column(rows, row, ZnOldFormReader::rowColumnNumber));
    }
}
