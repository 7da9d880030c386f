// The third face (第三面1) of an inspection application: what is inspected, on which
// confirmation, when, and what happened since.
#include "writers/xml/ZnAppDocFDOut30.h"

#include "model/ZnModelAppCompInspConf.h"
#include "model/ZnModelAppRegInspConf.h"
#include "writers/xml/ZnConfDocXmlFrame.h"
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
void WritePastInspection(XmlText& xml, LPCTSTR tag, const ZnModelPastInspDate& record, int order)
{
    const ZnModelNum& certificate = record.GetNum();
    int textLength =
        record.m_stageName.GetLength() + certificate.GetNumber().GetLength() + certificate.GetFurtherText().GetLength();
    xml.OpenTag(3, tag);
    xml.Leaf(4, "交付日", Xml::FormatDate(certificate.GetDate()));
    xml.Leaf(4, "中間検査合格証番号", certificate.GetNumber());
    xml.Leaf(4, "中間検査合格証交付者", certificate.GetFurtherText());
    xml.Leaf(4, "特定工程名称", record.m_stageName);
    xml.Leaf(4, "実施回数", CountText(record.m_count, textLength, certificate.GetDate()));
    Xml::WriteNumberLeaf(xml, 4, "表示順", order);
    xml.CloseTag(3, tag);
}

// A list of inspections passed: the record that the model holds, then its list's entries.
void WritePastInspections(XmlText& xml, LPCTSTR listTag, LPCTSTR tag, const ZnModelPastInspDate& first,
                          const ZnModelPastInspDateList& further)
{
    xml.OpenTag(2, listTag);
    WritePastInspection(xml, tag, first, 1);
    Xml::ForEachFurtherEntry(further, [&xml, tag](const ZnModelPastInspDate& record, int order) {
        WritePastInspection(xml, tag, record, order);
    });
    xml.CloseTag(2, listTag);
}

// One interim inspection still to come (以降の中間検査) at level 3.
void WriteComingInspection(XmlText& xml, const ZnModelInspDate& record, int order)
{
    xml.OpenTag(3, "以降の中間検査");
    xml.Leaf(4, "特定工程工事終了予定日", Xml::FormatDate(record.GetDate()));
    xml.Leaf(4, "特定工程名称", record.GetName());
    xml.Leaf(4, "実施回数", CountText(record.GetCount(), record.GetName().GetLength(), record.GetDate()));
    Xml::WriteNumberLeaf(xml, 4, "表示順", order);
    xml.CloseTag(3, "以降の中間検査");
}

// One minor change after confirmation at level 3.
void WriteMinorChange(XmlText& xml, const ZnModelAppRightMod& change, int order)
{
    xml.OpenTag(3, "確認以降の軽微な変更の概要");
    xml.Leaf(4, "変更概要", change.m_summary);
    xml.Leaf(4, "変更された設計図書の種類", change.m_docKind);
    Xml::WriteNumberLeaf(xml, 4, "表示順", order);
    xml.CloseTag(3, "確認以降の軽微な変更の概要");
}

// 工事種別2: the building category, new or not, the further kinds set and the certification
// number under the inspection special provision. A flag counts as set when it is not 0.
void WriteConstructionKinds(XmlText& xml, const ZnModelAppInspConf& inspection, const CString& specialCertNo)
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
    xml.OpenTag(2, "工事種別2");
    xml.Leaf(3, "建築物の区分", ZnAppDocFDOut00::GetBuildTypeDigit(inspection.m_buildType.GetCode()));
    xml.Leaf(3, "工事種別区分1", inspection.m_kindNew != 0 ? "新築" : "新築以外");
    xml.OpenTag(3, "新築以外工事種別リスト");
    for (const auto& kind : furtherKinds) {
        if (inspection.*kind.flag != 0)
            xml.Leaf(4, "新築以外工事種別", kind.name);
    }
    xml.CloseTag(3, "新築以外工事種別リスト");
    xml.OpenTag(3, "検査の特例に係る認証番号リスト");
    xml.Leaf(4, "検査の特例に係る認証番号", ZnAppDocFDOut00::RemoveLineBreaks(specialCertNo));
    xml.CloseTag(3, "検査の特例に係る認証番号リスト");
    xml.CloseTag(2, "工事種別2");
}

} // namespace

