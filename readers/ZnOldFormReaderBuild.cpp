#include "readers/ZnOldFormReaderBuild.h"

#include "model/ZnModelAppBuild.h"
#include "model/ZnModelAppWith.h"
#include "platform/files/CFileFind.h"
#include "readers/ZnOldDataVersion.h"
#include "readers/ZnOldFormBuildPages.h"
#include "readers/ZnOldFormFields.h"
#include "readers/ZnOldFormItem.h"

#include <cstdlib>

IMPLEMENT_DYNAMIC(ZnOldFormReaderBuild, ZnOldFormReader)

namespace {

typedef ZnOldFormPersonLayout::Record Record;
typedef ZnOldFormPersonLayout Persons;

CString Field(const Record& record, int n) { return ZnOldFormPersonLayout::Field(record, n); }
int IntField(const Record& record, int n) { return std::atoi(Field(record, n)); }
double RealField(const Record& record, int n) { return std::atof(Field(record, n)); }
int PartField(const Record& record, int n, int part)
{
    return std::atoi(ZnOldFormReader::GetSplitField(Field(record, n), '-', part));
}

JkModelName NameAndReading(const Record& record) { return ZnOldFormFields::Name(Field(record, 2), Field(record, 1)); }

// Page 110 while it is read.
struct Parties {
    ZnModelAppBuild& app;
    bool planChange;
    ZnModelOwnerList furtherOwners;
    ZnOldFormBuildPages::Records& records;
};

// A further designer, adviser or supervisor: the plan change keeps the record for the building
// pages, the confirmation appends the person to the application's list when it has a name.
template <typename Person>
void AddFurtherPerson(Parties& work, const Record& record, std::vector<Record> ZnOldFormBuildPages::Records::*records,
                      ZnModelList<Person> ZnModelAppBuild::*list, Person (*layout)(const Record&), int nameField)
{
    if (work.planChange)
        (work.records.*records).push_back(record);
    else if (!Field(record, nameField).IsEmpty())
        (work.app.*list).AddCopy(layout(record));
}

const ZnOldFormItem<Parties, Record> partyItems[] = {
    {11010, 6, [](Parties& w, const Record& r) { w.app.m_firstOwner = Persons::Owner(r); }},
    {11020, 12, [](Parties& w, const Record& r) { w.app.m_agent = Persons::Architect(r); }},
    {11030, 12, [](Parties& w, const Record& r) { w.app.m_designer = Persons::Architect(r); }},
    {11040, 6, [](Parties& w, const Record& r) { w.app.m_equipDesigner = Persons::Adviser(r); }},
    {11050, 12, [](Parties& w, const Record& r) { w.app.m_supervisor = Persons::Architect(r); }},
    {11060, 8, [](Parties& w, const Record& r) { w.app.m_constructor = Persons::Constructor(r); }},
    {11070, 2, [](Parties& w, const Record& r) { w.app.m_note = Field(r, 1); }},
    {11200, 6, [](Parties& w, const Record& r) { w.furtherOwners.AddCopy(Persons::Owner(r)); }},
    {11210, 2, [](Parties& w, const Record& r) { w.records.keys.push_back(Field(r, 1)); }},
    {11220, 12,
     [](Parties& w, const Record& r) {
         AddFurtherPerson(w, r, &ZnOldFormBuildPages::Records::designers, &ZnModelAppBuild::m_designerList,
                          Persons::Architect, 4);
     }},
    {11230, 6,
     [](Parties& w, const Record& r) {
         AddFurtherPerson(w, r, &ZnOldFormBuildPages::Records::equipDesigners, &ZnModelAppBuild::m_equipDesignerList,
                          Persons::Adviser, 1);
     }},
    {11240, 12,
     [](Parties& w, const Record& r) {
         AddFurtherPerson(w, r, &ZnOldFormBuildPages::Records::supervisors, &ZnModelAppBuild::m_supervisorList,
                          Persons::Architect, 4);
     }},
    {11250, 1, [](Parties& w, const Record& r) { w.records.constructors.push_back(r); }},
    {11260, 3, [](Parties& w, const Record& r) { w.app.m_name = NameAndReading(r); }},
    {11900, 3, [](Parties& w, const Record& r) { w.app.m_applicantName = NameAndReading(r); }},
};

// Page 120 while it is read.
struct Site {
    ZnModelAppSitePage page;
    ZnModelAppWith with;
};

// Sets flag to 1 or 0 when the code is one of the two, else leaves it.
void SetFlagByCode(int& flag, const CString& code, LPCTSTR oneCode, LPCTSTR zeroCode)
{
    if (code == oneCode)
        flag = 1;
    else if (code == zeroCode)
        flag = 0;
}

void AppendZone(Site& work, const Record& record)
{
    ZnModelAppEachZone* zone = new ZnModelAppEachZone;
    zone->m_area = RealField(record, 1);
    zone->m_areaText = Field(record, 2);
    zone->m_area2Omitted = zone->m_areaText.IsEmpty() ? 1 : 0;
    zone->m_useZoneCode.SetCode(Field(record, 3));
    zone->m_designatedFloorAreaRatio = RealField(record, 4);
    zone->m_coverageRatio = RealField(record, 5);
    work.page.m_siteArea.m_zoneList.AddTail(zone);
}

void ReadOtherZones(Site& work, const Record& record)
{
    work.page.m_otherZoneText = Field(record, 1);
    SetFlagByCode(work.page.m_otherZoneFlag1, Field(record, 2), "00901", "00902");
    if (record.size() > 3)
        SetFlagByCode(work.page.m_otherZoneFlag2, Field(record, 3), "00905", "00906");
}

ZnModelArea Area(const Record& record, int appPartField)
{
    ZnModelArea area;
    area.m_appPart = RealField(record, appPartField);
    area.m_otherPart = RealField(record, appPartField + 1);
    return area;
}

// The road, adjacent-land and north-side exemptions that a code of field 10 of 12130 sets.
struct Exemption {
    LPCTSTR code;
    int road, adjacent, north;
};
const Exemption exemptions[] = {
    {"01120", 1, 0, 0}, {"01130", 0, 1, 0}, {"01140", 0, 0, 1}, {"01150", 1, 1, 0},
    {"01160", 1, 0, 1}, {"01170", 0, 1, 1}, {"01180", 1, 1, 1},
};

void ReadHeightExemption(ZnModelAppTenkuritu& tenkuritu, const Record& record)
{
    if (record.size() > 9)
        SetFlagByCode(tenkuritu.m_first, Field(record, 9), "01110", "01100");
    if (record.size() <= 10)
        return;
    for (const Exemption& exemption : exemptions) {
        if (Field(record, 10) == exemption.code) {
            tenkuritu.m_roadLimitExempt = exemption.road;
            tenkuritu.m_adjacentLimitExempt = exemption.adjacent;
            tenkuritu.m_northLimitExempt = exemption.north;
        }
    }
}

void ReadHeights(Site& work, const Record& record)
{
    ZnModelAppSitePage& page = work.page;
    page.m_appMaxHeight = RealField(record, 1);
    page.m_appFloorsAbove = IntField(record, 2);
    page.m_appFloorsBelow = IntField(record, 3);
    page.m_otherMaxHeight = RealField(record, 4);
    page.m_otherFloorsAbove = IntField(record, 5);
    page.m_otherFloorsBelow = IntField(record, 6);
    page.m_mainStrKind.m_strKindCode.SetCode(Field(record, 7));
    page.m_mainStrKind.m_text = Field(record, 8);
    ReadHeightExemption(page.m_tenkuritu, record);
}

ZnModelInspDate InspDate(const Record& record)
{
    ZnModelInspDate stage;
    stage.m_count = IntField(record, 1);
    stage.m_date = ZnOldFormFields::Date(Field(record, 2));
    stage.m_name = Field(record, 3);
    return stage;
}

ZnModelLift Lift(const Record& record)
{
    ZnModelLift lift;
    lift.m_leadingValue = IntField(record, 1);
    lift.m_kindCode.SetCode(Field(record, 2));
    lift.m_kindText = Field(record, 3);
    lift.m_usageCode.SetCode(Field(record, 4));
    lift.m_usageText = Field(record, 5);
    lift.m_loadCapacity = RealField(record, 6);
    lift.m_maxPersons = IntField(record, 7);
    lift.m_ratedSpeed = RealField(record, 8);
    lift.m_otherMatters = Field(record, 9);
    return lift;
}

ZnModelStruct Structure(const Record& record)
{
    ZnModelStruct structure;
    structure.m_leadingValue = IntField(record, 1);
    structure.m_kindCode.SetCode(Field(record, 2));
    structure.m_kindText = Field(record, 3);
    structure.m_height = RealField(record, 4);
    structure.m_structureDetail = Field(record, 5);
    structure.SetConstKind(Field(record, 6), Field(record, 7));
    structure.m_remarks = Field(record, 8);
    return structure;
}

ZnModelAppSitePos SitePosition(const Record& record, int firstField)
{
    ZnModelAppSitePos position;
    for (int i = 0; i < 8; ++i)
        position.m_values[i] = PartField(record, firstField + i / 4, i % 4 + 1);
    return position;
}

const ZnOldFormItem<Site, Record> siteItems[] = {
    {12010, 2, [](Site& w, const Record& r) { w.page.m_lotAddress = ZnOldFormFields::AddressLine(Field(r, 1)); }},
    {12020, 2, [](Site& w, const Record& r) { w.page.m_displayAddress = ZnOldFormFields::AddressLine(Field(r, 1)); }},
    {12030, 3,
     [](Site& w, const Record& r) {
         w.page.SetUrbanPlanKind(Field(r, 1));
         w.page.m_urbanAreaCode.SetCode(Field(r, 2));
     }},
    {12040, 2, [](Site& w, const Record& r) { w.page.SetFireZone(Field(r, 1)); }},
    {12050, 3, ReadOtherZones},
    {12060, 3,
     [](Site& w, const Record& r) {
         w.page.m_roadWidth = RealField(r, 1);
         w.page.m_roadFrontage = RealField(r, 2);
     }},
    {12070, 9,
     [](Site& w, const Record& r) {
         AppendZone(w, r);
         w.page.m_siteArea.m_buildableFloorAreaRatio = RealField(r, 6);
         w.page.m_siteArea.m_buildableCoverageRatio = RealField(r, 7);
         w.page.m_siteArea.m_text = Field(r, 8);
     }},
    {12080, 3,
     [](Site& w, const Record& r) {
         w.page.m_mainUsageCode.SetCode(Field(r, 1));
         w.page.m_mainUsageText = Field(r, 2);
     }},
    {12090, 2, [](Site& w, const Record& r) { w.page.SetConstKind(Field(r, 1)); }},
    {12100, 3, [](Site& w, const Record& r) { w.page.m_buildingArea = Area(r, 1); }},
    {12110, 17,
     [](Site& w, const Record& r) {
         ZnModelAppTotalFloorArea& areas = w.page.m_totalFloorArea;
         areas.m_whole = Area(r, 3);
         areas.m_basementHousing = Area(r, 6);
         areas.m_commonCorridor = Area(r, 9);
         areas.m_garage = Area(r, 12);
         areas.m_housing = Area(r, 15);
     }},
    {12120, 3,
     [](Site& w, const Record& r) {
         w.page.m_appBuildingCount = IntField(r, 1);
         w.page.m_otherBuildingCount = IntField(r, 2);
     }},
    {12130, 9, ReadHeights},
    {12140, 2, [](Site& w, const Record& r) { w.page.m_permitText = Field(r, 1); }},
    {12150, 2, [](Site& w, const Record& r) { w.page.m_constStartDate = ZnOldFormFields::Date(Field(r, 1)); }},
    {12160, 2, [](Site& w, const Record& r) { w.page.m_constEndDate = ZnOldFormFields::Date(Field(r, 1)); }},
    {12170, 4, [](Site& w, const Record& r) { w.page.m_specStageDate = InspDate(r); }},
    {12180, 2, [](Site& w, const Record& r) { w.page.m_otherMatters = Field(r, 1); }},
    {12190, 2, [](Site& w, const Record& r) { w.page.m_remarks = Field(r, 1); }},
    {12195, 2, [](Site& w, const Record& r) { w.page.m_changeSummary = Field(r, 1); }},
    {12200, 2, [](Site& w, const Record& r) { w.page.SetFireZone(Field(r, 1)); }},
    {12210, 6, AppendZone},
    {12220, 2, [](Site& w, const Record& r) { w.page.SetConstKind(Field(r, 1)); }},
    {12230, 3,
     [](Site& w, const Record& r) {
         ZnModelAppStrKind kind;
         kind.m_strKindCode.SetCode(Field(r, 1));
         kind.m_text = Field(r, 2);
         w.page.m_strKindList.AddCopy(kind);
     }},
    {12240, 4, [](Site& w, const Record& r) { w.page.m_specStageList.AddCopy(InspDate(r)); }},
    {12250, 10, [](Site& w, const Record& r) { w.with.m_liftList.AddCopy(Lift(r)); }},
    {12260, 3,
     [](Site& w, const Record& r) {
         ZnModelEquip equipment;
         equipment.m_leadingValue = IntField(r, 1);
         equipment.m_text1 = Field(r, 2);
         w.with.m_equipList.AddCopy(equipment);
     }},
    {12270, 10, [](Site& w, const Record& r) { w.with.m_liftList2.AddCopy(Lift(r)); }},
    {12280, 9, [](Site& w, const Record& r) { w.with.m_structList.AddCopy(Structure(r)); }},
    {12285, 3,
     [](Site& w, const Record& r) {
         ZnModelStruct structure;
         structure.SetConstKind(Field(r, 1), Field(r, 2));
         w.with.m_structList.AddCopy(structure);
     }},
    {12900, 5,
     [](Site& w, const Record& r) {
         w.page.m_sitePos1 = SitePosition(r, 1);
         w.page.m_sitePos2 = SitePosition(r, 3);
     }},
};

const int plannedStartCode = 12150;

} // namespace

