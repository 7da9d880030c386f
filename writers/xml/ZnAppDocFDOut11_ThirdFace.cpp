// The third face (第三面1): the site page of the building application, that is the site, its
// city planning, the areas and ratios, the main usage, the buildings as a whole, the planned
// dates, the specified construction stages and the free texts.
#include "writers/xml/ZnAppDocFDOut11.h"

#include "model/ZnModelAppBuild.h"
#include "writers/ZnAppDocFDOut00.h"

#include <cstdlib>

namespace {

// The fire-zone codes of the site page with the words the face writes for them.
const struct {
    LPCTSTR code;
    LPCTSTR word;
} fireZoneWords[] = {
    {"00601", "防火地域"},
    {"00602", "準防火地域"},
    {"00603", "指定なし"},
};

// The word of a fire-zone code; "" for any other code.
CString FireZoneWord(const CString& code)
{
    for (const auto& zone : fireZoneWords)
        if (code == zone.code)
            return zone.word;
    return CString();
}

// The table names of the two low-rise residential zones lack the word 地域 that the form's
// names end in.
const struct {
    LPCTSTR tableName;
    LPCTSTR formName;
} useZoneCompletions[] = {
    {"第一種低層住居専用", "第一種低層住居専用地域"},
    {"第二種低層住居専用", "第二種低層住居専用地域"},
};

// The use-zone name as the form writes it.
CString CompleteUseZoneName(const CString& name)
{
    for (const auto& completion : useZoneCompletions)
        if (name == completion.tableName)
            return completion.formName;
    return name;
}

// A planned or stage date as its western year in four columns, month and day: "20100402";
// an empty date gives "   00000".
CString PlannedDate(const ZnModelDate& date)
{
    CString text;
    text.Format("%4d%02d%02d", date.GetYearCode().GetEraYear(0), date.GetMonth(), date.GetDay());
    return text;
}

// Whether a stage has anything to count: its count, name and date together.
bool StageHasContent(const ZnModelInspDate& stage)
{
    return stage.GetCount() + stage.GetName().GetLength() + stage.GetDate().GetDateString().GetLength() > 0;
}

} // namespace

