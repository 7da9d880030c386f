#include "writers/forms/ZnAppDocFDOut53.h"

#include "model/ZnModelAppConstNotif.h"
#include "writers/ZnSupervisorFile.h"
#include "writers/ZnWrittenFiles.h"

#include <cmath>

IMPLEMENT_DYNAMIC(ZnAppDocFDOut53, ZnTextFormWriter)

namespace {

const char kTitle[] = "建築工事届";

// An area rounded half up to hundredths.
CString Area(double value) { return TextForm::Amount(std::floor((value + 0.005) * 100) * 0.01); }

CString BuildingNumber(int number)
{
    CString text;
    text.Format("%02d", number);
    return text;
}

// The main use: its category's code and its use code.
TextForm::Line MainUse(const ZnModelAppConstDemUsage& use) { return {use.GetUsageCode(), use.m_usage.GetCode()}; }

// One record per building of the notification, its line made by lineOf, the first after the comment.
template <typename LineOf>
void AddBuildingRecords(TextForm& form, const CString& comment, int itemCode, const ZnModelAppStrNotifList& buildings,
                        LineOf lineOf)
{
    form.AddComment(comment);
    for (POSITION pos = buildings.GetHeadPosition(); pos;)
        if (const ZnModelAppStrNotif* building = buildings.GetNext(pos))
            form.AddRecord({"", itemCode, {lineOf(*building)}});
}

TextForm::Line BuildingLine(const ZnModelAppStrNotif& b)
{
    return {BuildingNumber(b.m_number),
            b.m_use.GetCode(),
            b.m_multiUse.GetCode(),
            b.m_partStructure.GetCode(),
            Area(b.m_area),
            TextForm::Count(b.m_count1),
            TextForm::Count(b.m_count2),
            TextForm::Count(b.m_count3)};
}

TextForm::Line HousingLine(const ZnModelAppStrNotif& b)
{
    return {BuildingNumber(b.m_number), b.m_housing1.GetCode(),
            b.m_housing2.GetCode(),     b.m_housing3.GetCode(),
            b.m_housing4.GetCode(),     TextForm::Count(b.m_housingCount1),
            Area(b.m_housingArea1),     TextForm::Count(b.m_housingCount2),
            Area(b.m_housingArea2),     TextForm::Count(b.m_housingCount3),
            Area(b.m_housingArea3),     TextForm::Count(b.m_housingCount4),
            Area(b.m_housingArea4)};
}

// Sections 9 to 16: the demolition part, written only when the notification has one.
std::vector<TextForm::Record> DemolitionRecords(const ZnModelAppDemData& d)
{
    return {
        {"9.主要用途", 24090, {MainUse(d.m_mainUse)}},
        {"10.除却原因", 24100, {{d.m_cause.GetCode()}}},
        {"11.構造種別", 24110, {{d.m_structure.GetCode()}}},
        {"12.建築物の数", 24120, {{TextForm::Count(d.m_buildingCount)}}},
        {"13.住宅の戸数", 24130, {{TextForm::Count(d.m_dwellingCount)}}},
        {"14.住宅の利用関係", 24140, {{d.m_tenure.GetCode()}}},
        {"15.建築物の床面積の合計", 24150, {{Area(d.m_floorArea)}}},
        {"16.建築物の評価額", 24160, {{TextForm::Count(d.m_value)}}},
    };
}

} // namespace

TextForm ZnAppDocFDOut53::ComposeForm(const ZnModelApp& app, const ZnModelAppConstNotif& n)
{
    CString period;
    period.Format("%02d%02d", n.m_periodA, n.m_periodB);
    TextForm form(kTitle, "#24000");
    form.AddRecords({
        {"1.建築主", 24010, {{n.m_ownerType.GetCode(), n.m_ownerOcc.GetCode(), TextForm::Count(n.m_ownerValue)}}},
        {"2.敷地の位置", 24020, {{n.m_siteAddress.m_address}, {n.m_planArea.GetCode()}}},
        {"3.工事予定期間", 24030, {{n.m_periodStart.GetDateString(), n.m_periodEnd.GetDateString(), period}}},
        {"4.工事種別", 24040, {{n.m_constKind.GetCode()}}},
        {"5.主用用途", 24050, {MainUse(n.m_mainUse)}},
    });
    AddBuildingRecords(form, "6.一の建築物ごとの内容", 24060, n.m_buildings, BuildingLine);
    form.AddRecord({"7.新築工事の場合における敷地面積", 24070, {{Area(n.m_siteArea)}}});
    AddBuildingRecords(form, "8.住宅部分の概要", 24080, n.m_buildings, HousingLine);
    if (n.m_demolition.m_present)
        form.AddRecords(DemolitionRecords(n.m_demolition));
    const ZnModelDesigner& agent = app.GetDesigner();
    const ZnModelConstructor& contractor = n.m_demolition.m_contractor;
    form.AddRecords({
        {"建築主住所氏名", 24900, TextForm::OwnerLines(app.GetOwner().GetIndividualData(), false)},
        {"工事施工者（設計者又は代理者）", 24910, TextForm::OfficeLines(agent.GetName(), agent.GetOfficeData(), false)},
        {"除却工事施工者", 24920, TextForm::OfficeLines(contractor.GetName(), contractor.GetIndividualData(), false)},
    });
    return form;
}

bool ZnAppDocFDOut53::WriteForm(CString root)
{
    return ZnFloppyOutput::WriteDataFile(FormPath(root, "240"),
                                         {[this, root](const CString&) { return WriteFormFiles(root); }});
}

ZnWriteOutcome ZnAppDocFDOut53::WriteFormFiles(const CString& root)
{
    CString path = FormPath(root, "240");
    FILE* file = OpenForm(path, "様式ファイル（建築工事届）のオープンに失敗しました。");
    if (!file)
        return ZnWriteOutcome::told;
    const ZnModelApp* app = ActiveApp();
    const ZnModelAppConstNotif* notification = ActiveForm<ZnModelAppConstNotif>();
    ZnModelApp emptyApp;
    ZnModelAppConstNotif emptyNotification;
    if (!notification)
        notification = &emptyNotification;
    // The supervisor file is written while the form file is open, from a copy of the record. One
    // that the medium cannot hold ends the output before the form is written.
    ZnModelDesigner supervisor(notification->m_supervisor);
    if (ZnSupervisorFile::Write(root, &supervisor) == ZnWriteOutcome::cutOff) {
        std::fclose(file); // the empty form file goes with the output
        ZnWrittenFiles::ShowWriteFailed(ZnSupervisorFile::Path(root));
        return ZnWriteOutcome::told;
    }
    return CloseForm(file, path, ComposeForm(app ? *app : emptyApp, *notification));
}

void ZnAppDocFDOut53::OutputFD(CString root, int submissionIndex)
{
    OutputForm(root, submissionIndex, "240", kTitle, [this, root](const CString&) { return WriteFormFiles(root); });
}