CString ZnOldFormReaderBuild::FormPath(LPCTSTR name) const { return m_basePath + m_formFolder + name; }

BOOL ZnOldFormReaderBuild::ReadBuildingForm(ZnModelAppBuild& app, ZnModelAppWith* with)
{
    int buildings = 0;
    if (!ReadBuildingCount(buildings))
        return FALSE;
    ZnOldFormBuildPages::Records records;
    if (!OpenDataFile(FormPath("Ksq001.110")))
        return FALSE;
    Parties parties = {app, with == nullptr, ZnModelOwnerList(), records};
    ReadFormItems(*this, partyItems, parties);
    app.m_furtherOwners = parties.furtherOwners;
    CloseDataFile();

    if (!OpenDataFile(FormPath("Ksq001.120")))
        return FALSE;
    Site site;
    ReadFormItems(*this, siteItems, site);
    app.m_sitePage = site.page;
    if (with)
        *with = site.with;
    CloseDataFile();

    ZnOldFormBuildPages pages(*this, records);
    if (!pages.Read(buildings, app.m_buildPageList))
        return FALSE;
    SetAppHeader(&app);
    SetBuildingNo(1);
    SetAppCommon(&app);
    return TRUE;
}

int ZnOldFormReaderBuild::IsVersionOK()
{
    const CString& version = m_indexColumns[columnVersion];
    if (!version.IsEmpty())
        return ZnOldDataVersion::IsLatest(version) ? 1 : 0;
    CString path = FormPath("Ksq001.120");
    CFileFind find;
    if (!find.FindFile(path) || !OpenDataFile(path))
        return 0;
    BOOL found = FALSE;
    CStringArray fields;
    while (!found && ReadRecord(fields))
        found = fields.GetSize() > 0 && GetItemCode(fields[0]) == plannedStartCode;
    CloseDataFile();
    return found;
}
