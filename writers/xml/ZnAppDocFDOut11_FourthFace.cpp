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

void ZnAppDocFDOut11::WriteFourthFace(LPCTSTR path)
{
    const ZnModelAppBuild* build = nullptr;
    FILE* file = OpenFace(path, build);
    if (!file)
        return;
    WriteOpenTag(file, 1, "第四面");
    int order = 0;
    const ZnModelAppBuildPageList& pages = build->GetBuildPageList();
    for (POSITION pos = pages.GetHeadPosition(); pos;)
        if (const ZnModelAppBuildPage* page = pages.GetNext(pos))
            WriteBuildingPage(file, *page, ++order);
    WriteCloseTag(file, 1, "第四面");
    ZnAppDocFDOut00::CloseWrittenFile(file, path);
}

void ZnAppDocFDOut11::WriteBuildingPage(FILE* file, const ZnModelAppBuildPage& page, int order)
{
    WriteOpenTag(file, 2, "建築物及び工事別概要");
    WriteElement(file, 3, "表示順", Formatted("%d", order));
    WriteElement(file, 3, "建築物の番号", Formatted("%d", page.GetBuildingNumber()));
    WriteElement(file, 3, "棟名称", "");

    // The usage list is left out when the page has none; usages without a code are unused rows.
    const ZnModelAppUsageList& usages = page.GetUsageList();
    if (!usages.IsEmpty()) {
        WriteOpenTag(file, 3, "用途リスト");
        int usageOrder = 0;
        for (POSITION pos = usages.GetHeadPosition(); pos;) {
            const ZnModelAppUsage* usage = usages.GetNext(pos);
            if (!usage || usage->GetUsageCode().GetCode().IsEmpty())
                continue;
            WriteOpenTag(file, 4, "用途");
            WriteElement(file, 5, "用途内容", usage->GetText());
            WriteElement(file, 5, "用途コード", usage->GetUsageCode().GetCode());
            WriteElement(file, 5, "表示順", Formatted("%d", ++usageOrder));
            WriteCloseTag(file, 4, "用途");
        }
        WriteCloseTag(file, 3, "用途リスト");
    }

    WriteConstKinds(file, 3, page.m_constKind);
    WriteMainStructure(file, page.GetStrKind());
    WriteElement(file, 3, "耐火建築物",
                 WithFullWidthParentheses(CodeName(TaikaShubetsuTbl, page.GetFireProofCode().GetCode())));

    // "%.0d" prints nothing for 0: a floor count of 0 is written empty.
    WriteOpenTag(file, 3, "階数1");
    WriteElement(file, 4, "地階を除く階数", FormattedBlankZero("%.0d", page.m_floorsAboveGround));
    WriteElement(file, 4, "地階の階数", FormattedBlankZero("%.0d", page.m_floorsBelowGround));
    WriteElement(file, 4, "昇降機塔等の階の数", FormattedBlankZero("%.0d", page.m_penthouseFloors));
    WriteElement(file, 4, "地階の倉庫等の階の数", FormattedBlankZero("%.0d", page.m_basementStoreFloors));
    WriteCloseTag(file, 3, "階数1");

    WriteOpenTag(file, 3, "高さ1");
    WriteElement(file, 4, "最高の高さ", FormattedBlankZero("%.0f", page.m_maxHeight));
    WriteElement(file, 4, "最高の軒の高さ", FormattedBlankZero("%.0f", page.m_maxEavesHeight));
    WriteCloseTag(file, 3, "高さ1");
    WriteElement(file, 3, "建築設備の種類", page.GetEquipKinds());

    const ZnModelAppExcept& exception = page.GetConfException();
    WriteOpenTag(file, 3, "確認の特例");
    WriteElement(file, 4, "確認の特例の適用の有無", exception.GetNoException() == 0 ? "有" : "無");
    WriteElement(file, 4, "建築物の区分",
                 ZnAppDocFDOut00::GetBuildTypeDigit(exception.GetBuildingClassCode().GetCode()));
    WriteOpenTag(file, 4, "当該認定型式の認定番号リスト");
    WriteElement(file, 5, "当該認定型式の認定番号", exception.GetText());
    WriteCloseTag(file, 4, "当該認定型式の認定番号リスト");
    WriteOpenTag(file, 4, "認証型式部材等の認証番号リスト");
    WriteElement(file, 5, "認証型式部材等の認証番号", ZnAppDocFDOut00::RemoveLineBreaks(page.GetCertNumber()));
    WriteCloseTag(file, 4, "認証型式部材等の認証番号リスト");
    WriteCloseTag(file, 3, "確認の特例");

    WriteOpenTag(file, 3, "床面積1");
    WriteOpenTag(file, 4, "階別床面積リスト");
    int floorOrder = 0;
    const ZnModelAppFloorOutlineList& floors = page.GetFloorOutlineList();
    for (POSITION pos = floors.GetHeadPosition(); pos;) {
        const ZnModelAppFloorOutline* floor = floors.GetNext(pos);
        if (!floor)
            continue;
        CString kind, number;
        SplitFloorText(floor->GetFloorText(), kind, number);
        const ZnModelArea& area = floor->GetFloorArea();
        WriteOpenTag(file, 5, "階別床面積");
        WriteOpenTag(file, 6, "階");
        WriteElement(file, 7, "番号", number);
        WriteElement(file, 7, "区分", kind);
        WriteCloseTag(file, 6, "階");
        WriteAreaFigures(file, 6, area.GetAppPart(), area.GetOtherPart(), area.GetAppPart() + area.GetOtherPart());
        WriteElement(file, 6, "表示順", Formatted("%d", ++floorOrder));
        WriteCloseTag(file, 5, "階別床面積");
    }
    WriteCloseTag(file, 4, "階別床面積リスト");
    WriteOpenTag(file, 4, "合計床面積");
    WriteAreaFigures(file, 5, page.GetAppPartFloorArea(), page.GetOtherPartFloorArea(), page.GetTotalFloorArea());
    WriteCloseTag(file, 4, "合計床面積");
    WriteCloseTag(file, 3, "床面積1");

    WriteElement(file, 3, "屋根", page.GetRoof());
    WriteElement(file, 3, "外壁", page.GetOuterWall());
    WriteElement(file, 3, "軒裏", page.GetEaves());
    WriteElement(file, 3, "居室の床の高さ", FormattedBlankZero("%d", page.m_roomFloorHeight));
    WriteElement(file, 3, "便所の種類", page.GetToiletKind());
    WriteElement(file, 3, "便所の区分", "");
    WriteElement(file, 3, "その他必要な事項", ZnAppDocFDOut00::RemoveLineBreaks(page.GetText2()));

    WriteOpenTag(file, 3, "備考");
    // The three remarks are three values, one after the other, in the one element.
    WriteLiteral(file, "\t\t\t\t<備考内容>");
    for (const CString* remarks : {&page.GetRemarks1(), &page.GetRemarks2(), &page.GetRemarks3()})
        WriteValue(file, ZnAppDocFDOut00::RemoveLineBreaks(*remarks));
    WriteLiteral(file, "</備考内容>\n");
    WriteChangeSummary(file, 4, page.GetChangeSummary());
    WriteCloseTag(file, 3, "備考");
    WriteCloseTag(file, 2, "建築物及び工事別概要");
}
