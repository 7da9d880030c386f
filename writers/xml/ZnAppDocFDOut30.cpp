#include "writers/xml/ZnAppDocFDOut30.h"

#include "model/ZnModelAppCompInspConf.h"
#include "model/ZnModelAppRegInspConf.h"
#include "storage/ZnShellState.h"
#include "writers/ZnWrittenFiles.h"
#include "writers/xml/ZnAppDocFDOut11.h"
#include "writers/xml/ZnConfDocXmlFrame.h"
#include "writers/ZnAppDocFDOut00.h"

IMPLEMENT_DYNAMIC(ZnAppDocFDOut30, VhObject)

namespace {

typedef ZnConfDocXmlFrame Xml;

const int interimDocType = 1002;
const int completionDocType = 1005;

// 有 or 無.
LPCTSTR Presence(bool present) { return present ? "有" : "無"; }

// A statement of a structural or equipment first-class architect at level 4: paragraphs 1 and
// 3, and the certificate number only when either applies.
void WriteStatement(XmlText& xml, LPCTSTR tag, bool paragraph1, bool paragraph3, const CString& certificate)
{
    xml.OpenTag(4, tag);
    xml.Leaf(5, "第1項", Presence(paragraph1));
    xml.Leaf(5, "第3項", Presence(paragraph3));
    if (paragraph1 || paragraph3)
        xml.Leaf(5, "交付番号", certificate);
    xml.CloseTag(4, tag);
}

// A list whose first entry comes from the record that the application holds and whose further
// entries (代表区分 2, 表示順 from 2) the building writer writes from the list of that kind.
template <typename WriteFirst>
void WritePeopleList(XmlText& xml, LPCTSTR listTag, LPCTSTR entryTag, int kind, WriteFirst writeFirst)
{
    xml.OpenTag(2, listTag);
    xml.OpenTag(3, entryTag);
    Xml::WriteEntryOrder(xml, 4, 1);
    writeFirst();
    xml.CloseTag(3, entryTag);
    ZnAppDocFDOut11::WriteListEntries(xml, kind);
    xml.CloseTag(2, listTag);
}

// The object kind applied for, by the id of the object-kind button; "" for another id.
CString ObjectKindText(int objKind)
{
    static const struct {
        int objKind;
        LPCTSTR text;
    } kinds[] = {
        {1023, "建築物"},
        {1012, "建築設備（昇降機）"},
        {1014, "建築設備（昇降機以外）"},
        {1016, "工作物（法第８８条第１項）"},
        {1020, "工作物（昇降機）"},
        {1018, "工作物（法第８８条第２項）"},
    };
    for (const auto& kind : kinds) {
        if (kind.objKind == objKind)
            return kind.text;
    }
    return CString();
}

} // namespace

ZnWriteOutcome ZnAppDocFDOut30::WriteXml(int selector, int pageIndex, CString path)
{
    Models models;
    if (!TakeModels(models)) {
        Xml::ReportMissingModel();
        return ZnWriteOutcome::told;
    }
    FILE* file = Xml::OpenOutput(path);
    if (!file)
        return ZnWriteOutcome::told;
    XmlText xml;
    Xml::WriteDocumentHead(xml);
    WriteSecondFace(xml, models);
    WriteThirdFace(xml, models, selector);
    WriteFirstFace(xml, models);
    xml.Literal("</申請書データ>\n");
    return ZnWrittenFiles::WriteWholeFile(file, xml, path);
}

bool ZnAppDocFDOut30::TakeModels(Models& models)
{
    ZnShellState* shell = ZnShellState::Current();
    ZnModel* third = shell->GetModel(ZnShellState::subFormModelSlot);
    models.root = dynamic_cast<const ZnModelApp*>(shell->GetModel(ZnShellState::appModelSlot));
    models.inspection = dynamic_cast<const ZnModelAppInspConf*>(shell->GetModel(ZnShellState::formModelSlot));
    models.isCompletion = shell->GetDocType() == completionDocType;
    if (shell->GetDocType() == interimDocType)
        models.interim = dynamic_cast<const ZnModelAppRegInspConf*>(third);
    else
        models.completion = dynamic_cast<const ZnModelAppCompInspConf*>(third);
    return models.root && models.inspection && (models.interim || models.completion);
}

