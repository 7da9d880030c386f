#include "readers/ZnOldFormReaderDemNotif.h"

#include "model/ZnModelAppDemNotif.h"
#include "readers/ZnOldDataVersion.h"
#include "readers/ZnOldFormFields.h"
#include "readers/ZnOldFormItem.h"

#include <cstdlib>
#include <memory>

namespace {

using F = ZnOldFormFields;

enum ItemCode {
    itemPlace = 25010,         // 1.除却場所
    itemDate = 25020,          // 2.除却年月日
    itemMainUse = 25030,       // 3.主要用途
    itemCause = 25040,         // 4.除却原因
    itemStructure = 25050,     // 5.構造種別
    itemBuildingCount = 25060, // 6.建築物の数
    itemDwellingCount = 25070, // 7.住宅の戸数
    itemTenure = 25080,        // 8.住宅の利用関係
    itemFloorArea = 25090,     // 9.建築物の床面積の合計
    itemValue = 25100,         // 10.建築物の評価額
    itemContractor = 25900,    // 除却工事施工者
};

using Item = ZnOldFormItem<ZnModelAppDemNotif>;
using Fields = const CStringArray&;

const Item items[] = {
    {itemPlace, 2, [](ZnModelAppDemNotif& d, Fields f) { d.m_place = F::AddressLine(f[1]); }},
    {itemDate, 2, [](ZnModelAppDemNotif& d, Fields f) { d.m_date = F::Date(f[1]); }},
    {itemMainUse, 3, [](ZnModelAppDemNotif& d, Fields f) { F::SetUsage(d.m_mainUse, f[1], f[2]); }},
    {itemCause, 2, [](ZnModelAppDemNotif& d, Fields f) { d.m_cause = F::CodeOf<ZnModelCauseCode>(f[1]); }},
    {itemStructure, 2, [](ZnModelAppDemNotif& d, Fields f) { d.m_structure = F::CodeOf<ZnModelDemStrCode>(f[1]); }},
    {itemBuildingCount, 2, [](ZnModelAppDemNotif& d, Fields f) { d.m_buildingCount = std::atoi(f[1]); }},
    {itemDwellingCount, 2, [](ZnModelAppDemNotif& d, Fields f) { d.m_dwellingCount = std::atoi(f[1]); }},
    {itemTenure, 2, [](ZnModelAppDemNotif& d, Fields f) { d.m_tenure = F::CodeOf<ZnModelDemHouseCode>(f[1]); }},
    {itemFloorArea, 2, [](ZnModelAppDemNotif& d, Fields f) { d.m_floorArea = std::atof(f[1]); }},
    {itemValue, 2, [](ZnModelAppDemNotif& d, Fields f) { d.m_value = std::atoi(f[1]); }},
    {itemContractor, 6, [](ZnModelAppDemNotif& d, Fields f) { d.m_contractor = ZnOldFormPersonLayout::Contractor(f); }},
};

} // namespace

ZnModelApp* ZnOldFormReaderDemNotif::Read()
{
    auto notif = std::make_unique<ZnModelAppDemNotif>();
    if (!ReadFormFile(*this, m_basePath + m_formFolder + "Ksq001.250", items, *notif))
        return nullptr;
    SetBuildingNo(1);
    SetAppCommon(notif.get());
    return notif.release();
}

int ZnOldFormReaderDemNotif::IsVersionOK() { return AcceptsNotifVersion(m_indexColumns[columnVersion]); }

int ZnOldFormReaderDemNotif::AcceptsNotifVersion(const CString& version)
{
    return version.IsEmpty() || ZnOldDataVersion::IsLatest(version) ? 1 : 0;
}
