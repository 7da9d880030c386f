#include "fdoutput/ZnStructInputCheck.h"

#include "fdoutput/ZnFacilityCheck.h"
#include "model/ZnModelAppStruct.h"

std::vector<CString> ZnStructInputCheck::Run(const ZnFDOutCheckInput& input)
{
    ZnSlotView<ZnModelAppStruct> form(input.form);
    ZnFacilityCheck check(input);
    check.OwnerName("築造主の氏名が未入力です。");
    check.AddIfEmpty(form->GetLotAddress().m_address, "敷地の位置の地名地番が未入力です。");
    check.ItemKindCodes(form->GetStructure(), form->GetStructList(),
                        "工作物の概要の種類コードが未入力です。工作物番号：");
    check.Schedule(*form);
    check.PlanChange<ZnModelAppStruct>();
    return check.Take();
}
