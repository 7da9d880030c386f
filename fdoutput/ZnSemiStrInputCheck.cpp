#include "fdoutput/ZnSemiStrInputCheck.h"

#include "fdoutput/ZnCheckFindings.h"
#include "model/ZnModelAppSemiStrMod.h"

namespace {
const int kPlanChange = 1008;
}

std::vector<CString> ZnSemiStrInputCheck::Run(const ZnFDOutCheckInput& input)
{
    ZnSlotView<ZnModelApp> app(input.app);
    ZnSlotView<ZnModelAppSemiStr> structure(input.form);
    ZnCheckFindings findings;
    findings.AddIfEmpty(ZnCheckFindings::FirstOwnerName(*app), "築造主の氏名が未入力です。");
    // The wording "設置の" is the one the form has always shown.
    findings.AddIfEmpty(structure->GetLotAddress().m_address, "敷地の設置の地名地番が未入力です。");
    findings.AddIfEmpty(structure->GetUsageCode().GetCode(), "工作物の概要の用途コードが未入力です。");
    findings.AddIfEmpty(structure->GetUsageText(), "工作物の概要の具体的な用途名称が未入力です。");
    findings.AddIfInvalid(structure->m_constStartDate, "工事着手予定年月日の日付が正しくありません。");
    findings.AddIfInvalid(structure->m_constEndDate, "工事完了予定年月日の日付が正しくありません。");
    findings.AddIfInvalid(structure->GetSpecStageDate().GetDate(),
                          "特定工程工事終了予定年月日の日付が正しくありません。");
    if (input.docType == kPlanChange) {
        ZnSlotView<ZnModelAppSemiStrMod> planChange(input.subForm);
        findings.AddIfInvalid(planChange->GetPrevConfNum().GetDate(),
                              "計画変更の確認済証交付年月日の日付が正しくありません。");
    }
    return findings.Take();
}
