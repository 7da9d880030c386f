#include "writers/forms/ZnAppDocFDOut54.h"

#include "model/ZnModelAppDemNotif.h"

IMPLEMENT_DYNAMIC(ZnAppDocFDOut54, ZnTextFormWriter)

namespace {

const char kTitle[] = "建築物除却届";

} // namespace

TextForm ZnAppDocFDOut54::ComposeForm(const ZnModelAppDemNotif& n)
{
    TextForm form(kTitle, "#25000");
    form.AddRecords({
        {"1.除却場所", 25010, {{n.m_place.m_address}}},
        {"2.除却年月日", 25020, {{n.m_date.GetDateString()}}},
        {"3.主要用途", 25030, {{n.m_mainUse.GetUsageCode(), n.m_mainUse.m_usage.GetCode()}}},
        {"4.除却原因", 25040, {{n.m_cause.GetCode()}}},
        {"5.構造種別", 25050, {{n.m_structure.GetCode()}}},
        {"6.建築物の数", 25060, {{TextForm::Count(n.m_buildingCount)}}},
        {"7.住宅の戸数", 25070, {{TextForm::Count(n.m_dwellingCount)}}},
        {"8.住宅の利用関係", 25080, {{n.m_tenure.GetCode()}}},
        {"9.建築物の床面積の合計", 25090, {{TextForm::Amount(n.m_floorArea)}}},
        {"10.建築物の評価額", 25100, {{TextForm::Count(n.m_value)}}},
        {"除却工事施工者", 25900,
         TextForm::OfficeLines(n.m_contractor.GetName(), n.m_contractor.GetIndividualData(), true)},
    });
    return form;
}

void ZnAppDocFDOut54::OutputFD(CString root, int submissionIndex)
{
    OutputForm(root, submissionIndex, "250", kTitle, [this](const CString& path) {
        const ZnModelAppDemNotif* notification = ActiveForm<ZnModelAppDemNotif>();
        ZnModelAppDemNotif empty;
        return WriteFormFile(path, "様式ファイルのオープンに失敗しました。",
                             ComposeForm(notification ? *notification : empty));
    });
}
