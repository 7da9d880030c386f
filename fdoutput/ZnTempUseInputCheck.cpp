#include "fdoutput/ZnTempUseInputCheck.h"

#include "fdoutput/ZnCheckFindings.h"
#include "model/ZnModelAppTempUseConf.h"

std::vector<CString> ZnTempUseInputCheck::Run(const ZnFDOutCheckInput& input, Addressee addressee)
{
    ZnSlotView<ZnModelAppTempUseConf> form(input.form);
    struct Rule {
        ZnCheckFindings::DateRule date;
        bool officialChecks;
    };
    const Rule rules[] = {
        {{form->m_confirmation.GetDate(), "建築確認の確認済証交付年月日の日付が正しくありません。"}, true},
        {{form->m_plannedStart, "工事着手予定年月日の日付が正しくありません。"}, false},
        {{form->m_plannedEnd, "工事完了予定年月日の日付が正しくありません。"}, false},
        {{form->m_useFrom, "仮使用期間の開始年月日の日付が正しくありません。"}, true},
        {{form->m_useTo, "仮使用期間の終了年月日の日付が正しくありません。"}, true},
    };
    ZnCheckFindings findings;
    for (const Rule& rule : rules)
        if (addressee == Agency || rule.officialChecks)
            findings.AddIfInvalid(rule.date.date, rule.date.message);
    return findings.Take();
}
