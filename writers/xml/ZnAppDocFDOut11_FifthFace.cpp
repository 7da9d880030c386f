// The fifth face (第五面): one summary per floor of every building page, numbered over all
// pages, with the floor areas by usage. It is the last face and closes the root element.
#include "writers/xml/ZnAppDocFDOut11.h"

#include "model/ZnModelAppBuild.h"
#include "writers/ZnAppDocFDOut00.h"

void ZnAppDocFDOut11::FifthFace(XmlText& xml, const ZnModelApp*, const ZnModelAppBuild& build)
{
    xml.OpenTag(1, "第五面");
    int order = 0;
    const ZnModelAppBuildPageList& pages = build.GetBuildPageList();
    for (POSITION pagePos = pages.GetHeadPosition(); pagePos;) {
        const ZnModelAppBuildPage* page = pages.GetNext(pagePos);
        if (!page)
            continue;
        const ZnModelAppFloorOutlineList& floors = page->GetFloorOutlineList();
        for (POSITION floorPos = floors.GetHeadPosition(); floorPos;)
            if (const ZnModelAppFloorOutline* floor = floors.GetNext(floorPos))
                WriteFloorSummary(xml, *page, *floor, ++order);
    }
    xml.CloseTag(1, "第五面");
    xml.CloseTag(0, "申請書データ");
}

void ZnAppDocFDOut11::WriteFloorSummary(XmlText& xml, const ZnModelAppBuildPage& page,
                                        const ZnModelAppFloorOutline& floor, int order)
{
    CString kind, number;
    SplitFloorText(floor.GetFloorText(), kind, number);
    xml.OpenTag(2, "建築物の階別概要");
    xml.Leaf(3, "表示順", Formatted("%d", order));
    xml.Leaf(3, "建築物の番号", Formatted("%d", page.GetBuildingNumber()));
    xml.Leaf(3, "建築物の名称", "");
    xml.OpenTag(3, "階");
    xml.Leaf(4, "区分", kind);
    xml.Leaf(4, "番号", number);
    xml.CloseTag(3, "階");
    xml.Leaf(3, "柱の小径", FormattedBlankZero("%d", floor.GetColumnDiameter()));
    xml.Leaf(3, "横架材間の垂直距離", FormattedBlankZero("%d", floor.GetBeamDistance()));
    xml.Leaf(3, "階の高さ", FormattedBlankZero("%d", floor.GetFloorHeight()));
    xml.Leaf(3, "居室の天井の高さ", FormattedBlankZero("%d", floor.GetCeilingHeight()));

    // The list is left out when the floor has no usage; usages without a code are unused rows.
    const ZnModelAppUseFloorAreaList& usages = floor.GetUseFloorAreaList();
    if (!usages.IsEmpty()) {
        xml.OpenTag(3, "用途別床面積リスト");
        int usageOrder = 0;
        for (POSITION pos = usages.GetHeadPosition(); pos;) {
            const ZnModelAppUseFloorArea* usage = usages.GetNext(pos);
            if (!usage || usage->GetUsageCode().GetCode().IsEmpty())
                continue;
            xml.OpenTag(4, "用途別床面積");
            xml.Leaf(5, "床面積", FormattedBlankZero("%.2f", usage->GetFloorArea()));
            xml.Leaf(5, "具体的な用途の名称", usage->GetText());
            xml.Leaf(5, "用途の区分", usage->GetUsageCode().GetCode());
            xml.Leaf(5, "表示順", Formatted("%d", ++usageOrder));
            xml.CloseTag(4, "用途別床面積");
        }
        xml.CloseTag(3, "用途別床面積リスト");
    }

    // Of a floor's three texts the first is its change summary, the other two its other matters
    // and its remarks.
    xml.Leaf(3, "その他必要な事項", ZnAppDocFDOut00::RemoveLineBreaks(floor.GetOtherMatters()));
    xml.OpenTag(3, "備考");
    xml.Leaf(4, "備考内容", ZnAppDocFDOut00::RemoveLineBreaks(floor.GetRemarks()));
    WriteChangeSummary(xml, 4, floor.GetText1());
    xml.CloseTag(3, "備考");
    xml.CloseTag(2, "建築物の階別概要");
}
