// The first face (第一面): who applies, through whom, when and to whom; for a plan change first
// the confirmation that the change follows.
#include "writers/xml/ZnAppDocFDOut11.h"

#include "model/ZnModelAppBuildMod.h"
#include "storage/ZnShellState.h"
#include "writers/ZnAppDocFDOut00.h"

namespace {

const int planChangeDocType = 1008;
const int notificationMode = 32787;

// The number text of the first number of the first group present in the application's
// building number groups; "" when there is none.
CString ApplicationNumber(const ZnModelApp& app)
{
    const ZnModelNumGroupList& groups = app.GetHeader().GetLocalData().GetNumGroupList();
    for (POSITION pos = groups.GetHeadPosition(); pos;) {
        if (const ZnModelNumGroup* group = groups.GetNext(pos))
            return group->GetFirstNum().GetNumber();
    }
    return CString();
}

} // namespace

void ZnAppDocFDOut11::WriteFirstFace(LPCTSTR path)
{
    const ZnModelApp* app = nullptr;
    const ZnModelAppBuild* build = nullptr;
    FILE* file = OpenFace(path, build, &app);
    if (!file)
        return;
    const ZnShellState* shell = ZnShellState::Current();
    WriteOpenTag(file, 1, "第一面");
    if (shell->GetDocType() == planChangeDocType)
        WritePlanChangeBlock(file);
    if (shell->GetDocMode(0) == notificationMode)
        WriteElement(file, 2, "申請番号", ApplicationNumber(*app));
    WriteElement(file, 2, "設計者", build->GetDesignerText());
    WriteElement(file, 2, "申請者氏名", app->GetApplicantName().GetName());
    WriteElement(file, 2, "申請日",
                 ZnAppDocFDOut00::GetShinseiDatePart(app, 0) + ZnAppDocFDOut00::GetShinseiDatePart(app, 1) +
                     ZnAppDocFDOut00::GetShinseiDatePart(app, 2));
    WriteElement(file, 2, "申請先", app->GetApplyTo());
    WriteCloseTag(file, 1, "第一面");
    ZnAppDocFDOut00::CloseWrittenFile(file, path);
}

void ZnAppDocFDOut11::WritePlanChangeBlock(FILE* file)
{
    const ZnModelAppBuildMod* planChange = ActivePlanChange();
    if (!planChange) {
        ReportMissingDocument();
        return;
    }
    const ZnModelNum& previous = planChange->GetPrevConfNum();
    const ZnModelDate& issued = previous.GetDate();
    WriteOpenTag(file, 2, "計画を変更する直前の確認");
    WriteElement(file, 3, "計画変更の概要", planChange->GetPlanChangeSummary());
    WriteElement(file, 3, "確認済証交付者", previous.GetFurtherText());
    WriteElement(file, 3, "確認済証交付日",
                 Formatted("%04d%02d%02d", issued.GetYearCode().m_year, issued.GetMonth(), issued.GetDay()));
    WriteElement(file, 3, "確認済証番号", previous.GetNumber());
    WriteCloseTag(file, 2, "計画を変更する直前の確認");
}
