#include "readers/ZnOldFormReaderConstNotif.h"

#include "model/ZnModelAppConstNotif.h"
#include "readers/ZnOldFormFields.h"
#include "readers/ZnOldFormItem.h"
#include "readers/ZnOldFormReaderDemNotif.h"

#include <cstdlib>
#include <map>
#include <memory>

namespace {

using F = ZnOldFormFields;

enum ItemCode {
    itemOwnerKind = 24010,            // 1.建築主
    itemSite = 24020,                 // 2.敷地の位置
    itemPeriod = 24030,               // 3.工事予定期間
    itemConstKind = 24040,            // 4.工事種別
    itemMainUse = 24050,              // 5.主用用途
    itemBuilding = 24060,             // 6.一の建築物ごとの内容
    itemSiteArea = 24070,             // 7.新築工事の場合における敷地面積
    itemDwelling = 24080,             // 8.住宅部分の概要
    itemDemolitionUse = 24090,        // 9.主要用途 of the demolition
    itemDemolitionCause = 24100,      // 10.除却原因
    itemDemolitionStr = 24110,        // 11.構造種別
    itemDemolitionCount = 24120,      // 12.建築物の数
    itemDemolitionDwells = 24130,     // 13.住宅の戸数
    itemDemolitionTenure = 24140,     // 14.住宅の利用関係
    itemDemolitionArea = 24150,       // 15.建築物の床面積の合計
    itemDemolitionValue = 24160,      // 16.建築物の評価額
    itemOwner = 24900,                // 建築主住所氏名
    itemFiler = 24910,                // 工事施工者（設計者又は代理者）
    itemDemolitionContractor = 24920, // 除却工事施工者
};

// What one reading gathers besides the document: the building entries, which reach it at the
// end, and the demolition part, which reaches it with the contractor record.
struct State {
    ZnModelAppConstNotif& notif;
    ZnModelAppStrNotifList buildings;
    ZnModelAppDemData demolition;
    // The first building entry of each number, so that a form of many buildings reads in time.
    std::map<int, ZnModelAppStrNotif*> firstOfNumber;
};

using Item = ZnOldFormItem<State>;
using Fields = const CStringArray&;

// The two-digit number at first of the period field; digits the field lacks count as none.
int PeriodNumber(const CString& text, int first) { return std::atoi(text.Mid(first, 2)); }

void SetPeriod(State& s, Fields f)
{
    s.notif.m_periodStart = F::Date(f[1]);
    s.notif.m_periodEnd = F::Date(f[2]);
    s.notif.m_periodA = PeriodNumber(f[3], 0);
    s.notif.m_periodB = PeriodNumber(f[3], 2);
}

void AddBuilding(State& s, Fields f)
{
    ZnModelAppStrNotif* building = new ZnModelAppStrNotif;
    s.buildings.AddTail(building);
    building->m_number = std::atoi(f[1]);
    building->m_use = F::CodeOf<ZnModelStrUsageCode>(f[2]);
    building->m_multiUse = F::CodeOf<ZnModelMultiUsageCode>(f[3]);
    building->m_partStructure = F::CodeOf<ZnModelConstStrCode>(f[4]);
    building->m_area = std::atof(f[5]);
    building->m_count1 = std::atoi(f[6]);
    building->m_count2 = std::atoi(f[7]);
    building->m_count3 = std::atoi(f[8]);
    s.firstOfNumber.emplace(building->m_number, building);
}

// Sets the dwelling part on the first entry of the record's building number; none, nothing.
void SetDwelling(State& s, Fields f)
{
    auto found = s.firstOfNumber.find(std::atoi(f[1]));
    if (found == s.firstOfNumber.end())
        return;
    ZnModelAppStrNotif* building = found->second;
    building->m_housing1 = F::CodeOf<ZnModelNeoCode>(f[2]);
    building->m_housing2 = F::CodeOf<ZnModelFundCode>(f[3]);
    building->m_housing3 = F::CodeOf<ZnModelStructMethodCode>(f[4]);
    building->m_housing4 = F::CodeOf<ZnModelHouseTypeCode>(f[5]);
    building->m_housingCount1 = std::atoi(f[6]);
    building->m_housingArea1 = std::atof(f[7]);
    building->m_housingCount2 = std::atoi(f[8]);
    building->m_housingArea2 = std::atof(f[9]);
    building->m_housingCount3 = std::atoi(f[10]);
    building->m_housingArea3 = std::atof(f[11]);
    building->m_housingCount4 = std::atoi(f[12]);
    building->m_housingArea4 = std::atof(f[13]);
}

void SetDemolitionUse(State& s, Fields f)
{
    s.demolition.m_present = 1;
    F::SetUsage(s.demolition.m_mainUse, f[1], f[2]);
}

void CompleteDemolition(State& s, Fields f)
{
    s.demolition.m_contractor = ZnOldFormPersonLayout::Contractor(f);
    s.notif.m_demolition = s.demolition;
}

const Item items[] = {
    {itemOwnerKind, 4,
     [](State& s, Fields f) {
         s.notif.m_ownerType = F::CodeOf<ZnModelOwnerTypeCode>(f[1]);
         s.notif.m_ownerOcc = F::CodeOf<ZnModelOwnerOccCode>(f[2]);
         s.notif.m_ownerValue = std::atoi(f[3]);
     }},
    {itemSite, 3,
     [](State& s, Fields f) {
         s.notif.m_siteAddress = F::AddressLine(f[1]);
         s.notif.m_planArea = F::CodeOf<ZnModelAreaCode>(f[2]);
     }},
    {itemPeriod, 4, SetPeriod},
    {itemConstKind, 2, [](State& s, Fields f) { s.notif.m_constKind = F::CodeOf<ZnModelConstCode>(f[1]); }},
    {itemMainUse, 3, [](State& s, Fields f) { F::SetUsage(s.notif.m_mainUse, f[1], f[2]); }},
    {itemBuilding, 9, AddBuilding},
    {itemSiteArea, 2, [](State& s, Fields f) { s.notif.m_siteArea = std::atof(f[1]); }},
    {itemDwelling, 14, SetDwelling},
    {itemDemolitionUse, 3, SetDemolitionUse},
    {itemDemolitionCause, 2, [](State& s, Fields f) { s.demolition.m_cause = F::CodeOf<ZnModelCauseCode>(f[1]); }},
    {itemDemolitionStr, 2, [](State& s, Fields f) { s.demolition.m_structure = F::CodeOf<ZnModelDemStrCode>(f[1]); }},
    {itemDemolitionCount, 2, [](State& s, Fields f) { s.demolition.m_buildingCount = std::atoi(f[1]); }},
    {itemDemolitionDwells, 2, [](State& s, Fields f) { s.demolition.m_dwellingCount = std::atoi(f[1]); }},
    {itemDemolitionTenure, 2, [](State& s, Fields f) { s.demolition.m_tenure = F::CodeOf<ZnModelDemHouseCode>(f[1]); }},
    {itemDemolitionArea, 2, [](State& s, Fields f) { s.demolition.m_floorArea = std::atof(f[1]); }},
    {itemDemolitionValue, 2, [](State& s, Fields f) { s.demolition.m_value = std::atoi(f[1]); }},
    {itemOwner, 6, [](State& s, Fields f) { s.notif.SetOwner(ZnOldFormPersonLayout::Owner(f)); }},
    {itemFiler, 6, [](State& s, Fields f) { s.notif.SetAgent(ZnOldFormPersonLayout::Filer(f)); }},
    {itemDemolitionContractor, 6, CompleteDemolition},
};

} // namespace

ZnModelApp* ZnOldFormReaderConstNotif::Read()
{
    auto notif = std::make_unique<ZnModelAppConstNotif>();
    State state{*notif, {}, {}, {}};
    if (!ReadFormFile(*this, m_basePath + m_formFolder + "Ksq001.240", items, state))
        return nullptr;
    notif->SetStrNotifList(state.buildings);
    SetBuildingNo(1);
    SetAppCommon(notif.get());
    return notif.release();
}

int ZnOldFormReaderConstNotif::IsVersionOK()
{
    return ZnOldFormReaderDemNotif::AcceptsNotifVersion(m_indexColumns[columnVersion]);
}
