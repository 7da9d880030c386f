#include "readers/ZnOldFormReaderSafeNotif.h"

#include "model/ZnModelAppSafeNotif.h"
#include "readers/ZnOldFormFields.h"
#include "readers/ZnOldFormItem.h"

#include <cstdlib>
#include <memory>

namespace {

using F = ZnOldFormFields;

enum ItemCode {
    itemOwner = 26010,        // 1.建築主
    itemAgent = 26020,        // 2.代理者
    itemOutline = 26030,      // 3.建築物の概要
    itemPlannedStart = 26040, // 4.工事着手予定年月日
    itemPlannedEnd = 26050,   // 5.工事完了予定年月日
    itemUsePeriod = 26060,    // 6.使用期間
    itemConfirmation = 26070, // 7.建築確認
    itemApproval = 26080,     // 8.仮使用承認
    itemRemarks = 26090,      // 9.備考
    itemFurtherOwner = 26200, // 建築主追加欄
    itemNotifier = 26900,     // 届出者名
};

// The document and the further owners, which reach it at the end.
struct State {
    ZnModelAppSafeNotif& notif;
    ZnModelOwnerList owners;
};

using Item = ZnOldFormItem<State>;
using Fields = const CStringArray&;

void SetOutline(State& s, Fields f)
{
    ZnModelAppSafeNotif& n = s.notif;
    n.m_buildingAddress = F::AddressLine(f[1]);
    n.m_buildingName = F::Name(f[3], f[2]);
    n.m_text1 = f[4];
    n.m_text2 = f[5];
    n.m_mainStructure = F::CodeOf<ZnModelMainStrKindCode>(f[6]);
    n.m_text3 = f[7];
    n.m_number1 = std::atoi(f[8]);
    n.m_number2 = std::atoi(f[9]);
    n.m_area1 = std::atof(f[10]);
    n.m_area2 = std::atof(f[11]);
    n.m_area3 = std::atof(f[12]);
}

const Item items[] = {
    {itemOwner, 6, [](State& s, Fields f) { s.notif.SetOwner(ZnOldFormPersonLayout::Owner(f)); }},
    {itemAgent, 12, [](State& s, Fields f) { s.notif.SetAgent(ZnOldFormPersonLayout::Architect(f)); }},
    {itemOutline, 13, SetOutline},
    {itemPlannedStart, 2, [](State& s, Fields f) { s.notif.m_plannedStart = F::Date(f[1]); }},
    {itemPlannedEnd, 2, [](State& s, Fields f) { s.notif.m_plannedEnd = F::Date(f[1]); }},
    {itemUsePeriod, 3,
     [](State& s, Fields f) {
         s.notif.m_useFrom = F::Date(f[1]);
         s.notif.m_useTo = F::Date(f[2]);
     }},
    {itemConfirmation, F::confirmationFields,
     [](State& s, Fields f) { s.notif.m_confirmation = F::Num(f[1], f[2], f[3]); }},
    {itemApproval, 3, [](State& s, Fields f) { s.notif.m_tempUseApproval = F::Num(f[1], f[2], ""); }},
    {itemRemarks, 2, [](State& s, Fields f) { s.notif.m_remarks = f[1]; }},
    {itemFurtherOwner, 6, [](State& s, Fields f) { s.owners.AddCopy(ZnOldFormPersonLayout::Owner(f)); }},
    {itemNotifier, 3, [](State& s, Fields f) { s.notif.SetApplicantName(F::Name(f[2], f[1])); }},
};

} // namespace

CString ZnOldFormReaderSafeNotif::FormPath() const { return m_basePath + m_formFolder + "Ksq001.260"; }

ZnModelApp* ZnOldFormReaderSafeNotif::Read()
{
    auto notif = std::make_unique<ZnModelAppSafeNotif>();
    State state{*notif, {}};
    if (!ReadFormFile(*this, FormPath(), items, state))
        return nullptr;
    notif->SetOwnerList(state.owners);
    SetBuildingNo(1);
    SetAppCommon(notif.get());
    return notif.release();
}

int ZnOldFormReaderSafeNotif::IsVersionOK()
{
    return ZnOldFormFields::AcceptsFormVersion(*this, FormPath(), itemConfirmation, itemConfirmation);
}
