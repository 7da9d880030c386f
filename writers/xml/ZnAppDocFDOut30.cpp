#include "writers/xml/ZnAppDocFDOut30.h"

#include "model/ZnModelAppCompInspConf.h"
#include "model/ZnModelAppRegInspConf.h"
#include "storage/ZnShellState.h"
#include "writers/xml/ZnAppDocFDOut11.h"
#include "writers/xml/ZnConfDocXmlFrame.h"
#include "writers/XmlPieceWriters.h"
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
void WriteStatement(FILE* file, LPCTSTR tag, bool paragraph1, bool paragraph3, const CString& certificate)
{
    Xml::OpenElement(file, 4, tag);
    Xml::WriteFixedLeaf(file, 5, "第1項", Presence(paragraph1));
    Xml::WriteFixedLeaf(file, 5, "第3項", Presence(paragraph3));
    if (paragraph1 || paragraph3)
        Xml::WriteLeaf(file, 5, "交付番号", certificate);
    Xml::CloseElement(file, 4, tag);
}

// A list whose first entry comes from the record that the application holds and whose further
// entries (代表区分 2, 表示順 from 2) the building writer writes from the list of that kind.
template <typename WriteFirst>
void WritePeopleList(FILE* file, LPCTSTR listTag, LPCTSTR entryTag, int kind, WriteFirst writeFirst)
{
    Xml::OpenElement(file, 2, listTag);
    Xml::OpenElement(file, 3, entryTag);
    Xml::WriteEntryOrder(file, 4, 1);
    writeFirst();
    Xml::CloseElement(file, 3, entryTag);
    ZnAppDocFDOut11::WriteListEntries(file, kind);
    Xml::CloseElement(file, 2, listTag);
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

void ZnAppDocFDOut30::WriteXml(int selector, int pageIndex, CString path)
{
    Models models;
    if (!TakeModels(models)) {
        Xml::ReportMissingModel();
        return;
    }
    FILE* file = Xml::OpenOutput(path);
    if (!file)
        return;
    Xml::WriteDocumentHead(file);
    WriteSecondFace(file, models);
    WriteThirdFace(file, models, selector);
    WriteFirstFace(file, models);
    WriteXmlLiteral(file, "</申請書データ>\n");
    ZnAppDocFDOut00::CloseWrittenFile(file, path);
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

void ZnAppDocFDOut30::WriteSecondFace(FILE* file, const Models& models)
{
    const ZnModelAppInspConf& inspection = *models.inspection;
    Xml::OpenElement(file, 1, "第二面");
    WritePeopleList(file, "建築主リスト", "建築主", ZnAppDocFDOut11::OwnerList,
                    [&] { Xml::WriteOwnerFields(file, 4, models.root->GetOwner()); });
    Xml::WriteAgentBlock(file, models.root->GetDesigner());
    WritePeopleList(file, "設計者リスト", "設計者", ZnAppDocFDOut11::DesignerList,
                    [&] { WriteFirstDesigner(file, inspection.m_designer); });
    WritePeopleList(file, "建築設備設計意見者リスト", "建築設備設計意見者", ZnAppDocFDOut11::EquipDesignerList, [&] {
        const ZnModelEquipDesigner& adviser = inspection.m_equipAdviser;
        const JkModelIndividualData& workplace = adviser.GetIndividualData();
        Xml::WriteLeaf(file, 4, "氏名", adviser.GetName().GetName());
        Xml::WriteLeaf(file, 4, "勤務先", workplace.GetName().GetName());
        Xml::WriteContact(file, 4, workplace, "所在地");
        Xml::WriteLeaf(file, 4, "登録番号", adviser.GetRegistrationNumber());
        Xml::WriteLeaf(file, 4, "設計図書", adviser.GetDesignDocs());
    });
    WritePeopleList(file, "工事監理者リスト", "工事監理者", ZnAppDocFDOut11::SupervisorList, [&] {
        Xml::WriteArchitectBlock(file, 4, inspection.m_supervisor);
        Xml::WriteLeaf(file, 4, "設計図書", inspection.m_supervisor.GetDesignDocs());
    });

    // Further constructors without a name are left out and take no order.
    auto constructor = [file](const ZnModelConstructor& entry, int order) {
        Xml::OpenElement(file, 3, "工事施工者");
        Xml::WriteConstructorFields(file, 4, entry, order);
        Xml::CloseElement(file, 3, "工事施工者");
    };
    Xml::OpenElement(file, 2, "工事施工者リスト");
    constructor(inspection.m_constructor, 1);
    Xml::ForEachFurtherEntryWhere(
        inspection.m_constructorList,
        [](const ZnModelConstructor& entry) { return !entry.GetName().GetName().IsEmpty(); }, constructor);
    Xml::CloseElement(file, 2, "工事施工者リスト");

    Xml::OpenElement(file, 2, "備考");
    Xml::WriteLeaf(file, 3, "建築物の名称", inspection.m_buildingName.GetName());
    Xml::WriteLeaf(file, 3, "建築物フリガナ", inspection.m_buildingName.GetFurigana());
    Xml::WriteLeaf(file, 3, "備考内容", ZnAppDocFDOut00::RemoveLineBreaks(inspection.m_remarks2));
    Xml::CloseElement(file, 2, "備考");
    Xml::CloseElement(file, 1, "第二面");
}

void ZnAppDocFDOut30::WriteFirstDesigner(FILE* file, const ZnModelDesigner& designer)
{
    // A structural statement counts a flag only when it is 1, an equipment statement any flag
    // that is not 0.
    Xml::WriteArchitectBlock(file, 4, designer);
    Xml::WriteLeaf(file, 4, "設計図書", designer.GetDesignDocs());
    WriteStatement(file, "構造設計一級建築士である旨の表示をした者", designer.m_structuralParagraph1Statement == 1,
                   designer.m_structuralParagraph3Statement == 1, designer.GetStructCertNo());
    WriteStatement(file, "設備設計一級建築士である旨の表示をした者", designer.m_equipmentParagraph1Statement != 0,
                   designer.m_equipmentParagraph3Statement != 0, designer.GetEquipCertNo());
}

void ZnAppDocFDOut30::WriteFirstFace(FILE* file, const Models& models)
{
    Xml::OpenElement(file, 1, "第一面");
    Xml::WriteFixedLeaf(file, 2, models.interim ? "検査を申請する建築物等1" : "検査を申請する建築物等2",
                        ObjectKindText(ZnShellState::Current()->GetObjKind()));
    Xml::WriteLeaf(file, 2, "工事監理者1", models.inspection->m_text1);
    Xml::WriteApplicant(file, *models.root);
    Xml::CloseElement(file, 1, "第一面");
}
