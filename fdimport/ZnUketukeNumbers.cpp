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

void ZnUketukeNumbers::StoreInto(ZnModelNumGroup* group, const ZnUketukeFile::Record& record, bool own)
{
    if (!group)
        return;
    group->SetFirstNum(RecordNumber(record));
    if (!own)
        return;
    m_strLastNumber = record.number;
    m_strLastDate = record.date;
    m_bStored = true;
}

void ZnUketukeNumbers::StoreAll(ZnModelNumGroupList& list, int n, const ZnUketukeFile::Record& record)
{
    int position = 0;
    for (POSITION pos = list.GetHeadPosition(); pos && position < n; ++position)
        StoreInto(list.GetNext(pos), record, true);
}

void ZnUketukeNumbers::StoreKth(ZnModelNumGroupList& list, int n, int k, const ZnUketukeFile::Record& record, bool own)
{
    if (k > n)
        return;
    StoreInto(list.GetAtIndex(k - 1), record, own);
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
        ZnModelNumGroupList& list;
        int count;
        int k; // the records of the tag met so far, stored or not
    };
    const int* counts = file.m_counts;
    ObjectList objects[] = {
        {"#161", local.m_liftNumGroups, counts[ZnUketukeFile::liftCount], 0},
        {"#171", local.m_equipmentNumGroups, counts[ZnUketukeFile::equipCount], 0},
        {"#181", local.m_structureNumGroups, counts[ZnUketukeFile::structCount], 0},
        {"#162", local.m_secondLiftNumGroups, counts[ZnUketukeFile::structLiftCount], 0},
    };
    const int mainCount = counts[ZnUketukeFile::mainCount];
    for (const ZnUketukeFile::Record& record : file.m_records) {
        if (record.tag == "#110") {
            if (docKind == kBuildingConfirmation)
                StoreAll(local.m_buildingNumGroups, mainCount, record);
            continue;
        }
        if (record.tag == "#240") {
            if (docKind == kBuildingConfirmation)
                continue;
            StoreAll(local.m_buildingNumGroups, mainCount, record);
            return; // the notice's record is the last one a notification takes
        }
        for (ObjectList& object : objects)
            if (record.tag == object.tag)
                StoreKth(object.list, object.count, ++object.k, record, false);
    }
}

void ZnUketukeNumbers::StoreOtherFloppy(const ZnUketukeFile& file, ZnModelAppLocalData& local)
{
    const int mainCount = file.m_counts[ZnUketukeFile::mainCount];
    if (ZnUketukeFile::IsBuildingCode(file.m_nCode)) {
        // An inspection's numbers come with the building's record; a plan change has its own.
        CString tag = file.m_nCode == 100301 ? "#410" : "#110";
        for (const ZnUketukeFile::Record& record : file.m_records)
            if (record.tag == tag)
                StoreAll(local.m_buildingNumGroups, mainCount, record);
        return;
    }
    CString tag = ZnUketukeFile::ObjectTag(file.m_nCode);
    if (tag.IsEmpty())
        return;
    int k = 0;
    for (const ZnUketukeFile::Record& record : file.m_records)
        if (record.tag == tag)
            StoreKth(local.m_buildingNumGroups, mainCount, ++k, record, true);
}