void ZnAppDocFDOut30::WriteThirdFace(XmlText& xml, const Models& models, int selector)
{
    const ZnModelAppInspConf& inspection = *models.inspection;
    // The certificate that the selector names; none for a selector outside the list.
    const ZnModelNum* certificate = inspection.GetConfNum(selector);

    xml.OpenTag(1, "第三面1");
    xml.OpenTag(2, "地名地番情報");
    xml.Leaf(3, "住居表示", inspection.m_siteDisplay.m_address);
    xml.Leaf(3, "地名地番", inspection.m_siteLot.m_address);
    xml.CloseTag(2, "地名地番情報");
    WriteConstructionKinds(xml, inspection,
                           models.interim ? models.interim->m_specialCertNo : models.completion->m_specialCertNo);
    xml.Leaf(2, "確認済証番号", certificate ? certificate->GetNumber() : CString());
    xml.Leaf(2, "確認済証交付日", certificate ? Xml::FormatDate(certificate->GetDate()) : CString());
    xml.Leaf(2, "確認済証交付者", certificate ? certificate->GetFurtherText() : CString());
    xml.Leaf(2, "工事着手日", Xml::FormatDate(inspection.m_startDate));
    if (models.isCompletion)
        WriteCompletionBlocks(xml, models);
    if (models.interim)
        WriteInterimBlocks(xml, models);

    // Further changes count only when they say something.
    xml.OpenTag(2, "確認以降の軽微な変更の概要リスト");
    WriteMinorChange(xml, inspection.m_rightMod, 1);
    Xml::ForEachFurtherEntryWhere(
        inspection.m_rightModList,
        [](const ZnModelAppRightMod& change) { return !change.m_docKind.IsEmpty() || !change.m_summary.IsEmpty(); },
        [&xml](const ZnModelAppRightMod& change, int order) { WriteMinorChange(xml, change, order); });
    xml.CloseTag(2, "確認以降の軽微な変更の概要リスト");
    xml.OpenTag(2, "備考");
    xml.Leaf(3, "備考内容", ZnAppDocFDOut00::RemoveLineBreaks(inspection.m_remarks3));
    xml.CloseTag(2, "備考");
    xml.CloseTag(1, "第三面1");
}

void ZnAppDocFDOut30::WriteCompletionBlocks(XmlText& xml, const Models& models)
{
    const ZnModelAppInspConf& inspection = *models.inspection;
    xml.Leaf(2, "工事完了日", Xml::FormatDate(inspection.m_endDate));
    // The floor area of a completion application stands one tab and four spaces deep.
    xml.Literal("\t    <検査対象床面積>");
    xml.Value(AreaText(inspection.m_inspArea));
    xml.Literal("</検査対象床面積>\n");
    WritePastInspections(xml, "検査経過リスト", "検査経過", models.completion->m_pastInsp,
                         models.completion->m_pastInspList);
}

void ZnAppDocFDOut30::WriteInterimBlocks(XmlText& xml, const Models& models)
{
    const ZnModelAppInspConf& inspection = *models.inspection;
    const ZnModelAppRegInspConf& interim = *models.interim;
    xml.Leaf(2, "工事完了予定日", Xml::FormatDate(inspection.m_endDate));
    xml.OpenTag(2, "特定工程");
    xml.Leaf(3, "検査対象床面積", AreaText(inspection.m_inspArea));
    xml.Leaf(3, "特定工程工事終了日", Xml::FormatDate(interim.m_stage.GetDate()));
    xml.Leaf(3, "特定工程名称", interim.m_stage.GetName());
    xml.CloseTag(2, "特定工程");
    WritePastInspections(xml, "以前の中間検査リスト", "以前の中間検査", interim.m_pastInsp, interim.m_pastInspList);
    xml.OpenTag(2, "以降の中間検査リスト");
    WriteComingInspection(xml, interim.m_nextStage, 1);
    Xml::ForEachFurtherEntry(interim.m_nextStageList, [&xml](const ZnModelInspDate& record, int order) {
        WriteComingInspection(xml, record, order);
    });
    xml.CloseTag(2, "以降の中間検査リスト");
}
