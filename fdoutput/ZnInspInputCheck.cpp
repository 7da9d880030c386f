#include "fdoutput/ZnInspInputCheck.h"

#include "fdoutput/ZnCheckFindings.h"
#include "model/ZnModelAppCompInspConf.h"
#include "model/ZnModelAppRegInspConf.h"

namespace {

const int kInterimInspection = 1002;
const int kCompletionInspection = 1005;

const ZnModelDate& NumDate(const ZnModelNum& number) { return number.GetDate(); }
const ZnModelDate& PassDate(const ZnModelPastInspDate& inspection) { return inspection.GetNum().GetDate(); }
const ZnModelDate& StageDate(const ZnModelInspDate& stage) { return stage.GetDate(); }

void CheckCommon(const ZnFDOutCheckInput& input, ZnCheckFindings& findings)
{
    ZnSlotView<ZnModelApp> app(input.app);
    ZnSlotView<ZnModelAppInspConf> inspection(input.form);
    findings.AddIfEmpty(ZnCheckFindings::FirstOwnerName(*app), "建築主、設置者又は築造主が未入力です。");
    findings.AddIfEmpty(inspection->m_supervisor.GetName().GetName(), "工事監理者が未入力です。");
    findings.AddIfEmpty(inspection->m_siteLot.m_address, "建築場所、設置場所または築造場所の地名地番が未入力です。");
    findings.AddIfEmpty(inspection->m_confCert.GetNumber(), "確認番号の確認済証番号が未入力です。");
    findings.AddIfInvalid(inspection->m_confCert.GetDate(),
                          "1番目の確認番号の確認済証交付年月日の日付が正しくありません。");
    findings.AddIfListInvalid(inspection->m_confCertList, NumDate,
                              "番目の確認番号の確認済証交付年月日の日付が正しくありません。");
    findings.AddIfInvalid(inspection->m_startDate, "工事着手年月日の日付が正しくありません。");
}

void CheckCompletion(const ZnFDOutCheckInput& input, ZnCheckFindings& findings)
{
    ZnSlotView<ZnModelAppInspConf> inspection(input.form);
    ZnSlotView<ZnModelAppCompInspConf> completion(input.subForm);
    findings.AddIfInvalid(inspection->m_endDate, "工事完了年月日の日付が正しくありません。");
    findings.AddIfDateEmpty(inspection->m_endDate, "工事完了年月日が未入力です。");
    findings.AddIfInvalid(PassDate(completion->m_pastInsp),
                          "1番目の検査経過の中間検査合格年月日の日付が正しくありません。");
    findings.AddIfListInvalid(completion->m_pastInspList, PassDate,
                              "番目の検査経過の中間検査合格年月日の日付が正しくありません。");
}

// The message of a further later specified process: the building page's wording has always
// doubled "終了".
LPCTSTR LaterStageTail(ZnInspInputCheck::Page page)
{
    return page == ZnInspInputCheck::Page::BuildingAndSemiStr
               ? "番目の今回申請以降の特定工程工事終了終了予定年月日の日付が正しくありません。"
               : "番目の今回申請以降の特定工程工事終了予定年月日の日付が正しくありません。";
}

// Both first records come before the two list walks, so the later first record's message
// precedes those of the further earlier records.
void CheckInterim(const ZnFDOutCheckInput& input, ZnInspInputCheck::Page page, ZnCheckFindings& findings)
{
    ZnSlotView<ZnModelAppInspConf> inspection(input.form);
    ZnSlotView<ZnModelAppRegInspConf> interim(input.subForm);
    findings.AddIfInvalid(inspection->m_endDate, "工事完了予定年月日の日付が正しくありません。");
    findings.AddIfDateEmpty(interim->m_stage.GetDate(), "特定工程工事終了年月日が未入力です。");
    findings.AddIfInvalid(interim->m_stage.GetDate(), "特定工程工事終了年月日の日付が正しくありません。");
    findings.AddIfEmpty(interim->m_stage.GetName(), "特定工程が未入力です。");
    findings.AddIfInvalid(PassDate(interim->m_pastInsp),
                          "1番目の今回申請以前の中間検査合格年月日の日付が正しくありません。");
    findings.AddIfInvalid(interim->m_nextStage.GetDate(),
                          "１番目の今回申請以降の特定工程工事終了予定年月日の日付が正しくありません。");
    findings.AddIfListInvalid(interim->m_pastInspList, PassDate,
                              "番目の今回申請以前の中間検査合格年月日の日付が正しくありません。");
    findings.AddIfListInvalid(interim->m_nextStageList, StageDate, LaterStageTail(page));
}

} // namespace

std::vector<CString> ZnInspInputCheck::Run(const ZnFDOutCheckInput& input, Page page)
{
    ZnCheckFindings findings;
    CheckCommon(input, findings);
    if (input.docType == kCompletionInspection)
        CheckCompletion(input, findings);
    else if (input.docType == kInterimInspection)
        CheckInterim(input, page, findings);
    return findings.Take();
}
