// The third face (第三面1) of an inspection application: what is inspected, on which
// confirmation, when, and what happened since.
#include "writers/xml/ZnAppDocFDOut30.h"

#include "model/ZnModelAppCompInspConf.h"
#include "model/ZnModelAppRegInspConf.h"
#include "writers/xml/ZnConfDocXmlFrame.h"
#include "writers/XmlPieceWriters.h"
#include "writers/ZnAppDocFDOut00.h"

namespace {

typedef ZnConfDocXmlFrame Xml;

// A floor area as "%.2f", "" for zero. The text is written whole: cutting it to its last ten
// characters would turn a large or negative area into another number.
CString AreaText(double area)
{
    CString text;
    text.Format("%.2f", area);
    return ZnAppDocFDOut00::BlankZeroText(text);
}

// 実施回数 of a record: "%02d" of its count, or "" when the record is empty, that is when the
// length of its texts (textLength), of its date's era text and its count add up to 0 or less.
// The sum is taken in 64 bits, so no stored count can overflow it.
CString CountText(int count, int textLength, const ZnModelDate& date)
{
    long long weight = static_cast<long long>(textLength) + date.GetDateString().GetLength() + count;
    CString text;
    if (weight > 0)
        text.Format("%02d", count);
    return text;
}

// One entry of the inspections passed (検査経過, 以前の中間検査) at level 3.
void WritePastInspection(FILE* file, LPCTSTR tag, const ZnModelPastInspDate& record, int order)
{
    const ZnModelNum& certificate = record.GetNum();
    int textLength =
        record.m_stageName.GetLength() + certificate.GetNumber().GetLength() + certificate.GetFurtherText().GetLength();
    Xml::OpenElement(file, 3, tag);
    Xml::WriteLeaf(file, 4, "交付日", Xml::FormatDate(certificate.GetDate()));
    Xml::WriteLeaf(file, 4, "中間検査合格証番号", certificate.GetNumber());
    Xml::WriteLeaf(file, 4, "中間検査合格証交付者", certificate.GetFurtherText());
    Xml::WriteLeaf(file, 4, "特定工程名称", record.m_stageName);
    Xml::WriteLeaf(file, 4, "実施回数", CountText(record.m_count, textLength, certificate.GetDate()));
    Xml::WriteNumberLeaf(file, 4, "表示順", order);
    Xml::CloseElement(file, 3, tag);
}

// A list of inspections passed: the record that the model holds, then its list's entries.
void WritePastInspections(FILE* file, LPCTSTR listTag, LPCTSTR tag, const ZnModelPastInspDate& first,
                          const ZnModelPastInspDateList& further)
{
    Xml::OpenElement(file, 2, listTag);
    WritePastInspection(file, tag, first, 1);
    Xml::ForEachFurtherEntry(further, [file, tag](const ZnModelPastInspDate& record, int order) {
        WritePastInspection(file, tag, record, order);
    });
    Xml::CloseElement(file, 2, listTag);
}

// One interim inspection still to come (以降の中間検査) at level 3.
void WriteComingInspection(FILE* file, const ZnModelInspDate& record, int order)
{
    Xml::OpenElement(file, 3, "以降の中間検査");
    Xml::WriteLeaf(file, 4, "特定工程工事終了予定日", Xml::FormatDate(record.GetDate()));
    Xml::WriteLeaf(file, 4, "特定工程名称", record.GetName());
    Xml::WriteLeaf(file, 4, "実施回数", CountText(record.GetCount(), record.GetName().GetLength(), record.GetDate()));
    Xml::WriteNumberLeaf(file, 4, "表示順", order);
    Xml::CloseElement(file, 3, "以降の中間検査");
}

// One minor change after confirmation at level 3.
void WriteMinorChange(FILE* file, const ZnModelAppRightMod& change, int order)
{
    Xml::OpenElement(file, 3, "確認以降の軽微な変更の概要");
    Xml::WriteLeaf(file, 4, "変更概要", change.m_summary);
    Xml::WriteLeaf(file, 4, "変更された設計図書の種類", change.m_docKind);
    Xml::WriteNumberLeaf(file, 4, "表示順", order);
    Xml::CloseElement(file, 3, "確認以降の軽微な変更の概要");
}

// 工事種別2: the building category, new or not, the further kinds set and the certification
// number under the inspection special provision. A flag counts as set when it is not 0.
void WriteConstructionKinds(FILE* file, const ZnModelAppInspConf& inspection, const CString& specialCertNo)
{
    const struct {
        int ZnModelAppInspConf::*flag;
        LPCTSTR name;
    } furtherKinds[] = {
        {&ZnModelAppInspConf::m_kindExtension, "増築"},
        {&ZnModelAppInspConf::m_kindRebuild, "改築"},
        {&ZnModelAppInspConf::m_kindRelocation, "移転"},
        {&ZnModelAppInspConf::m_kindRepair, "大規模の修繕"},
        {&ZnModelAppInspConf::m_kindRemodel, "大規模の模様替"},
        {&ZnModelAppInspConf::m_kindEquipment, "建築設備の設置"},
    };
    Xml::OpenElement(file, 2, "工事種別2");
    Xml::WriteLeaf(file, 3, "建築物の区分", ZnAppDocFDOut00::GetBuildTypeDigit(inspection.m_buildType.GetCode()));
    Xml::WriteFixedLeaf(file, 3, "工事種別区分1", inspection.m_kindNew != 0 ? "新築" : "新築以外");
    Xml::OpenElement(file, 3, "新築以外工事種別リスト");
    for (const auto& kind : furtherKinds) {
        if (inspection.*kind.flag != 0)
            Xml::WriteFixedLeaf(file, 4, "新築以外工事種別", kind.name);
    }
    Xml::CloseElement(file, 3, "新築以外工事種別リスト");
    Xml::OpenElement(file, 3, "検査の特例に係る認証番号リスト");
    Xml::WriteLeaf(file, 4, "検査の特例に係る認証番号", ZnAppDocFDOut00::RemoveLineBreaks(specialCertNo));
    Xml::CloseElement(file, 3, "検査の特例に係る認証番号リスト");
    Xml::CloseElement(file, 2, "工事種別2");
}

} // namespace