void ZnAppDocFDOut30::WriteSecondFace(XmlText& xml, const Models& models)
{
    const ZnModelAppInspConf& inspection = *models.inspection;
    xml.OpenTag(1, "第二面");
    WritePeopleList(xml, "建築主リスト", "建築主", ZnAppDocFDOut11::OwnerList,
                    [&] { Xml::WriteOwnerFields(xml, 4, models.root->GetOwner()); });
    Xml::WriteAgentBlock(xml, models.root->GetDesigner());
    WritePeopleList(xml, "設計者リスト", "設計者", ZnAppDocFDOut11::DesignerList,
                    [&] { WriteFirstDesigner(xml, inspection.m_designer); });
    WritePeopleList(xml, "建築設備設計意見者リスト", "建築設備設計意見者", ZnAppDocFDOut11::EquipDesignerList, [&] {
        const ZnModelEquipDesigner& adviser = inspection.m_equipAdviser;
        const JkModelIndividualData& workplace = adviser.GetIndividualData();
        xml.Leaf(4, "氏名", adviser.GetName().GetName());
        xml.Leaf(4, "勤務先", workplace.GetName().GetName());
        Xml::WriteContact(xml, 4, workplace, "所在地");
        xml.Leaf(4, "登録番号", adviser.GetRegistrationNumber());
        xml.Leaf(4, "設計図書", adviser.GetDesignDocs());
    });
    WritePeopleList(xml, "工事監理者リスト", "工事監理者", ZnAppDocFDOut11::SupervisorList, [&] {
        Xml::WriteArchitectBlock(xml, 4, inspection.m_supervisor);
        xml.Leaf(4, "設計図書", inspection.m_supervisor.GetDesignDocs());
    });

    // Further constructors without a name are left out and take no order.
    auto constructor = [&xml](const ZnModelConstructor& entry, int order) {
        xml.OpenTag(3, "工事施工者");
        Xml::WriteConstructorFields(xml, 4, entry, order);
        xml.CloseTag(3, "工事施工者");
    };
    xml.OpenTag(2, "工事施工者リスト");
    constructor(inspection.m_constructor, 1);
    Xml::ForEachFurtherEntryWhere(
        inspection.m_constructorList,
        [](const ZnModelConstructor& entry) { return !entry.GetName().GetName().IsEmpty(); }, constructor);
    xml.CloseTag(2, "工事施工者リスト");

    xml.OpenTag(2, "備考");
    xml.Leaf(3, "建築物の名称", inspection.m_buildingName.GetName());
    xml.Leaf(3, "建築物フリガナ", inspection.m_buildingName.GetFurigana());
    xml.Leaf(3, "備考内容", ZnAppDocFDOut00::RemoveLineBreaks(inspection.m_remarks2));
    xml.CloseTag(2, "備考");
    xml.CloseTag(1, "第二面");
}

void ZnAppDocFDOut30::WriteFirstDesigner(XmlText& xml, const ZnModelDesigner& designer)
{
    // A structural statement counts a flag only when it is 1, an equipment statement any flag
    // that is not 0.
    Xml::WriteArchitectBlock(xml, 4, designer);
    xml.Leaf(4, "設計図書", designer.GetDesignDocs());
    WriteStatement(xml, "構造設計一級建築士である旨の表示をした者", designer.m_structuralParagraph1Statement == 1,
                   designer.m_structuralParagraph3Statement == 1, designer.GetStructCertNo());
    WriteStatement(xml, "設備設計一級建築士である旨の表示をした者", designer.m_equipmentParagraph1Statement != 0,
                   designer.m_equipmentParagraph3Statement != 0, designer.GetEquipCertNo());
}

void ZnAppDocFDOut30::WriteFirstFace(XmlText& xml, const Models& models)
{
    xml.OpenTag(1, "第一面");
    xml.Leaf(2, models.interim ? "検査を申請する建築物等1" : "検査を申請する建築物等2",
             ObjectKindText(ZnShellState::Current()->GetObjKind()));
    xml.Leaf(2, "工事監理者1", models.inspection->m_text1);
    Xml::WriteApplicant(xml, *models.root);
    xml.CloseTag(1, "第一面");
}
