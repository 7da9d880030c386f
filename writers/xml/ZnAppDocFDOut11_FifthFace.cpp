// The fifth face (第五面): one summary per floor of every building page, numbered over all
// pages, with the floor areas by usage. It is the last face and closes the root element.
#include "writers/xml/ZnAppDocFDOut11.h"

#include "model/ZnModelAppBuild.h"
#include "writers/ZnAppDocFDOut00.h"

void ZnAppDocFDOut11::WriteFifthFace(LPCTSTR path)
{
    const ZnModelAppBuild* build = nullptr;
    FILE* file = OpenFace(path, build);
    if (!file)
        return;
    WriteOpenTag(file, 1, "第五面");
    int order = 0;
    const ZnModelAppBuildPageList& pages = build->GetBuildPageList();
    for (POSITION pagePos = pages.GetHeadPosition(); pagePos;) {
        const ZnModelAppBuildPage* page = pages.GetNext(pagePos);
        if (!page)
            continue;
        const ZnModelAppFloorOutlineList& floors = page->GetFloorOutlineList();
        for (POSITION floorPos = floors.GetHeadPosition(); floorPos;)
            if (const ZnModelAppFloorOutline* floor = floors.GetNext(floorPos))
                WriteFloorSummary(file, *page, *floor, ++order);
    }
    WriteCloseTag(file, 1, "第五面");
    WriteCloseTag(file, 0, "申請書データ");
    ZnAppDocFDOut00::CloseWrittenFile(file, path);
}

void ZnAppDocFDOut11::WriteFloorSummary(FILE* file, const ZnModelAppBuildPage& page,
                                        const ZnModelAppFloorOutline& floor, int order)
{
    CString kind, number;
    SplitFloorText(floor.GetFloorText(), kind, number);
    WriteOpenTag(file, 2, "建築物の階別概要");
    WriteElement(file, 3, "表示順", Formatted("%d", order));
    WriteElement(file, 3, "建築物の番号", Formatted("%d", page.GetBuildingNumber()));
    WriteElement(file, 3, "建築物の名称", "");
    WriteOpenTag(file, 3, "階");
    WriteElement(file, 4, "区分", kind);
    WriteElement(file, 4, "番号", number);
    WriteCloseTag(file, 3, "階");
    WriteElement(file, 3, "柱の小径", FormattedBlankZero("%d", floor.GetColumnDiameter()));
    WriteElement(file, 3, "横架材間の垂直距離", FormattedBlankZero("%d", floor.GetBeamDistance()));
    WriteElement(file, 3, "階の高さ", FormattedBlankZero("%d", floor.GetFloorHeight()));
    WriteElement(file, 3, "居室の天井の高さ", FormattedBlankZero("%d", floor.GetCeilingHeight()));

    // The list is left out when the floor has no usage; usages without a code are unused rows.
    const ZnModelAppUseFloorAreaList& usages = floor.GetUseFloorAreaList();
    if (!usages.IsEmpty()) {
        WriteOpenTag(file, 3, "用途別床面積リスト");
        int usageOrder = 0;
        for (POSITION pos = usages.GetHeadPosition(); pos;) {
            const ZnModelAppUseFloorArea* usage = usages.GetNext(pos);
            if (!usage || usage->GetUsageCode().GetCode().IsEmpty())
                continue;
            WriteOpenTag(file, 4, "用途別床面積");
            WriteElement(file, 5, "床面積", FormattedBlankZero("%.2f", usage->GetFloorArea()));
            WriteElement(file, 5, "具体的な用途の名称", usage->GetText());
            WriteElement(file, 5, "用途の区分", usage->GetUsageCode().GetCode());
            WriteElement(file, 5, "表示順", Formatted("%d", ++usageOrder));
            WriteCloseTag(file, 4, "用途別床面積");
        }
        WriteCloseTag(file, 3, "用途別床面積リスト");
    }

    // Of a floor's three texts the first is its change summary, the other two its other matters
    // and its remarks.
    WriteElement(file, 3, "その他必要な事項", ZnAppDocFDOut00::RemoveLineBreaks(floor.GetOtherMatters()));
    WriteOpenTag(file, 3, "備考");
    WriteElement(file, 4, "備考内容", ZnAppDocFDOut00::RemoveLineBreaks(floor.GetRemarks()));
    WriteChangeSummary(file, 4, floor.GetText1());
    WriteCloseTag(file, 3, "備考");
    WriteCloseTag(file, 2, "建築物の階別概要");
}
