#include "readers/ZnOldFormReader.h"

#include "model/ZnModelAppBuildConf.h"
#include "readers/VhString.h"
#include "readers/ZnOldFloppyCount.h"
#include "readers/ZnOldFloppyFile.h"

#include <cstdlib>

IMPLEMENT_DYNAMIC(ZnOldFormReader, CObject)

namespace {

const TCHAR recordSeparator = ',';
// What joins the pieces of a quoted value written over several lines.
const char pieceJoint[] = "\";\"";

// A field of a record without the ";" that the continued lines leave at its ends, and without
// its enclosing double quotes.
CString CleanField(const CString& token) { return VhString(VhString(token).StripEnclosing(';')).StripEnclosing('"'); }

// A line (read in text mode, so without its CR LF) that ends in a carriage return inside an open
// quoted value was broken by the value's own CR LF, which the writers store through text mode as
// CR CR LF. A doubled CR after a closed value is only a line end. record: the quotes of the record
// so far.
bool BreaksValue(const VhString::QuoteScan& record, const CString& line)
{
    return line.GetLength() > 0 && line[line.GetLength() - 1] == '\r' && record.EndsInQuotesWith(line);
}

ZnModelNumGroup* NewGroup(int itemNumber)
{
    ZnModelNumGroup* group = new ZnModelNumGroup;
    group->m_itemNumber = itemNumber;
    return group;
}

// One group per element of items, carrying the number that number gives of it.
template <typename E, typename Number>
void AppendGroups(ZnModelNumGroupList& groups, const ZnModelList<E>& items, Number number)
{
    for (POSITION pos = items.GetHeadPosition(); pos;)
        if (const E* item = items.GetNext(pos))
            groups.AddTail(NewGroup(number(*item)));
}

// The number that an accompanying application's element leads with.
const auto leadingValue = [](const auto& element) { return element.m_leadingValue; };

} // namespace

ZnOldFormReader::ZnOldFormReader() = default;

ZnOldFormReader::~ZnOldFormReader() = default;

int ZnOldFormReader::IsVersionOK() { return 1; }

int ZnOldFormReader::OpenTextFile(CStdioFile& file, const CString& path)
{
    return ZnOldFloppyFile::Open(file, path) == ZnOldFloppyFile::opened ? 1 : 0;
}

BOOL ZnOldFormReader::ReadTextLine(CStdioFile& file, CString& line)
{
    // The file was read whole when it opened (ZnOldFloppyFile): its lines cannot fail to read.
    return file.m_pStream && file.ReadString(line);
}

int ZnOldFormReader::OpenDataFile(const CString& path)
{
    if (OpenTextFile(m_dataFile, path))
        return 1;
    Refuse(path);
    return 0;
}

BOOL ZnOldFormReader::Refuse(const CString& path)
{
    m_errorText.Format("%s データファイルオープンエラー\n", static_cast<LPCTSTR>(path));
    return FALSE;
}

BOOL ZnOldFormReader::ReadBuildingCount(int& count)
{
    if (ZnOldFloppyCount::Read(m_indexColumns[columnBuildings], count))
        return TRUE;
    return Refuse(m_indexPath);
}

// Closed without the flush that a written file needs: a read-only file loses nothing.
void ZnOldFormReader::CloseDataFile() { m_dataFile.Abort(); }

BOOL ZnOldFormReader::ReadRecord(CStringArray& fields)
{
    fields.RemoveAll();
    CString record;
    // The record's quoted stretches, read as the record grows: a record of many lines is read in time.
    VhString::QuoteScan quotes;
    auto append = [&](const CString& piece) {
        record += piece;
        quotes.Append(piece);
    };
    BOOL ended = FALSE;
    bool inValue = false;
    CString line;
    while (!ended && ReadTextLine(m_dataFile, line)) {
        const CString trimmed = VhString(line).Trim();
        if (!inValue && (trimmed.IsEmpty() || trimmed.Left(2) == "/*"))
            continue;
        if (BreaksValue(quotes, line)) {
            // The value goes on with the next line, whatever it holds; its break comes back as CR LF.
            if (!inValue)
                line.TrimLeft();
            append(line.Left(line.GetLength() - 1) + "\r\n");
            inValue = true;
            continue;
        }
        if (inValue)
            line.TrimRight();
        else
            line = trimmed;
        inValue = false;
        append(line);
        ended = line.IsEmpty() || line[line.GetLength() - 1] != ';';
    }
    CStringList tokens;
    {
        VhString::SeparatorScope separator(recordSeparator);
        VhString(VhString(record).RemoveAll(pieceJoint)).Tokenize(tokens);
    }
    for (POSITION pos = tokens.GetHeadPosition(); pos;) {
        const CString& token = tokens.GetNext(pos);
        if (!token.IsEmpty())
            fields.Add(CleanField(token));
    }
    return ended;
}

