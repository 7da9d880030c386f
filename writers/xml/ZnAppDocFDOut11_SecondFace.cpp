// The second face (第二面): the people of the application. Each list begins with an entry written
// from the record embedded in the application (代表区分 1, 表示順 1) and goes on with the entries
// of the model's list (代表区分 2, 表示順 from 2). The further entries of some lists keep their
// elements in another order than the first entry; every entry is therefore built as a tree of
// elements from one description of its record and written in the order of its list.
#include "writers/xml/ZnAppDocFDOut11.h"

#include "model/ZnModelAppBuild.h"
#include "model/ZnModelAppInspConf.h"
#include "storage/ZnShellState.h"
#include "writers/XmlPieceWriters.h"
#include "writers/ZnAppDocFDOut00.h"

#include <algorithm>
#include <optional>

struct ZnAppDocFDOut11::Element {
    LPCTSTR tag;
    CString value;                 // of a value element
    std::vector<Element> children; // of a container, which always holds at least one element
};

using Element = ZnAppDocFDOut11::Element;
using Elements = std::vector<Element>;

namespace {

const int confirmationDocType = 1000;
const int listDepth = 2;
const int entryDepth = 3;

Element Leaf(LPCTSTR tag, const CString& value) { return Element{tag, value, {}}; }

Element Container(LPCTSTR tag, Elements children) { return Element{tag, CString(), std::move(children)}; }

// The element with the children of every container in the reverse order.
Element Reversed(Element element)
{
    std::reverse(element.children.begin(), element.children.end());
    for (Element& child : element.children)
        child = Reversed(std::move(child));
    return element;
}

Elements Joined(Elements first, const Elements& second)
{
    first.insert(first.end(), second.begin(), second.end());
    return first;
}

// Where an entry's numbering (代表区分, 表示順) stands among its elements.
enum Numbering { NumberingFirst, NumberingLast };

// A list entry: the numbering (代表区分 1 for the first entry, 2 for the others; 表示順 the
// entry's place) and the entry's own elements.
Element Entry(LPCTSTR tag, int order, const Elements& body, Numbering numbering)
{
    CString place;
    place.Format("%d", order);
    Elements numbers = {Leaf("代表区分", order == 1 ? "1" : "2"), Leaf("表示順", place)};
    return Container(tag, numbering == NumberingFirst ? Joined(numbers, body) : Joined(body, numbers));
}

// 有 or 無.
CString Presence(bool present) { return present ? "有" : "無"; }

// A statement of a structural or equipment first-class architect: whether paragraphs 1 and 3
// apply, and the certificate number when either does. The further designers list paragraph 3
// first.
Element Statement(LPCTSTR tag, bool paragraph1, bool paragraph3, const CString& certificate, bool paragraph3First)
{
    Element first = Leaf("第1項", Presence(paragraph1));
    Element third = Leaf("第3項", Presence(paragraph3));
    Element number = Leaf("交付番号", paragraph1 || paragraph3 ? certificate : CString());
    return Container(tag, paragraph3First ? Elements{third, first, number} : Elements{first, third, number});
}

// The structural statement counts a flag only when it is 1; the equipment statement counts any
// flag that is not 0.
Element StructuralStatement(const ZnModelDesigner& designer, bool paragraph3First)
{
    return Statement("構造設計一級建築士である旨の表示をした者", designer.m_structuralParagraph1Statement == 1,
                     designer.m_structuralParagraph3Statement == 1, designer.GetStructCertNo(), paragraph3First);
}

Element EquipmentStatement(const ZnModelDesigner& designer, bool paragraph3First)
{
    return Statement("設備設計一級建築士である旨の表示をした者", designer.m_equipmentParagraph1Statement != 0,
                     designer.m_equipmentParagraph3Statement != 0, designer.GetEquipCertNo(), paragraph3First);
}

Element OwnerEntry(const ZnModelOwner& owner, int order)
{
    const JkModelIndividualData& person = owner.GetIndividualData();
    return Entry("建築主", order,
                 {Leaf("氏名フリガナ", person.GetName().GetFurigana()), Leaf("氏名", person.GetName().GetName()),
                  Leaf("郵便番号", person.GetAddress().GetPostalCode()), Leaf("住所", person.GetAddress().m_address),
                  Leaf("電話番号", person.GetTelNumber().GetTelNumber())},
                 NumberingFirst);
}

Element AdviserEntry(const ZnModelEquipDesigner& adviser, int order)
{
    const JkModelIndividualData& workplace = adviser.GetIndividualData();
    return Entry("建築設備設計意見者", order,
                 {Leaf("氏名", adviser.GetName().GetName()), Leaf("勤務先", workplace.GetName().GetName()),
                  Leaf("郵便番号", workplace.GetAddress().GetPostalCode()),
                  Leaf("所在地", workplace.GetAddress().m_address),
                  Leaf("電話番号", workplace.GetTelNumber().GetTelNumber()),
                  Leaf("登録番号", adviser.GetRegistrationNumber()), Leaf("設計図書", adviser.GetDesignDocs())},
                 NumberingFirst);
}

// The entries after the first of a list: one for each present element that makeEntry gives an
// entry for, numbered from 2 in the order written.
template <typename E, typename MakeEntry> Elements FurtherEntries(const ZnModelList<E>& list, MakeEntry makeEntry)
{
    Elements entries;
    for (POSITION pos = list.GetHeadPosition(); pos;) {
        const E* element = list.GetNext(pos);
        if (!element)
            continue;
        std::optional<Element> entry = makeEntry(*element, static_cast<int>(entries.size()) + 2);
        if (entry)
            entries.push_back(std::move(*entry));
    }
    return entries;
}

} // namespace

