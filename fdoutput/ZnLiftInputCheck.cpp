#include "fdoutput/ZnLiftInputCheck.h"

#include "fdoutput/ZnFacilityCheck.h"
#include "model/ZnModelAppLift.h"

std::vector<CString> ZnLiftInputCheck::Run(const ZnFDOutCheckInput& input)
{
    ZnSlotView<ZnModelAppLift> form(input.form);
    ZnFacilityCheck check(input);
    check.OwnerName("設置者の氏名が未入力です。");
    check.AddIfEmpty(form->GetAddress().m_address, "設置する建築物または工作物の所在地が未入力です。");
    check.ItemKindCodes(form->GetLift(), form->GetLiftList(), "昇降機の概要の種別コードが未入力です。昇降機番号：");
    check.Schedule(*form);
    check.BuildingConfirmation(form->m_confNum);
    check.PlanChange<ZnModelAppLift>();
    return check.Take();
}
