#include "fdimport/ZnUketukeNumbers.h"

#include "fdimport/ZnNumberEntry.h"
#include "model/ZnModelAppLocalData.h"

namespace {

const int kBuildingConfirmation = 100001;
const int kConstructionNotification = 100801;
const int kHeiseiOffset = 1988;

struct DateParts {
    int year, month, day; // -1 for a part that is no number
};

DateParts SplitDate(const CString& date)
{
    return {ZnNumberEntry::DecimalValue(date.Left(2)), ZnNumberEntry::DecimalValue(date.Mid(2, 2)),
            ZnNumberEntry::DecimalValue(date.Right(2))};
}

} // namespace

ZnModelNum ZnUketukeNumbers::RecordNumber(const ZnUketukeFile::Record& record)
{
    DateParts parts = SplitDate(record.date);
    return ZnNumberEntry::MakeNumber(record.number, "平成", parts.year, parts.month, parts.day);
}

BOOL ZnUketukeNumbers::RegisterDate(const CString& date, COleDateTime& result)
{
    DateParts parts = SplitDate(date);
    if (parts.year < 0 || parts.month < 0 || parts.day < 0)
        return FALSE;
    COleDateTime value;
    if (value.SetDate(parts.year + kHeiseiOffset, parts.month, parts.day) != 0)
        return FALSE;
    result = value;
    return TRUE;
}

// The first n groups of a list, one at a time from its head, so that the list is walked once
// whatever the number of records.
class ZnUketukeNumbers::GroupCursor {
public:
    GroupCursor(ZnModelNumGroupList& list, int n) : m_list(list), m_pos(list.GetHeadPosition()), m_left(n) {}
    // Whether a group is left; Next gives it (null for an empty entry) and moves on.
    bool HasNext() const { return m_left > 0 && m_pos; }
    ZnModelNumGroup* Next()
    {
        --m_left;
        return m_list.GetNext(m_pos);
    }

private:
    ZnModelNumGroupList& m_list;
    POSITION m_pos;
    int m_left;
};

void ZnUketukeNumbers::StoreInto(ZnModelNumGroup* group, const ZnModelNum& number, const ZnUketukeFile::Record& record,
                                 bool own)
{
    if (!group)
        return;
    group->SetFirstNum(number);
    if (!own)
        return;
    m_strLastNumber = record.number;
    m_strLastDate = record.date;
    m_bStored = true;
}

void ZnUketukeNumbers::StoreAll(ZnModelNumGroupList& list, int n, const ZnUketukeFile::Record& record)
{
    const ZnModelNum number = RecordNumber(record);
    for (GroupCursor groups(list, n); groups.HasNext();)
        StoreInto(groups.Next(), number, record, true);
}

void ZnUketukeNumbers::StoreNext(GroupCursor& groups, const ZnUketukeFile::Record& record, bool own)
{
    if (groups.HasNext())
        StoreInto(groups.Next(), RecordNumber(record), record, own);
}

ZnUketukeNumbers::Result ZnUketukeNumbers::Store(const ZnUketukeFile& file, int docKind, bool hasConstructionNotice,
                                                 ZnModelAppLocalData& local)
{
    m_strLastNumber.Empty();
    m_strLastDate.Empty();
    m_bStored = false;
    if (file.m_nCode == kBuildingConfirmation) {
        if (docKind == kConstructionNotification && !hasConstructionNotice)
            return noConstructionNotice;
        if (docKind != kBuildingConfirmation && docKind != kConstructionNotification)
            return kindMismatch;
        StoreBuildingFloppy(file, docKind, local);
        return stored;
    }
    if (docKind != file.m_nCode)
        return kindMismatch;
    StoreOtherFloppy(file, local);
    return stored;
}

void ZnUketukeNumbers::StoreBuildingFloppy(const ZnUketukeFile& file, int docKind, ZnModelAppLocalData& local)
{
    struct ObjectList {
        const char* tag;
        GroupCursor groups; // the k-th record of the tag goes to the k-th group
    };
    const int* counts = file.m_counts;
    ObjectList objects[] = {
        {"#161", {local.m_liftNumGroups, counts[ZnUketukeFile::liftCount]}},
        {"#171", {local.m_equipmentNumGroups, counts[ZnUketukeFile::equipCount]}},
        {"#181", {local.m_structureNumGroups, counts[ZnUketukeFile::structCount]}},
        {"#162", {local.m_secondLiftNumGroups, counts[ZnUketukeFile::structLiftCount]}},
    };
    const ZnUketukeFile::Record* own = nullptr; // the record that the own list takes
    for (const ZnUketukeFile::Record& record : file.m_records) {
        if (record.tag == "#110") {
            if (docKind == kBuildingConfirmation)
                own = &record; // the last one wins
            continue;
        }
        if (record.tag == "#240") {
            if (docKind == kBuildingConfirmation)
                continue;
            own = &record;
            break; // the notice's record is the last one a notification takes
        }
        for (ObjectList& object : objects)
            if (record.tag == object.tag)
                StoreNext(object.groups, record, false);
    }
    if (own)
        StoreAll(local.m_buildingNumGroups, counts[ZnUketukeFile::mainCount], *own);
}

void ZnUketukeNumbers::StoreOtherFloppy(const ZnUketukeFile& file, ZnModelAppLocalData& local)
{
    const int mainCount = file.m_counts[ZnUketukeFile::mainCount];
    if (ZnUketukeFile::IsBuildingCode(file.m_nCode)) {
        // An inspection's numbers come with the building's record; a plan change has its own.
        // The last one wins.
        CString tag = file.m_nCode == 100301 ? "#410" : "#110";
        const ZnUketukeFile::Record* last = nullptr;
        for (const ZnUketukeFile::Record& record : file.m_records)
            if (record.tag == tag)
                last = &record;
        if (last)
            StoreAll(local.m_buildingNumGroups, mainCount, *last);
        return;
    }
    CString tag = ZnUketukeFile::ObjectTag(file.m_nCode);
    if (tag.IsEmpty())
        return;
    GroupCursor groups(local.m_buildingNumGroups, mainCount);
    for (const ZnUketukeFile::Record& record : file.m_records)
        if (record.tag == tag)
            StoreNext(groups, record, true);
}