BOOL ZnOldFormReader::TakeFirstPart(CString& rest, TCHAR separator, int pos, CString& part)
{
    CStringList tokens;
    if (pos >= 0) {
        VhString::SeparatorScope scope(separator);
        VhString(rest).Tokenize(tokens);
    }
    if (pos < 0 || tokens.GetCount() == 1) {
        part = rest;
        rest.Empty();
        return TRUE;
    }
    part = rest.Left(pos);
    rest = rest.Mid(pos + 1);
    return FALSE;
}

int ZnOldFormReader::GetItemCode(const CString& field) { return std::atoi(field.Mid(1, 5)); }

CString ZnOldFormReader::GetSplitField(const CString& value, TCHAR separator, int n)
{
    CString rest = value;
    CString part;
    for (int i = 0; i < n; ++i)
        if (TakeFirstPart(rest, separator, rest.Find(separator), part))
            break;
    return VhString(part).Trim();
}

CString ZnOldFormReader::DropSecondZero(const CString& value)
{
    if (value.GetLength() < 2 || value[1] != '0')
        return value;
    CString dropped;
    dropped.Format("%s%s", static_cast<LPCTSTR>(value.Left(1)), static_cast<LPCTSTR>(value.Mid(2)));
    return dropped;
}

bool ZnOldFormReader::HasAccompanyingApps() const
{
    for (int column = columnLifts; column <= columnStructures; ++column)
        if (m_indexColumns[column] != "0")
            return true;
    return m_withSentinel != "0";
}

int ZnOldFormReader::SetAppHeader(ZnModelApp* app)
{
    if (!app)
        return 1;
    const bool building = app->IsKindOf(RUNTIME_CLASS(ZnModelAppBuild));
    int buildings = 0;
    if (!building && !ReadBuildingCount(buildings))
        return 0;
    ZnModelAppHeader header;
    header.m_headerNumber = std::atoi(m_indexColumns[columnHeaderNumber]);
    ZnModelAppLocalData& localData = header.m_localData;
    localData.m_documentKind.SetCode(m_appTypeCode);
    if (building) {
        AppendGroups(localData.m_buildingNumGroups, static_cast<ZnModelAppBuild*>(app)->m_buildPageList,
                     [](const ZnModelAppBuildPage& page) { return page.m_buildingNumber; });
    } else {
        for (int i = buildings; i > 0; --i)
            localData.m_buildingNumGroups.AddTail(NewGroup(m_buildingNo));
    }
    localData.m_firstLocalNumber = HasAccompanyingApps() ? 1 : 0;
    if (localData.m_firstLocalNumber && app->IsKindOf(RUNTIME_CLASS(ZnModelAppBuildConf))) {
        const ZnModelAppWith& with = static_cast<ZnModelAppBuildConf*>(app)->m_with;
        AppendGroups(localData.m_liftNumGroups, with.m_liftList, leadingValue);
        AppendGroups(localData.m_equipmentNumGroups, with.m_equipList, leadingValue);
        AppendGroups(localData.m_secondLiftNumGroups, with.m_liftList2, leadingValue);
        AppendGroups(localData.m_structureNumGroups, with.m_structList, leadingValue);
    }
    app->m_header = header;

    // The further rows' dates are six digits of a 平成 date: year of the era, month, day.
    ZnModelDate date;
    if (!m_rowLists[rowColumnDate].IsEmpty()) {
        CString text = "02" + m_rowLists[rowColumnDate].GetHead();
        if (text.GetLength() > 2)
            date.SetDateString(text);
    }
    app->m_applicationDate = date;
    return 1;
}

int ZnOldFormReader::SetAppKind(ZnModelApp* app)
{
    if (!app)
        return 1;
    app->m_header.m_headerNumber = std::atoi(m_indexColumns[columnHeaderNumber]);
    app->m_header.m_localData.m_documentKind.SetCode(m_appTypeCode);
    return 1;
}

int ZnOldFormReader::SetAppCommon(ZnModelApp* app)
{
    if (!app)
        return 1;
    SetAppKind(app);
    ZnModelNumGroupList& groups = app->m_header.m_localData.m_buildingNumGroups;
    if (groups.IsEmpty()) {
        ZnModelNumGroup* group = NewGroup(m_buildingNo);
        if (m_indexPosition >= 1 && m_indexPosition <= m_rowNumbers.GetSize())
            group->m_firstNumber.SetNumber(m_rowNumbers[m_indexPosition - 1]);
        groups.AddTail(group);
        return 1;
    }
    // A group that carries a number already, such as a building page's, keeps it.
    int row = 0;
    for (POSITION pos = groups.GetHeadPosition(); pos && row < m_rowNumbers.GetSize(); ++row) {
        ZnModelNumGroup* group = groups.GetNext(pos);
        if (!group)
            continue;
        if (group->m_itemNumber == 0)
            group->m_itemNumber = m_buildingNo;
        ZnModelNum number;
        number.SetNumber(m_rowNumbers[row]);
        group->m_firstNumber = number;
    }
    return 1;
}