void ZnAppDocFDOut30::WriteThirdFace(FILE* file, const Models& models, int selector)
{
    const ZnModelAppInspConf& inspection = *models.inspection;
    // The certificate that the selector names; none for a selector outside the list.
    const ZnModelNum* certificate = inspection.GetConfNum(selector);

    Xml::OpenElement(file, 1, "第三面1");
    Xml::OpenElement(file, 2, "地名地番情報");
    Xml::WriteLeaf(file, 3, "住居表示", inspection.m_siteDisplay.m_address);
    Xml::WriteLeaf(file, 3, "地名地番", inspection.m_siteLot.m_address);
    Xml::CloseElement(file, 2, "地名地番情報");
    WriteConstructionKinds(file, inspection,
                           models.interim ? models.interim->m_specialCertNo : models.completion->m_specialCertNo);
    Xml::WriteLeaf(file, 2, "確認済証番号", certificate ? certificate->GetNumber() : CString());
    Xml::WriteLeaf(file, 2, "確認済証交付日", certificate ? Xml::FormatDate(certificate->GetDate()) : CString());
    Xml::WriteLeaf(file, 2, "確認済証交付者", certificate ? certificate->GetFurtherText() : CString());
    Xml::WriteLeaf(file, 2, "工事着手日", Xml::FormatDate(inspection.m_startDate));
    if (models.isCompletion)
        WriteCompletionBlocks(file, models);
    if (models.interim)
        WriteInterimBlocks(file, models);

    // Further changes count only when they say something.
    Xml::OpenElement(file, 2, "確認以降の軽微な変更の概要リスト");
    WriteMinorChange(file, inspection.m_rightMod, 1);
    Xml::ForEachFurtherEntryWhere(
        inspection.m_rightModList,
        [](const ZnModelAppRightMod& change) { return !change.m_docKind.IsEmpty() || !change.m_summary.IsEmpty(); },
        [file](const ZnModelAppRightMod& change, int order) { WriteMinorChange(file, change, order); });
    Xml::CloseElement(file, 2, "確認以降の軽微な変更の概要リスト");
    Xml::OpenElement(file, 2, "備考");
    Xml::WriteLeaf(file, 3, "備考内容", ZnAppDocFDOut00::RemoveLineBreaks(inspection.m_remarks3));
    Xml::CloseElement(file, 2, "備考");
    Xml::CloseElement(file, 1, "第三面1");
}

void ZnAppDocFDOut30::WriteCompletionBlocks(FILE* file, const Models& models)
{
    const ZnModelAppInspConf& inspection = *models.inspection;
    Xml::WriteLeaf(file, 2, "工事完了日", Xml::FormatDate(inspection.m_endDate));
    // The floor area of a completion application stands one tab and four spaces deep.
    WriteXmlLiteral(file, "\t    <検査対象床面積>");
    WriteXmlValue(file, AreaText(inspection.m_inspArea));
    WriteXmlLiteral(file, "</検査対象床面積>\n");
    WritePastInspections(file, "検査経過リスト", "検査経過", models.completion->m_pastInsp,
                         models.completion->m_pastInspList);
}

void ZnAppDocFDOut30::WriteInterimBlocks(FILE* file, const Models& models)
{
    const ZnModelAppInspConf& inspection = *models.inspection;
    const ZnModelAppRegInspConf& interim = *models.interim;
    Xml::WriteLeaf(file, 2, "工事完了予定日", Xml::FormatDate(inspection.m_endDate));
    Xml::OpenElement(file, 2, "特定工程");
    Xml::WriteLeaf(file, 3, "検査対象床面積", AreaText(inspection.m_inspArea));
    Xml::WriteLeaf(file, 3, "特定工程工事終了日", Xml::FormatDate(interim.m_stage.GetDate()));
    Xml::WriteLeaf(file, 3, "特定工程名称", interim.m_stage.GetName());
    Xml::CloseElement(file, 2, "特定工程");
    WritePastInspections(file, "以前の中間検査リスト", "以前の中間検査", interim.m_pastInsp, interim.m_pastInspList);
    Xml::OpenElement(file, 2, "以降の中間検査リスト");
    WriteComingInspection(file, interim.m_nextStage, 1);
    Xml::ForEachFurtherEntry(interim.m_nextStageList, [file](const ZnModelInspDate& record, int order) {
        WriteComingInspection(file, record, order);
    });
    Xml::CloseElement(file, 2, "以降の中間検査リスト");
}