void ZnAppDocFDOut11::ThirdFace(XmlText& xml, const ZnModelApp*, const ZnModelAppBuild& build)
{
    const ZnModelAppSitePage& site = build.GetSitePage();
    xml.OpenTag(1, "第三面1");

    xml.OpenTag(2, "地名地番情報");
    xml.Leaf(3, "地名地番", site.GetLotAddress().m_address);
    xml.Leaf(3, "住居表示", site.GetDisplayAddress().m_address);
    xml.CloseTag(2, "地名地番情報");

    xml.OpenTag(2, "都市計画区域情報");
    xml.Leaf(3, "都市計画区域区分", ZnAppDocFDOut00::GetUrbanPlanAreaName(site.GetUrbanPlanKindCode()));
    xml.OpenTag(3, "都市計画区域内都市計画区域リスト");
    xml.Leaf(4, "都市計画区域内都市計画区域", ZnAppDocFDOut00::GetAreaDivisionName(site.GetUrbanAreaCode().GetCode()));
    xml.CloseTag(3, "都市計画区域内都市計画区域リスト");
    xml.CloseTag(2, "都市計画区域情報");

    xml.OpenTag(2, "防火地域");
    xml.OpenTag(3, "防火地域区分リスト");
    CStringList fireZoneCodes;
    site.GetFireZoneCodes(fireZoneCodes);
    for (POSITION pos = fireZoneCodes.GetHeadPosition(); pos;)
        xml.Leaf(4, "防火地域区分", FireZoneWord(fireZoneCodes.GetNext(pos)));
    xml.CloseTag(3, "防火地域区分リスト");
    xml.Leaf(3, "指定なし防火地域", site.m_otherZoneFlag1 ? "２２条区域" : "");
    xml.CloseTag(2, "防火地域");
    xml.Leaf(2, "その他の区域等", site.GetOtherZoneText());

    xml.OpenTag(2, "道路");
    xml.Leaf(3, "幅員", FormattedBlankZero("%.0f", site.m_roadWidth));
    xml.Leaf(3, "敷地と接している部分の長さ", FormattedBlankZero("%.0f", site.m_roadFrontage));
    xml.CloseTag(2, "道路");

    WriteSiteAreaBlock(xml, site);

    xml.OpenTag(2, "主要用途");
    xml.Leaf(3, "用途コード", site.GetUsageCode().GetCode());
    xml.Leaf(3, "用途内容", site.GetMainUsageText());
    xml.CloseTag(2, "主要用途");
    WriteConstKinds(xml, 2, site.m_constKind);

    WriteBuildingAreaBlock(xml, site);
    WriteFloorAreaBlock(xml, site);

    xml.OpenTag(2, "建築物の数");
    xml.Leaf(3, "申請に係る建築物の数", FormattedBlankZero("%d", site.m_appBuildingCount));
    xml.Leaf(3, "同一敷地内の他の建築物の数", FormattedBlankZero("%d", site.m_otherBuildingCount));
    xml.CloseTag(2, "建築物の数");

    xml.OpenTag(2, "建築物の高さ等");
    xml.OpenTag(3, "最高の高さ");
    xml.Leaf(4, "申請に係る建築物", FormattedBlankZero("%.0f", site.m_appMaxHeight));
    xml.Leaf(4, "他の建築物", FormattedBlankZero("%.0f", site.m_otherMaxHeight));
    xml.CloseTag(3, "最高の高さ");
    xml.OpenTag(3, "階数");
    xml.OpenTag(4, "地上");
    xml.Leaf(5, "申請に係る建築物", FormattedBlankZero("%d", site.m_appFloorsAbove));
    xml.Leaf(5, "他の建築物", FormattedBlankZero("%d", site.m_otherFloorsAbove));
    xml.CloseTag(4, "地上");
    xml.OpenTag(4, "地下");
    xml.Leaf(5, "申請に係る建築物", FormattedBlankZero("%d", site.m_appFloorsBelow));
    xml.Leaf(5, "他の建築物", FormattedBlankZero("%d", site.m_otherFloorsBelow));
    xml.CloseTag(4, "地下");
    xml.CloseTag(3, "階数");
    WriteMainStructure(xml, site.GetStrKind());
    const ZnModelAppTenkuritu& skyFactor = site.GetTenkuritu();
    xml.Leaf(3, "特例の適用の有無", skyFactor.IsApplied() ? "有" : "無");
    xml.OpenTag(3, "特例の区分リスト");
    if (skyFactor.m_adjacentLimitExempt)
        xml.Leaf(4, "特例の区分", "隣地高さ制限不適用");
    if (skyFactor.m_northLimitExempt)
        xml.Leaf(4, "特例の区分", "北側高さ制限不適用");
    if (skyFactor.m_roadLimitExempt)
        xml.Leaf(4, "特例の区分", "道路高さ制限不適用");
    xml.CloseTag(3, "特例の区分リスト");
    xml.CloseTag(2, "建築物の高さ等");

    // One permit, of which only the law text is kept.
    xml.OpenTag(2, "許可等リスト");
    xml.OpenTag(3, "許可等");
    xml.OpenTag(4, "根拠情報");
    xml.Leaf(5, "備考内容", "");
    xml.Leaf(5, "日付", "");
    xml.Leaf(5, "許可番号", "");
    xml.Leaf(5, "その条項", "");
    xml.Leaf(5, "法令", ZnAppDocFDOut00::RemoveLineBreaks(site.GetPermitText()));
    xml.CloseTag(4, "根拠情報");
    xml.Leaf(4, "表示順", "1");
    xml.CloseTag(3, "許可等");
    xml.CloseTag(2, "許可等リスト");

    xml.Leaf(2, "工事着手予定日", PlannedDate(site.GetConstStartDate()));
    xml.Leaf(2, "工事完了予定日", PlannedDate(site.GetConstEndDate()));
    WriteStageList(xml, site);
    xml.Leaf(2, "その他必要な事項", ZnAppDocFDOut00::RemoveLineBreaks(site.GetOtherMatters()));

    xml.OpenTag(2, "備考");
    xml.Leaf(3, "備考内容", ZnAppDocFDOut00::RemoveLineBreaks(site.GetRemarks()));
    WriteChangeSummary(xml, 3, site.GetChangeSummary());
    xml.CloseTag(2, "備考");

    xml.CloseTag(1, "第三面1");
}

