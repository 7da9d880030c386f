#include "readers/ZnOldFormReaderTempUseConf.h"

#include "model/ZnModelAppTempUseConf.h"
#include "readers/ZnOldFormFields.h"
#include "readers/ZnOldFormItem.h"

#include <cstdlib>
#include <memory>

namespace {

using F = ZnOldFormFields;

// The items of the form "#220"; the form "#230" has no planned dates and numbers the rest on.
enum ItemCode {
    itemHeader = 22000,       // 22000 to 22005: the last digit is the form digit
    itemOwner = 22010,        // 1.建築主、設置者又は築造主
    itemAgent = 22020,        // 2.代理者
    itemConfirmation = 22030, // 3.建築確認
    itemSite = 22040,         // 4.敷地の位置
    itemObject = 22050,       // 5.設置する建築物又は工作物
    itemUse = 22060,          // 6.仮使用の用途
    itemPlannedStart = 22070, // 7.工事着手予定年月日
    itemPlannedEnd = 22080,   // 8.工事完了予定年月日
    itemPeriod = 22090,       // 9.仮使用期間
    itemReason = 22100,       // 10.申請の理由
    itemRemarks = 22110,      // 11.備考
    itemFurtherOwner = 22200, // 建築主、設置者又は築造主追加欄
    itemApplicant = 22900,    // 申請者名
    officialItems = 1000,     // what the form "#230" adds to a code of the same item
    officialPeriod = 23070,   // 7.仮使用期間
    officialReason = 23080,   // 8.申請の理由
    officialRemarks = 23090,  // 9.備考
};

// The document and the further owners, which reach it at the end.
struct State {
    ZnModelAppTempUseConf& conf;
    ZnModelOwnerList owners;
};

using Item = ZnOldFormItem<State>;
using Fields = const CStringArray&;

void SetFormDigit(State& s, Fields f) { s.conf.m_formDigit = ZnOldFormReader::GetItemCode(f[0]) % 10; }
void SetOwner(State& s, Fields f) { s.conf.SetOwner(ZnOldFormPersonLayout::Owner(f)); }
void SetAgent(State& s, Fields f) { s.conf.SetAgent(ZnOldFormPersonLayout::Architect(f)); }
void SetConfirmation(State& s, Fields f) { s.conf.m_confirmation = F::Num(f[1], f[2], f[3]); }
void SetSite(State& s, Fields f)
{
    s.conf.m_siteAddress1 = F::AddressLine(f[1]);
    s.conf.m_siteAddress2 = F::AddressLine(f[2]);
}
void SetObject(State& s, Fields f)
{
    s.conf.m_objectAddress = F::AddressLine(f[1]);
    s.conf.m_objectName = F::Name(f[3], f[2]);
}
void SetUse(State& s, Fields f) { s.conf.m_useText = f[1]; }
void SetPlannedStart(State& s, Fields f) { s.conf.m_plannedStart = F::Date(f[1]); }
void SetPlannedEnd(State& s, Fields f) { s.conf.m_plannedEnd = F::Date(f[1]); }
void SetPeriod(State& s, Fields f)
{
    s.conf.m_useFrom = F::Date(f[1]);
    s.conf.m_useTo = F::Date(f[2]);
}
void SetReason(State& s, Fields f) { s.conf.m_reason = f[1]; }
void SetRemarks(State& s, Fields f) { s.conf.m_remarks = f[1]; }
void AddFurtherOwner(State& s, Fields f) { s.owners.AddCopy(ZnOldFormPersonLayout::Owner(f)); }
void SetApplicant(State& s, Fields f) { s.conf.SetApplicantName(F::Name(f[2], f[1])); }

const int official = officialItems;

const Item items[] = {
    {itemHeader, 1, SetFormDigit},
    {itemHeader + 1, 1, SetFormDigit},
    {itemHeader + 2, 1, SetFormDigit},
    {itemHeader + 3, 1, SetFormDigit},
    {itemHeader + 4, 1, SetFormDigit},
    {itemHeader + 5, 1, SetFormDigit},
    {itemOwner, 6, SetOwner},
    {itemAgent, 12, SetAgent},
    {itemConfirmation, F::confirmationFields, SetConfirmation},
    {itemSite, 3, SetSite},
    {itemObject, 4, SetObject},
    {itemUse, 2, SetUse},
    {itemPlannedStart, 2, SetPlannedStart},
    {itemPlannedEnd, 2, SetPlannedEnd},
    {itemPeriod, 3, SetPeriod},
    {itemReason, 2, SetReason},
    {itemRemarks, 2, SetRemarks},
    {itemFurtherOwner, 6, AddFurtherOwner},
    {itemApplicant, 3, SetApplicant},
    {itemHeader + official, 1, SetFormDigit},
    {itemHeader + official + 1, 1, SetFormDigit},
    {itemHeader + official + 2, 1, SetFormDigit},
    {itemHeader + official + 3, 1, SetFormDigit},
    {itemHeader + official + 4, 1, SetFormDigit},
    {itemHeader + official + 5, 1, SetFormDigit},
    {itemOwner + official, 6, SetOwner},
    {itemAgent + official, 12, SetAgent},
    {itemConfirmation + official, F::confirmationFields, SetConfirmation},
    {itemSite + official, 3, SetSite},
    {itemObject + official, 4, SetObject},
    {itemUse + official, 2, SetUse},
    {officialPeriod, 3, SetPeriod},
    {officialReason, 2, SetReason},
    {officialRemarks, 2, SetRemarks},
    {itemFurtherOwner + official, 6, AddFurtherOwner},
    {itemApplicant + official, 3, SetApplicant},
};

} // namespace

CString ZnOldFormReaderTempUseConf::FormPath() const
{
    int code = std::atoi(m_appTypeCode);
    if (code >= 100401 && code <= 100406)
        return m_basePath + m_formFolder + "Ksq001.220";
    if (code >= 100411 && code <= 100416)
        return m_basePath + m_formFolder + "Ksq001.230";
    return "";
}

ZnModelApp* ZnOldFormReaderTempUseConf::Read()
{
    auto conf = std::make_unique<ZnModelAppTempUseConf>();
    State state{*conf, {}};
    if (!ReadFormFile(*this, FormPath(), items, state))
        return nullptr;
    conf->SetOwnerList(state.owners);
    SetBuildingNo(1);
    SetAppCommon(conf.get());
    return conf.release();
}

int ZnOldFormReaderTempUseConf::IsVersionOK()
{
    return ZnOldFormFields::AcceptsFormVersion(*this, FormPath(), itemConfirmation, itemConfirmation + officialItems);
}
