#include "writers/forms/ZnAppDocFDOut55.h"

#include "model/ZnModelAppSafeNotif.h"
#include "writers/ZnAppDocFDOut00.h"

#include <cmath>

IMPLEMENT_DYNAMIC(ZnAppDocFDOut55, ZnTextFormWriter)

namespace {

const char kTitle[] = "安全上の措置等に関する計画届";

// A quantity cut to hundredths; the small addition keeps a value held just below a hundredth
// (12.35 is 12.3499...) on it.
CString Quantity(double value) { return TextForm::Amount(std::floor((value + 0.000005) * 100) * 0.01); }

} // namespace

TextForm ZnAppDocFDOut55::ComposeForm(const ZnModelApp& app, const ZnModelAppSafeNotif& n)
{
    TextForm form(kTitle, "#26000");
    form.AddRecords({
        {"1.建築主", 26010, TextForm::OwnerLines(app.GetOwner().GetIndividualData(), false)},
        {"2.代理者", 26020, TextForm::AgentLines(app.GetDesigner())},
        {"3.建築物の概要",
         26030,
         {{n.m_buildingAddress.m_address},
          {n.m_buildingName.GetFurigana()},
          {n.m_buildingName.GetName()},
          {n.m_text1},
          {n.m_text2},
          {n.m_mainStructure.GetCode(), n.m_text3},
          {TextForm::Count(n.m_number1), TextForm::Count(n.m_number2), Quantity(n.m_area1), Quantity(n.m_area2),
           Quantity(n.m_area3)}}},
        {"4.工事着手予定年月日", 26040, {{n.m_plannedStart.GetDateString()}}},
        {"5.工事完了予定年月日", 26050, {{n.m_plannedEnd.GetDateString()}}},
        {"6.使用期間", 26060, {{n.m_useFrom.GetDateString(), n.m_useTo.GetDateString()}}},
        {"7.建築確認",
         26070,
         {{n.m_confirmation.GetNumber(), n.m_confirmation.GetDate().GetDateString(),
           n.m_confirmation.GetFurtherText()}}},
        {"8.仮使用承認", 26080, {{n.m_tempUseApproval.GetNumber(), n.m_tempUseApproval.GetDate().GetDateString()}}},
        {"9.備考", 26090, {{ZnAppDocFDOut00::RemoveLineBreaks(n.m_remarks)}}},
    });
    form.AddFurtherOwners(260, app.GetOwnerList());
    form.AddSigner("届出者名", 260, app.GetApplicantName());
    return form;
}

void ZnAppDocFDOut55::OutputFD(CString root, int submissionIndex)
{
    OutputForm(root, submissionIndex, "260", kTitle, [this](const CString& path) {
        const ZnModelApp* app = ActiveApp();
        const ZnModelAppSafeNotif* notification = ActiveForm<ZnModelAppSafeNotif>();
        ZnModelApp emptyApp;
        ZnModelAppSafeNotif emptyNotification;
        TextForm form = ComposeForm(app ? *app : emptyApp, notification ? *notification : emptyNotification);
        return WriteFormFile(path, "様式ファイルのオープンに失敗しました。", form);
    });
}
