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

void ZnAppDocFDOut11::FirstFace(XmlText& xml, const ZnModelApp* app, const ZnModelAppBuild& build)
{
    const ZnShellState* shell = ZnShellState::Current();
    xml.OpenTag(1, "第一面");
    if (shell->GetDocType() == planChangeDocType)
        WritePlanChangeBlock(xml);
    if (shell->GetDocMode(0) == notificationMode)
        xml.Leaf(2, "申請番号", ApplicationNumber(*app));
    xml.Leaf(2, "設計者", build.GetDesignerText());
    xml.Leaf(2, "申請者氏名", app->GetApplicantName().GetName());
    xml.Leaf(2, "申請日",
             ZnAppDocFDOut00::GetShinseiDatePart(app, 0) + ZnAppDocFDOut00::GetShinseiDatePart(app, 1) +
                 ZnAppDocFDOut00::GetShinseiDatePart(app, 2));
    xml.Leaf(2, "申請先", app->GetApplyTo());
    xml.CloseTag(1, "第一面");
}

void ZnAppDocFDOut11::WritePlanChangeBlock(XmlText& xml)
{
    const ZnModelAppBuildMod* planChange = ActivePlanChange();
    if (!planChange) {
        ReportMissingDocument();
        return;
    }
    const ZnModelNum& previous = planChange->GetPrevConfNum();
    const ZnModelDate& issued = previous.GetDate();
    xml.OpenTag(2, "計画を変更する直前の確認");
    xml.Leaf(3, "計画変更の概要", planChange->GetPlanChangeSummary());
    xml.Leaf(3, "確認済証交付者", previous.GetFurtherText());
    xml.Leaf(3, "確認済証交付日",
             Formatted("%04d%02d%02d", issued.GetYearCode().m_year, issued.GetMonth(), issued.GetDay()));
    xml.Leaf(3, "確認済証番号", previous.GetNumber());
    xml.CloseTag(2, "計画を変更する直前の確認");
}
