#include "fdoutput/ZnSafeNotifInputCheck.h"

#include "fdoutput/ZnCheckFindings.h"
#include "model/ZnModelAppSafeNotif.h"

std::vector<CString> ZnSafeNotifInputCheck::Run(const ZnFDOutCheckInput& input)
{
    ZnSlotView<ZnModelAppSafeNotif> notice(input.form);
    ZnCheckFindings findings;
    findings.AddIfInvalid({
        {notice->m_plannedStart, "工事着手予定年月日の日付が正しくありません。"},
        {notice->m_plannedEnd, "工事完了予定年月日の日付が正しくありません。"},
        {notice->m_useFrom, "使用期間（開始）の日付が正しくありません。"},
        {notice->m_useTo, "使用期間（終了）の日付が正しくありません。"},
        {notice->m_confirmation.GetDate(), "建築確認の確認済証交付年月日の日付が正しくありません。"},
        {notice->m_tempUseApproval.GetDate(), "仮使用承認の承認年月日の日付が正しくありません。"},
    });
    return findings.Take();
}