void ZnAppDocFDOut11::WriteElementTree(XmlText& xml, int depth, const Element& element)
{
    if (element.children.empty()) {
        xml.Leaf(depth, element.tag, element.value);
        return;
    }
    xml.OpenTag(depth, element.tag);
    for (const Element& child : element.children)
        WriteElementTree(xml, depth + 1, child);
    xml.CloseTag(depth, element.tag);
}

Element ZnAppDocFDOut11::ArchitectBlock(const ZnModelDesigner& architect)
{
    const JkModelIndividualData& office = architect.GetOfficeData();
    Element qualification = Container(
        "資格",
        {Leaf("建築士種別", ZnAppDocFDOut00::GetArchitectClassName(architect.m_qualificationClass.GetCode())),
         Leaf("資格発行元", CodeName(KenchikushiTourokuShubetsuTbl, architect.m_qualificationAuthority.GetCode())),
         Leaf("登録番号", architect.m_qualificationRegistrationNumber)});
    Element officeLicence =
        Container("建築士事務所",
                  {Leaf("建築士種別", ZnAppDocFDOut00::GetArchitectClassName(architect.GetOfficeKind().GetCode())),
                   Leaf("許可交付元", CodeName(JimushoTourokuShubetsuTbl, architect.m_officeAuthority.GetCode())),
                   Leaf("登録番号", architect.GetOfficeRegNo()), Leaf("建築士事務所名", office.GetName().GetName())});
    return Container("建築士基本情報", {qualification, Leaf("氏名", architect.GetName().GetName()), officeLicence,
                                        Leaf("郵便番号", office.GetAddress().GetPostalCode()),
                                        Leaf("所在地", office.GetAddress().m_address),
                                        Leaf("電話番号", office.GetTelNumber().GetTelNumber())});
}

Elements ZnAppDocFDOut11::ConstructorFields(const ZnModelConstructor& constructor)
{
    const JkModelIndividualData& office = constructor.GetIndividualData();
    return {
        Leaf("氏名", constructor.GetName().GetName()),
        Container("営業所", {Leaf("許可交付元", CodeName(KensetsugyouKyokaTbl, constructor.GetCode().GetCode())),
                             Leaf("登録番号", constructor.GetText()), Leaf("営業所名", office.GetName().GetName())}),
        Leaf("郵便番号", office.GetAddress().GetPostalCode()), Leaf("所在地", office.GetAddress().m_address),
        Leaf("電話番号", office.GetTelNumber().GetTelNumber())};
}

