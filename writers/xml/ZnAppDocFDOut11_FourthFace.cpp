// The fourth face (第四面): one outline per building page, with its usages, construction kinds,
// structure, fire resistance, floor counts, heights, the confirmation exception, the floor areas
// floor by floor, roof, walls and free texts.
#include "writers/xml/ZnAppDocFDOut11.h"

#include "model/ZnModelAppBuild.h"
#include "writers/ZnAppDocFDOut00.h"

namespace {

// The fire-resistance name as the form writes it: with full-width parentheses.
CString WithFullWidthParentheses(CString name)
{
    name.Replace("(", "（");
    name.Replace(")", "）");
    return name;
}

} // namespace

void ZnAppDocFDOut11::FourthFace(XmlText& xml, const ZnModelApp*, const ZnModelAppBuild& build)
{
    xml.OpenTag(1, "第四面");
    int order = 0;
    const ZnModelAppBuildPageList& pages = build.GetBuildPageList();
    for (POSITION pos = pages.GetHeadPosition(); pos;)
        if (const ZnModelAppBuildPage* page = pages.GetNext(pos))
            WriteBuildingPage(xml, *page, ++order);
    xml.CloseTag(1, "第四面");
}

void ZnAppDocFDOut11::WriteBuildingPage(XmlText& xml, const ZnModelAppBuildPage& page, int order)
{
    xml.OpenTag(2, "建築物及び工事別概要");
    xml.Leaf(3, "表示順", Formatted("%d", order));
    xml.Leaf(3, "建築物の番号", Formatted("%d", page.GetBuildingNumber()));
    xml.Leaf(3, "棟名称", "");

    // The usage list is left out when the page has none; usages without a code are unused rows.
    const ZnModelAppUsageList& usages = page.GetUsageList();
    if (!usages.IsEmpty()) {
        xml.OpenTag(3, "用途リスト");
        int usageOrder = 0;
        for (POSITION pos = usages.GetHeadPosition(); pos;) {
            const ZnModelAppUsage* usage = usages.GetNext(pos);
            if (!usage || usage->GetUsageCode().GetCode().IsEmpty())
                continue;
            xml.OpenTag(4, "用途");
            xml.Leaf(5, "用途内容", usage->GetText());
            xml.Leaf(5, "用途コード", usage->GetUsageCode().GetCode());
            xml.Leaf(5, "表示順", Formatted("%d", ++usageOrder));
            xml.CloseTag(4, "用途");
        }
        xml.CloseTag(3, "用途リスト");
    }

    WriteConstKinds(xml, 3, page.m_constKind);
    WriteMainStructure(xml, page.GetStrKind());
    xml.Leaf(3, "耐火建築物", WithFullWidthParentheses(CodeName(TaikaShubetsuTbl, page.GetFireProofCode().GetCode())));

    // "%.0d" prints nothing for 0: a floor count of 0 is written empty.
    xml.OpenTag(3, "階数1");
    xml.Leaf(4, "地階を除く階数", FormattedBlankZero("%.0d", page.m_floorsAboveGround));
    xml.Leaf(4, "地階の階数", FormattedBlankZero("%.0d", page.m_floorsBelowGround));
    xml.Leaf(4, "昇降機塔等の階の数", FormattedBlankZero("%.0d", page.m_penthouseFloors));
    xml.Leaf(4, "地階の倉庫等の階の数", FormattedBlankZero("%.0d", page.m_basementStoreFloors));
    xml.CloseTag(3, "階数1");

    xml.OpenTag(3, "高さ1");
    xml.Leaf(4, "最高の高さ", FormattedBlankZero("%.0f", page.m_maxHeight));
    xml.Leaf(4, "最高の軒の高さ", FormattedBlankZero("%.0f", page.m_maxEavesHeight));
    xml.CloseTag(3, "高さ1");
    xml.Leaf(3, "建築設備の種類", page.GetEquipKinds());

    const ZnModelAppExcept& exception = page.GetConfException();
    xml.OpenTag(3, "確認の特例");
    xml.Leaf(4, "確認の特例の適用の有無", exception.GetNoException() == 0 ? "有" : "無");
    xml.Leaf(4, "建築物の区分", ZnAppDocFDOut00::GetBuildTypeDigit(exception.GetBuildingClassCode().GetCode()));
    xml.OpenTag(4, "当該認定型式の認定番号リスト");
    xml.Leaf(5, "当該認定型式の認定番号", exception.GetText());
    xml.CloseTag(4, "当該認定型式の認定番号リスト");
    xml.OpenTag(4, "認証型式部材等の認証番号リスト");
    xml.Leaf(5, "認証型式部材等の認証番号", ZnAppDocFDOut00::RemoveLineBreaks(page.GetCertNumber()));
    xml.CloseTag(4, "認証型式部材等の認証番号リスト");
    xml.CloseTag(3, "確認の特例");

    xml.OpenTag(3, "床面積1");
    xml.OpenTag(4, "階別床面積リスト");
    int floorOrder = 0;
    const ZnModelAppFloorOutlineList& floors = page.GetFloorOutlineList();
    for (POSITION pos = floors.GetHeadPosition(); pos;) {
        const ZnModelAppFloorOutline* floor = floors.GetNext(pos);
        if (!floor)
            continue;
        CString kind, number;
        SplitFloorText(floor->GetFloorText(), kind, number);
        const ZnModelArea& area = floor->GetFloorArea();
        xml.OpenTag(5, "階別床面積");
        xml.OpenTag(6, "階");
        xml.Leaf(7, "番号", number);
        xml.Leaf(7, "区分", kind);
        xml.CloseTag(6, "階");
        WriteAreaFigures(xml, 6, area.GetAppPart(), area.GetOtherPart(), area.GetAppPart() + area.GetOtherPart());
        xml.Leaf(6, "表示順", Formatted("%d", ++floorOrder));
        xml.CloseTag(5, "階別床面積");
    }
    xml.CloseTag(4, "階別床面積リスト");
    xml.OpenTag(4, "合計床面積");
    WriteAreaFigures(xml, 5, page.GetAppPartFloorArea(), page.GetOtherPartFloorArea(), page.GetTotalFloorArea());
    xml.CloseTag(4, "合計床面積");
    xml.CloseTag(3, "床面積1");

    xml.Leaf(3, "屋根", page.GetRoof());
    xml.Leaf(3, "外壁", page.GetOuterWall());
    xml.Leaf(3, "軒裏", page.GetEaves());
    xml.Leaf(3, "居室の床の高さ", FormattedBlankZero("%d", page.m_roomFloorHeight));
    xml.Leaf(3, "便所の種類", page.GetToiletKind());
    xml.Leaf(3, "便所の区分", "");
    xml.Leaf(3, "その他必要な事項", ZnAppDocFDOut00::RemoveLineBreaks(page.GetText2()));

    xml.OpenTag(3, "備考");
    // The three remarks are three values, one after the other, in the one element.
    xml.StartLeaf(4, "備考内容");
    for (const CString* remarks : {&page.GetRemarks1(), &page.GetRemarks2(), &page.GetRemarks3()})
        xml.Value(ZnAppDocFDOut00::RemoveLineBreaks(*remarks));
    xml.EndLeaf("備考内容");
    WriteChangeSummary(xml, 4, page.GetChangeSummary());
    xml.CloseTag(3, "備考");
    xml.CloseTag(2, "建築物及び工事別概要");
}