void ZnAppDocFDOut11::WriteSiteAreaBlock(XmlText& xml, const ZnModelAppSitePage& site)
{
    const ZnModelAppSiteArea& siteArea = site.GetSiteArea();
    xml.OpenTag(2, "敷地面積");
    xml.OpenTag(3, "敷地面積情報リスト");
    int order = 0;
    const ZnModelAppEachZoneList& zones = siteArea.GetEachZoneList();
    for (POSITION pos = zones.GetHeadPosition(); pos;) {
        const ZnModelAppEachZone* zone = zones.GetNext(pos);
        // A zone without area and code is an unused row of the form.
        if (!zone || (zone->m_area == 0.0 && zone->GetUseZoneCode().GetCode().IsEmpty()))
            continue;
        xml.OpenTag(4, "敷地面積情報");
        // The form's files carry the order at the depth of its parent's tag.
        xml.Leaf(4, "表示順", Formatted("%d", ++order));
        xml.OpenTag(5, "用途別敷地面積");
        xml.Leaf(6, "面積1", FormattedBlankZero("%.2f", zone->m_area));
        if (!zone->m_area2Omitted)
            xml.Leaf(6, "面積2", FormattedBlankZero("%.2f", std::atof(zone->GetAreaText())));
        xml.CloseTag(5, "用途別敷地面積");
        xml.Leaf(5, "用途地域等", CompleteUseZoneName(CodeName(YoutoChiikiTbl, zone->GetUseZoneCode().GetCode())));
        xml.Leaf(5, "容積率", FormattedBlankZero("%.2f", zone->m_designatedFloorAreaRatio));
        xml.Leaf(5, "建ぺい率", FormattedBlankZero("%.2f", zone->m_coverageRatio));
        xml.CloseTag(4, "敷地面積情報");
    }
    xml.CloseTag(3, "敷地面積情報リスト");

    xml.OpenTag(3, "敷地面積の合計");
    xml.Leaf(4, "面積1", Formatted("%.2f", site.GetSiteArea1Total()));
    double secondTotal = site.GetSiteArea2Total();
    xml.Leaf(4, "面積2", secondTotal > 0.0 ? Formatted("%.2f", secondTotal) : CString());
    xml.CloseTag(3, "敷地面積の合計");
    xml.Leaf(3, "延べ面積を除した数値", FormattedBlankZero("%.2f", siteArea.m_buildableFloorAreaRatio));
    xml.Leaf(3, "建築面積を除した数値", FormattedBlankZero("%.2f", siteArea.m_buildableCoverageRatio));
    xml.Leaf(3, "備考内容", ZnAppDocFDOut00::RemoveLineBreaks(siteArea.GetText()));
    xml.CloseTag(2, "敷地面積");
}

void ZnAppDocFDOut11::WriteBuildingAreaBlock(XmlText& xml, const ZnModelAppSitePage& site)
{
    xml.OpenTag(2, "建築面積情報");
    xml.OpenTag(3, "建築面積");
    const ZnModelArea& area = site.GetBuildingArea();
    WriteAreaFigures(xml, 4, area.GetAppPart(), area.GetOtherPart(), area.GetTotal());
    xml.CloseTag(3, "建築面積");
    xml.Leaf(3, "建ぺい率", FormattedBlankZero("%.2f", site.GetCoverageRatio()));
    xml.CloseTag(2, "建築面積情報");
}

void ZnAppDocFDOut11::WriteFloorAreaBlock(XmlText& xml, const ZnModelAppSitePage& site)
{
    const ZnModelAppTotalFloorArea& areas = site.GetTotalFloorAreaData();
    const struct {
        LPCTSTR tag;
        const ZnModelArea& area;
    } parts[] = {
        {"建築物全体", areas.m_whole},
        {"地階の住宅の部分", areas.m_basementHousing},
        {"共同住宅の共用の廊下等の部分", areas.m_commonCorridor},
        {"自動車車庫等の部分", areas.m_garage},
        {"住宅の部分", areas.m_housing},
    };
    xml.OpenTag(2, "延べ面積情報1");
    for (const auto& part : parts) {
        xml.OpenTag(3, part.tag);
        WriteAreaFigures(xml, 4, part.area.GetAppPart(), part.area.GetOtherPart(), part.area.GetTotal());
        xml.CloseTag(3, part.tag);
    }
    xml.Leaf(3, "延べ面積", FormattedBlankZero("%.2f", site.GetTotalFloorArea()));
    xml.Leaf(3, "容積率", FormattedBlankZero("%.2f", site.GetFloorAreaRatio()));
    xml.CloseTag(2, "延べ面積情報1");
}

void ZnAppDocFDOut11::WriteStageList(XmlText& xml, const ZnModelAppSitePage& site)
{
    xml.OpenTag(2, "特定工程工事終了予定日リスト");
    auto writeStage = [&xml](const ZnModelInspDate& stage, int order) {
        xml.OpenTag(3, "特定工程工事終了予定日");
        xml.Leaf(4, "特定工程名称", stage.GetName());
        xml.Leaf(4, "実施日", PlannedDate(stage.GetDate()));
        xml.Leaf(4, "実施回数", StageHasContent(stage) ? Formatted("%d", stage.GetCount()) : CString());
        xml.Leaf(4, "表示順", Formatted("%d", order));
        xml.CloseTag(3, "特定工程工事終了予定日");
    };
    int order = 1;
    writeStage(site.GetSpecStageDate(), order);
    const ZnModelInspDateList& stages = site.GetInspDateList();
    for (POSITION pos = stages.GetHeadPosition(); pos;)
        if (const ZnModelInspDate* stage = stages.GetNext(pos))
            writeStage(*stage, ++order);
    xml.CloseTag(2, "特定工程工事終了予定日リスト");
}
