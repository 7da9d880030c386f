#include "readers/ZnOldFormBuildPages.h"

#include "readers/ZnOldDataVersion.h"
#include "readers/ZnOldFormItem.h"

#include <cstdlib>
#include <map>
#include <string>

namespace {

typedef ZnOldFormPersonLayout::Record Record;

CString Field(const Record& record, int n) { return ZnOldFormPersonLayout::Field(record, n); }
int IntField(const Record& record, int n) { return std::atoi(Field(record, n)); }
double RealField(const Record& record, int n) { return std::atof(Field(record, n)); }

const int noPosition = -1;

// A building's summary while its page-130 file is read.
struct Summary {
    ZnModelAppBuildPage& page;
    // Data of the versions before 6.40 write the special case of confirmation without the
    // certification number, and the number as the third remark line instead.
    bool olderVersion;
    bool version600;
    int remarkLine;
};

void AppendUsage(Summary& work, const Record& record)
{
    ZnModelAppUsage* usage = new ZnModelAppUsage;
    usage->m_usageCode.SetCode(Field(record, 1));
    usage->m_text = Field(record, 2);
    work.page.m_usageList.AddTail(usage);
}

ZnModelAppStrKind StrKind(const Record& record)
{
    ZnModelAppStrKind kind;
    kind.m_strKindCode.SetCode(Field(record, 1));
    kind.m_text = Field(record, 2);
    return kind;
}

void ReadConfException(Summary& work, const Record& record)
{
    if (static_cast<int>(record.size()) < (work.olderVersion ? 4 : 5))
        return;
    ZnModelAppExcept& exception = work.page.m_confException;
    exception.SetApplyByCode(Field(record, 1));
    exception.m_buildingClassCode.SetCode(Field(record, 2));
    exception.m_text = Field(record, 3);
    work.page.m_certNumber = work.olderVersion ? CString() : Field(record, 4);
}

void ReadFurtherRemark(Summary& work, const Record& record)
{
    if (work.remarkLine == 2)
        work.page.m_remarks2 = Field(record, 1);
    else if (work.remarkLine == 3)
        work.page.m_remarks3 = Field(record, 1);
    else if (work.remarkLine == 4 && work.version600)
        work.page.m_certNumber = Field(record, 1);
    ++work.remarkLine;
}

const ZnOldFormItem<Summary, Record> summaryItems[] = {
    {13010, 2, [](Summary& w, const Record& r) { w.page.m_buildingNumber = IntField(r, 1); }},
    {13020, 3, AppendUsage},
    {13200, 3,
     [](Summary& w, const Record& r) {
         if (Field(r, 0).Left(1) == "#")
             AppendUsage(w, r);
     }},
    {13030, 2, [](Summary& w, const Record& r) { w.page.SetConstKind(Field(r, 1)); }},
    {13210, 2, [](Summary& w, const Record& r) { w.page.SetConstKind(Field(r, 1)); }},
    {13040, 3, [](Summary& w, const Record& r) { w.page.m_strKind = StrKind(r); }},
    {13220, 3, [](Summary& w, const Record& r) { w.page.m_strKindList.AddCopy(StrKind(r)); }},
    {13050, 2, [](Summary& w, const Record& r) { w.page.m_fireProofCode.SetCode(Field(r, 1)); }},
    {13060, 5,
     [](Summary& w, const Record& r) {
         w.page.m_floorsAboveGround = IntField(r, 1);
         w.page.m_floorsBelowGround = IntField(r, 2);
         w.page.m_penthouseFloors = IntField(r, 3);
         w.page.m_basementStoreFloors = IntField(r, 4);
     }},
    {13070, 3,
     [](Summary& w, const Record& r) {
         w.page.m_maxHeight = RealField(r, 1);
         w.page.m_maxEavesHeight = RealField(r, 2);
     }},
    {13080, 2, [](Summary& w, const Record& r) { w.page.m_equipKinds = Field(r, 1); }},
    {13090, 4, ReadConfException},
    {13100, 4,
     [](Summary& w, const Record& r) {
         ZnModelAppFloorOutline* floor = new ZnModelAppFloorOutline;
         floor->m_floorText = ZnOldFormReader::DropSecondZero(Field(r, 1));
         floor->m_floorArea.m_appPart = RealField(r, 2);
         floor->m_floorArea.m_otherPart = RealField(r, 3);
         w.page.m_floorOutlineList.AddTail(floor);
     }},
    {13110, 2, [](Summary& w, const Record& r) { w.page.m_roof = Field(r, 1); }},
    {13120, 2, [](Summary& w, const Record& r) { w.page.m_outerWall = Field(r, 1); }},
    {13130, 2, [](Summary& w, const Record& r) { w.page.m_eaves = Field(r, 1); }},
    {13140, 2, [](Summary& w, const Record& r) { w.page.m_roomFloorHeight = IntField(r, 1); }},
    {13150, 2, [](Summary& w, const Record& r) { w.page.m_toiletKind = Field(r, 1); }},
    {13160, 2, [](Summary& w, const Record& r) { w.page.m_text2 = Field(r, 1); }},
    {13170, 2, [](Summary& w, const Record& r) { w.page.m_remarks1 = Field(r, 1); }},
    {13175, 2, [](Summary& w, const Record& r) { w.page.m_changeSummary = Field(r, 1); }},
    {13900, 2, ReadFurtherRemark},
};

void AppendUseFloorArea(ZnModelAppFloorOutline& floor, const Record& record)
{
    ZnModelAppUseFloorArea* area = new ZnModelAppUseFloorArea;
    area->m_usageCode.SetCode(Field(record, 1));
    area->m_text = Field(record, 2);
    area->m_floorArea = RealField(record, 3);
    floor.m_useFloorAreaList.AddTail(area);
}

// The records of a floor after its 14020 record.
const ZnOldFormItem<ZnModelAppFloorOutline, Record> floorItems[] = {
    {14030, 2, [](ZnModelAppFloorOutline& f, const Record& r) { f.m_columnDiameter = IntField(r, 1); }},
    {14040, 2, [](ZnModelAppFloorOutline& f, const Record& r) { f.m_beamDistance = IntField(r, 1); }},
    {14050, 2, [](ZnModelAppFloorOutline& f, const Record& r) { f.m_floorHeight = IntField(r, 1); }},
    {14060, 2, [](ZnModelAppFloorOutline& f, const Record& r) { f.m_ceilingHeight = IntField(r, 1); }},
    {14070, 4, AppendUseFloorArea},
    {14200, 4, AppendUseFloorArea},
    {14080, 2, [](ZnModelAppFloorOutline& f, const Record& r) { f.m_otherMatters = Field(r, 1); }},
    {14090, 2, [](ZnModelAppFloorOutline& f, const Record& r) { f.m_remarks = Field(r, 1); }},
    {14095, 2, [](ZnModelAppFloorOutline& f, const Record& r) { f.m_text1 = Field(r, 1); }},
};

const int floorCode = 14020;
const int buildingNumberCode = 14010;

// The areas of the page-130 floors on the pages of the building number, by designation: of a
// page's floors of one designation the first counts, and of the pages the last that has one.
// Gathered once per page 140, so that a floppy of many floors reads in time.
std::map<std::string, ZnModelArea> FloorAreas(const ZnModelAppBuildPageList& pages, int building)
{
    std::map<std::string, ZnModelArea> areas;
    for (POSITION pos = pages.GetHeadPosition(); pos;) {
        const ZnModelAppBuildPage* page = pages.GetNext(pos);
        if (page->m_buildingNumber != building)
            continue;
        std::map<std::string, ZnModelArea> pageAreas;
        for (POSITION floorPos = page->m_floorOutlineList.GetHeadPosition(); floorPos;) {
            const ZnModelAppFloorOutline* floor = page->m_floorOutlineList.GetNext(floorPos);
            pageAreas.emplace(floor->m_floorText.Bytes(), floor->m_floorArea);
        }
        for (const auto& [designation, area] : pageAreas)
            areas[designation] = area;
    }
    return areas;
}

} // namespace

