// The outline lists at the end of a confirmation's second face: the lifts (昇降機の概要リスト)
// and the structures (工作物1の概要リスト) that accompany the building confirmation.
#include "writers/xml/ZnAppDocFDOut11.h"

#include "model/ZnModelAppBuildConf.h"
#include "writers/XmlPieceWriters.h"
#include "writers/ZnAppDocFDOut00.h"

void ZnAppDocFDOut11::WriteLiftOutlineList(XmlText& xml)
{
    const ZnModelAppBuildConf* confirmation = ActiveBuildConf();
    if (!confirmation) {
        ReportMissingDocument();
        return;
    }
    const ZnModelAppWith& with = confirmation->GetWith();

    // Lifts are numbered by their place among the lifts written, whatever number they keep.
    xml.OpenTag(2, "昇降機の概要リスト");
    int number = 0;
    const ZnModelLiftList& lifts = with.GetLiftList();
    for (POSITION pos = lifts.GetHeadPosition(); pos;)
        if (const ZnModelLift* lift = lifts.GetNext(pos))
            WriteLiftOutline(xml, *lift, ++number);
    xml.CloseTag(2, "昇降機の概要リスト");

    xml.OpenTag(2, "工作物1の概要リスト");
    const ZnModelStructList& structures = with.GetStructList();
    for (POSITION pos = structures.GetHeadPosition(); pos;)
        if (const ZnModelStruct* structure = structures.GetNext(pos))
            WriteStructOutline(xml, *structure);
    xml.CloseTag(2, "工作物1の概要リスト");
}

void ZnAppDocFDOut11::WriteLiftOutlineList(FILE* file)
{
    WriteXmlPiece(file, [](XmlText& xml) { WriteLiftOutlineList(xml); });
}

void ZnAppDocFDOut11::WriteLiftOutline(XmlText& xml, const ZnModelLift& lift, int number)
{
    CString numberText = Formatted("%d", number);
    xml.OpenTag(3, "昇降機の概要");
    xml.OpenTag(4, "その他必要な事項情報");
    xml.Leaf(5, "認証番号", "");
    xml.Leaf(5, "その他必要な事項", ZnAppDocFDOut00::RemoveLineBreaks(lift.GetOtherMatters()));
    xml.CloseTag(4, "その他必要な事項情報");
    xml.Leaf(4, "定格速度", FormattedBlankZero("%.0f", lift.GetRatedSpeed()));
    xml.Leaf(4, "最大定員", FormattedBlankZero("%d", lift.GetMaxPersons()));
    xml.Leaf(4, "積載荷重", FormattedBlankZero("%.0f", lift.GetLoadCapacity()));
    xml.Leaf(4, "用途", CodeName(ShoukoukiYoutoTbl, lift.GetUsageCode().GetCode()));
    xml.Leaf(4, "種別", CodeName(ShoukoukiShubetsuTbl, lift.GetKindCode().GetCode()));
    xml.Leaf(4, "番号", numberText);
    xml.Leaf(4, "表示順", numberText);
    xml.CloseTag(3, "昇降機の概要");
}

void ZnAppDocFDOut11::WriteStructOutline(XmlText& xml, const ZnModelStruct& structure)
{
    // A structure keeps its own number; the construction-kind flags count only when they are 1.
    CString numberText = Formatted("%d", structure.GetLeadingValue());
    xml.OpenTag(3, "工作物1の概要");
    xml.Leaf(4, "番号", numberText);
    xml.Leaf(4, "表示順", numberText);
    xml.OpenTag(4, "主構造");
    xml.Leaf(5, "構造区分", "");
    xml.Leaf(5, "構造詳細", structure.GetStructureDetail());
    xml.CloseTag(4, "主構造");
    xml.Leaf(4, "高さ", FormattedBlankZero("%.0f", structure.GetValue()));
    xml.OpenTag(4, "種類");
    xml.Leaf(5, "用途コード", structure.GetKindCode().GetCode());
    xml.Leaf(5, "用途内容", structure.GetKindText());
    xml.CloseTag(4, "種類");

    xml.OpenTag(4, "工事種別");
    xml.Leaf(5, "工事種別区分1", structure.m_newBuild == 1 ? "新築" : "新築以外");
    xml.OpenTag(5, "新築以外工事種別リスト");
    if (structure.m_extension == 1)
        xml.Leaf(6, "新築以外工事種別", "増築");
    if (structure.m_rebuild == 1)
        xml.Leaf(6, "新築以外工事種別", "改築");
    if (structure.m_otherKind == 1)
        xml.Leaf(6, "新築以外工事種別", "その他");
    xml.CloseTag(5, "新築以外工事種別リスト");
    if (structure.m_otherKind == 1)
        xml.Leaf(5, "その他工事種別", structure.GetOtherKindText());
    xml.CloseTag(4, "工事種別");

    xml.OpenTag(4, "その他必要な事項");
    xml.Leaf(5, "認証番号", "");
    xml.Leaf(5, "備考内容", ZnAppDocFDOut00::RemoveLineBreaks(structure.GetNote()));
    xml.CloseTag(4, "その他必要な事項");
    xml.CloseTag(3, "工作物1の概要");
}
