#include "fdoutput/ZnDemNotifInputCheck.h"

#include "fdoutput/ZnCheckFindings.h"
#include "model/ZnModelAppDemNotif.h"

std::vector<CString> ZnDemNotifInputCheck::Run(const ZnFDOutCheckInput& input)
{
    ZnSlotView<ZnModelAppDemNotif> notice(input.form);
    ZnCheckFindings findings;
    findings.AddIfInvalid(notice->m_date, "除却予定年月日の日付が正しくありません。");
    findings.AddIfEmpty(notice->m_mainUse.m_usage, "主要用途の区分が未入力です。");
    return findings.Take();
}