ZnOldFormBuildPages::ZnOldFormBuildPages(ZnOldFormReader& reader, const Records& records)
    : m_reader(reader), m_records(records)
{
}

BOOL ZnOldFormBuildPages::Read(int count, ZnModelAppBuildPageList& pages)
{
    for (int building = 1; building <= count; ++building) {
        ZnModelAppBuildPage* page = ReadSummary(building);
        if (!page)
            return FALSE;
        pages.AddTail(page);
    }
    int building = 1;
    for (POSITION pos = pages.GetHeadPosition(); pos && building <= count; ++building)
        if (!ReadFloors(building, *pages.GetNext(pos), pages))
            break;
    return TRUE;
}

CString ZnOldFormBuildPages::PagePath(int building, LPCTSTR extension) const
{
    CString name;
    name.Format("Ksq%03d%s", building, extension);
    return m_reader.m_basePath + m_reader.m_formFolder + name;
}

int ZnOldFormBuildPages::RecordPosition(const CString& path, int building)
{
    if (m_records.keys.empty())
        return building - 1;
    if (!m_reader.OpenDataFile(path))
        return noPosition;
    CString key;
    bool found = false;
    CStringArray fields;
    while (!found && m_reader.ReadRecord(fields)) {
        if (fields.GetSize() >= 2 && ZnOldFormReader::GetItemCode(fields[0]) == 13010) {
            key = fields[1];
            found = true;
        }
    }
    m_reader.CloseDataFile();
    for (size_t i = 0; found && i < m_records.keys.size(); ++i)
        if (m_records.keys[i] == key)
            return static_cast<int>(i);
    return noPosition;
}

