#include "fdoutput/ZnEquipInputCheck.h"

#include "fdoutput/ZnFacilityCheck.h"
#include "model/ZnModelAppEquip.h"

std::vector<CString> ZnEquipInputCheck::Run(const ZnFDOutCheckInput& input)
{
    ZnSlotView<ZnModelAppEquip> form(input.form);
    ZnFacilityCheck check(input);
    check.OwnerName("設置者の氏名が未入力です。");
    check.AddIfEmpty(form->GetAddress().m_address, "設置する建築物の所在地が未入力です。");
    check.AddIfEmpty(form->GetEquipOutline(), "建築設備の概要が未入力です。");
    check.Schedule(*form);
    check.BuildingConfirmation(form->m_confNum);
    check.PlanChange<ZnModelAppEquip>();
    return check.Take();
}
