#include "fdoutput/ZnConstNotifInputCheck.h"

#include "model/ZnModelAppConstNotif.h"

std::vector<CString> ZnConstNotifInputCheck::Run(const ZnFDOutCheckInput& input)
{
    ZnSlotView<ZnModelAppConstNotif> notice(input.form);
    ZnCheckFindings findings;
    findings.AddIfInvalid({
        {notice->m_periodStart, "工事予定期間（開始）の日付が正しくありません。"},
        {notice->m_periodEnd, "工事予定期間（終了）の日付が正しくありません。"},
    });
    findings.AddIfEmpty(notice->m_mainUse.m_usage, "建築工事届の第二面：主要用途の区分が未入力です。");
    AddBuildingFindings(findings, notice->m_buildings);
    AddDemolitionFindings(findings, *notice);
    return findings.Take();
}

void ZnConstNotifInputCheck::AddDemolitionFindings(ZnCheckFindings& findings, const ZnModelAppConstNotif& notice)
{
    // Only a notice that includes the demolition part (flag 1) has a face 4 to check.
    if (notice.m_demolition.m_present == 1)
        findings.AddIfEmpty(notice.m_demolition.m_mainUse.m_usage, "建築工事届の第四面：主要用途の区分が未入力です。");
}

void ZnConstNotifInputCheck::AddBuildingFindings(ZnCheckFindings& findings, const ZnModelAppStrNotifList& buildings)
{
    for (POSITION pos = buildings.GetHeadPosition(); pos;)
        if (const ZnModelAppStrNotif* building = buildings.GetNext(pos))
            AddBuildingFindings(findings, *building);
}

void ZnConstNotifInputCheck::AddBuildingFindings(ZnCheckFindings& findings, const ZnModelAppStrNotif& building)
{
    CString entry;
    entry.Format("建築工事届の第二面：%d番の建築物の", building.m_number);
    findings.AddIfEmpty(building.m_multiUse, entry + "多用途種別が未入力です。");
    findings.AddIfEmpty(building.m_use, entry + "用途が未入力です。");
    findings.AddIfEmpty(building.m_partStructure, entry + "工事部分の構造コードが未入力です。");
}