void ZnOldFormBuildPages::AssignPersons(ZnModelAppBuildPage& page, int position) const
{
    if (position < 0)
        return;
    size_t at = static_cast<size_t>(position);
    if (at < m_records.designers.size())
        page.m_designer = ZnOldFormPersonLayout::Architect(m_records.designers[at]);
    if (at < m_records.supervisors.size())
        page.m_supervisor = ZnOldFormPersonLayout::Architect(m_records.supervisors[at]);
    if (at < m_records.equipDesigners.size())
        page.m_equipDesigner = ZnOldFormPersonLayout::Adviser(m_records.equipDesigners[at]);
    if (at < m_records.constructors.size())
        page.m_constructor = ZnOldFormPersonLayout::Constructor(m_records.constructors[at]);
}

ZnModelAppBuildPage* ZnOldFormBuildPages::ReadSummary(int building)
{
    CString path = PagePath(building, ".130");
    int position = RecordPosition(path, building);
    if (!m_reader.OpenDataFile(path))
        return nullptr;
    ZnModelAppBuildPage* page = new ZnModelAppBuildPage;
    AssignPersons(*page, position);
    const CString& version = m_reader.m_indexColumns[ZnOldFormReader::columnVersion];
    Summary work = {*page, !version.IsEmpty() && !ZnOldDataVersion::IsLatest(version),
                    ZnOldDataVersion::IsFirst(version), 2};
    ReadFormItems(m_reader, summaryItems, work);
    m_reader.CloseDataFile();
    return page;
}

BOOL ZnOldFormBuildPages::ReadFloors(int building, ZnModelAppBuildPage& page, const ZnModelAppBuildPageList& pages)
{
    if (!m_reader.OpenDataFile(PagePath(building, ".140")))
        return FALSE;
    // Taken at the first floor: a 14010 record before it may renumber the page.
    std::map<std::string, ZnModelArea> areas;
    ZnModelAppFloorOutlineList floors;
    ZnModelAppFloorOutline* floor = nullptr;
    CStringArray fields;
    while (m_reader.ReadRecord(fields)) {
        if (fields.GetSize() == 0)
            continue;
        int code = ZnOldFormReader::GetItemCode(fields[0]);
        if (code == floorCode) {
            if (!floor)
                areas = FloorAreas(pages, building);
            floor = new ZnModelAppFloorOutline;
            floors.AddTail(floor);
            if (fields.GetSize() >= 2) {
                floor->m_floorText = ZnOldFormReader::DropSecondZero(fields[1]);
                auto area = areas.find(floor->m_floorText.Bytes());
                if (area != areas.end())
                    floor->m_floorArea = area->second;
            }
        } else if (floor) {
            ApplyFormItem(floorItems, *floor, fields);
        } else if (code == buildingNumberCode && fields.GetSize() >= 2) {
            page.m_buildingNumber = std::atoi(fields[1]);
        }
    }
    m_reader.CloseDataFile();
    page.m_floorOutlineList = floors;
    return TRUE;
}