void ZnAppDocFDOut11::SecondFace(XmlText& xml, const ZnModelApp* app, const ZnModelAppBuild& build)
{
    // A list: its first entry, then the further entries of its kind.
    auto writeList = [&xml](LPCTSTR tag, const Element& firstEntry, ListKind kind) {
        xml.OpenTag(listDepth, tag);
        WriteElementTree(xml, entryDepth, firstEntry);
        WriteListEntries(xml, kind);
        xml.CloseTag(listDepth, tag);
    };
    const ZnModelDesigner& designer = build.GetDesigner();
    const ZnModelDesigner& supervisor = build.GetSupervisor();

    xml.OpenTag(1, "第二面");
    writeList("建築主リスト", OwnerEntry(app->GetOwner(), 1), OwnerList);
    WriteElementTree(xml, listDepth, Container("代理者", {ArchitectBlock(app->GetDesigner())}));
    writeList("設計者リスト",
              Entry("設計者", 1,
                    {ArchitectBlock(designer), Leaf("設計図書", designer.GetDesignDocs()),
                     StructuralStatement(designer, false), EquipmentStatement(designer, false)},
                    NumberingFirst),
              DesignerList);
    writeList("建築設備設計意見者リスト", AdviserEntry(build.GetEquipDesigner(), 1), EquipDesignerList);
    writeList("工事監理者リスト",
              Entry("工事監理者", 1, {ArchitectBlock(supervisor), Leaf("設計図書", supervisor.GetDesignDocs())},
                    NumberingFirst),
              SupervisorList);
    writeList("工事施工者リスト", Entry("工事施工者", 1, ConstructorFields(build.GetConstructor()), NumberingFirst),
              ConstructorList);
    WriteElementTree(xml, listDepth,
                     Container("備考", {Leaf("建築物の名称", build.GetName().GetName()),
                                        Leaf("建築物フリガナ", build.GetName().GetFurigana()),
                                        Leaf("備考内容", ZnAppDocFDOut00::RemoveLineBreaks(build.GetNote()))}));
    if (ZnShellState::Current()->GetDocType() == confirmationDocType)
        WriteLiftOutlineList(xml);
    xml.CloseTag(1, "第二面");
}

void ZnAppDocFDOut11::WriteListEntries(XmlText& xml, int kind)
{
    const ZnModelApp* app = ActiveApp();
    const ZnModelAppBuild* build = ActiveBuild();
    // An inspection application in the second slot holds the same lists of people, and no
    // building pages: the inspection writer's second face takes its further entries from here.
    const ZnModelAppInspConf* inspection =
        build ? nullptr
              : dynamic_cast<const ZnModelAppInspConf*>(ZnShellState::Current()->GetModel(ZnShellState::formModelSlot));
    if (!app || (!build && !inspection)) {
        ReportMissingDocument();
        return;
    }
    const ZnModelDesignerList& designers = build ? build->GetDesignerList() : inspection->m_designerList;
    const ZnModelEquipDesignerList& advisers = build ? build->GetEquipDesignerList() : inspection->m_equipAdviserList;
    const ZnModelDesignerList& supervisors = build ? build->GetSupervisorList() : inspection->m_supervisorList;
    Elements entries;
    switch (kind) {
    case OwnerList:
        entries = FurtherEntries(app->GetOwnerList(), [](const ZnModelOwner& owner, int order) {
            return std::optional<Element>(OwnerEntry(owner, order));
        });
        break;
    case DesignerList:
        // The further designers hold their elements in the reverse order of the first designer's
        // (the architect block reversed at every level), but for the design documents, which come
        // first, and the two statements, which keep 交付番号 last.
        entries = FurtherEntries(designers, [](const ZnModelDesigner& designer, int order) {
            return std::optional<Element>(
                Entry("設計者", order,
                      {Leaf("設計図書", designer.GetDesignDocs()), EquipmentStatement(designer, true),
                       StructuralStatement(designer, true), Reversed(ArchitectBlock(designer))},
                      NumberingLast));
        });
        break;
    case EquipDesignerList:
        entries = FurtherEntries(advisers, [](const ZnModelEquipDesigner& adviser, int order) {
            return std::optional<Element>(AdviserEntry(adviser, order));
        });
        break;
    case SupervisorList:
        entries = FurtherEntries(supervisors, [](const ZnModelDesigner& supervisor, int order) {
            return std::optional<Element>(
                Entry("工事監理者", order, {ArchitectBlock(supervisor), Leaf("設計図書", supervisor.GetDesignDocs())},
                      NumberingLast));
        });
        break;
    case ConstructorList:
        // One constructor per building page, named with the page's building number; a page whose
        // constructor has no name has none.
        if (!build)
            break;
        entries = FurtherEntries(build->GetBuildPageList(), [](const ZnModelAppBuildPage& page, int order) {
            const ZnModelConstructor& constructor = page.GetConstructor();
            if (constructor.GetName().GetName().IsEmpty())
                return std::optional<Element>();
            CString number;
            number.Format("%d", page.GetBuildingNumber());
            return std::optional<Element>(Entry(
                "工事施工者", order, Joined({Leaf("棟番号", number)}, ConstructorFields(constructor)), NumberingLast));
        });
        break;
    default:
        break;
    }
    for (const Element& entry : entries)
        WriteElementTree(xml, entryDepth, entry);
}

void ZnAppDocFDOut11::WriteListEntries(FILE* file, int kind)
{
    WriteXmlPiece(file, [kind](XmlText& xml) { WriteListEntries(xml, kind); });
}
