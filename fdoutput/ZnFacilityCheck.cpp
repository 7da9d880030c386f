#include "fdoutput/ZnFacilityCheck.h"

#include "model/ZnModelApp.h"

void ZnFacilityCheck::OwnerName(LPCTSTR message)
{
    ZnSlotView<ZnModelApp> app(m_input.app);
    AddIfEmpty(FirstOwnerName(*app), message);
}

void ZnFacilityCheck::BuildingConfirmation(const ZnModelNum& record)
{
    AddIfInvalid(record.GetDate(), "建築確認の確認済証交付年月日の日付が正しくありません。");
}
