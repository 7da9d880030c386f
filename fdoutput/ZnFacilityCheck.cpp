#include "fdoutput/ZnFacilityCheck.h"

#include "model/ZnModelApp.h"

void ZnFacilityCheck::OwnerName(LPCTSTR message)
{
    ZnSlotView<ZnModelApp> app(m_input.app);
    NotEmpty(app->GetOwner().GetIndividualData().GetName().GetName(), message);
}

void ZnFacilityCheck::NotEmpty(const CString& text, LPCTSTR message)
{
    if (text.IsEmpty())
        m_findings.push_back(message);
}

void ZnFacilityCheck::ValidDate(const ZnModelDate& date, LPCTSTR message)
{
    if (!date.IsValid())
        m_findings.push_back(message);
}

void ZnFacilityCheck::BuildingConfirmation(const ZnModelNum& record)
{
    ValidDate(record.GetDate(), "建築確認の確認済証交付年月日の日付が正しくありません。");
}

void ZnFacilityCheck::AddNumbered(LPCTSTR message, int number)
{
    CString numbered;
    numbered.Format("%s%d", message, number);
    m_findings.push_back(numbered);
}
