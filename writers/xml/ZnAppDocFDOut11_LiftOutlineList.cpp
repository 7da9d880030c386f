// The outline lists at the end of a confirmation's second face: the lifts (昇降機の概要リスト)
// and the structures (工作物1の概要リスト) that accompany the building confirmation.
#include "writers/xml/ZnAppDocFDOut11.h"

#include "model/ZnModelAppBuildConf.h"
#include "writers/ZnAppDocFDOut00.h"

void ZnAppDocFDOut11::WriteLiftOutlineList(FILE* file)
{
    const ZnModelAppBuildConf* confirmation = ActiveBuildConf();
    if (!confirmation) {
        ReportMissingDocument();
        return;
    }
    const ZnModelAppWith& with = confirmation->GetWith();

    // Lifts are numbered by their place among the lifts written, whatever number they keep.
    WriteOpenTag(file, 2, "昇降機の概要リスト");
    int number = 0;
    const ZnModelLiftList& lifts = with.GetLiftList();
    for (POSITION pos = lifts.GetHeadPosition(); pos;)
        if (const ZnModelLift* lift = lifts.GetNext(pos))
            WriteLiftOutline(file, *lift, ++number);
    WriteCloseTag(file, 2, "昇降機の概要リスト");

    WriteOpenTag(file, 2, "工作物1の概要リスト");
    const ZnModelStructList& structures = with.GetStructList();
    for (POSITION pos = structures.GetHeadPosition(); pos;)
        if (const ZnModelStruct* structure = structures.GetNext(pos))
            WriteStructOutline(file, *structure);
    WriteCloseTag(file, 2, "工作物1の概要リスト");
}

void ZnAppDocFDOut11::WriteLiftOutline(FILE* file, const ZnModelLift& lift, int number)
{
    CString numberText = Formatted("%d", number);
    WriteOpenTag(file, 3, "昇降機の概要");
    WriteOpenTag(file, 4, "その他必要な事項情報");
    WriteElement(file, 5, "認証番号", "");
    WriteElement(file, 5, "その他必要な事項", ZnAppDocFDOut00::RemoveLineBreaks(lift.GetOtherMatters()));
    WriteCloseTag(file, 4, "その他必要な事項情報");
    WriteElement(file, 4, "定格速度", FormattedBlankZero("%.0f", lift.GetRatedSpeed()));
    WriteElement(file, 4, "最大定員", FormattedBlankZero("%d", lift.GetMaxPersons()));
    WriteElement(file, 4, "積載荷重", FormattedBlankZero("%.0f", lift.GetLoadCapacity()));
    WriteElement(file, 4, "用途", CodeName(ShoukoukiYoutoTbl, lift.GetUsageCode().GetCode()));
    WriteElement(file, 4, "種別", CodeName(ShoukoukiShubetsuTbl, lift.GetKindCode().GetCode()));
    WriteElement(file, 4, "番号", numberText);
    WriteElement(file, 4, "表示順", numberText);
    WriteCloseTag(file, 3, "昇降機の概要");
}

void ZnAppDocFDOut11::WriteStructOutline(FILE* file, const ZnModelStruct& structure)
{
    // A structure keeps its own number; the construction-kind flags count only when they are 1.
    CString numberText = Formatted("%d", structure.GetLeadingValue());
    WriteOpenTag(file, 3, "工作物1の概要");
    WriteElement(file, 4, "番号", numberText);
    WriteElement(file, 4, "表示順", numberText);
    WriteOpenTag(file, 4, "主構造");
    WriteElement(file, 5, "構造区分", "");
    WriteElement(file, 5, "構造詳細", structure.GetStructureDetail());
    WriteCloseTag(file, 4, "主構造");
    WriteElement(file, 4, "高さ", FormattedBlankZero("%.0f", structure.GetValue()));
    WriteOpenTag(file, 4, "種類");
    WriteElement(file, 5, "用途コード", structure.GetKindCode().GetCode());
    WriteElement(file, 5, "用途内容", structure.GetKindText());
    WriteCloseTag(file, 4, "種類");

    WriteOpenTag(file, 4, "工事種別");
    WriteElement(file, 5, "工事種別区分1", structure.m_newBuild == 1 ? "新築" : "新築以外");
    WriteOpenTag(file, 5, "新築以外工事種別リスト");
    if (structure.m_extension == 1)
        WriteElement(file, 6, "新築以外工事種別", "増築");
    if (structure.m_rebuild == 1)
        WriteElement(file, 6, "新築以外工事種別", "改築");
    if (structure.m_otherKind == 1)
        WriteElement(file, 6, "新築以外工事種別", "その他");
    WriteCloseTag(file, 5, "新築以外工事種別リスト");
    if (structure.m_otherKind == 1)
        WriteElement(file, 5, "その他工事種別", structure.GetOtherKindText());
    WriteCloseTag(file, 4, "工事種別");

    WriteOpenTag(file, 4, "その他必要な事項");
    WriteElement(file, 5, "認証番号", "");
    WriteElement(file, 5, "備考内容", ZnAppDocFDOut00::RemoveLineBreaks(structure.GetNote()));
    WriteCloseTag(file, 4, "その他必要な事項");
    WriteCloseTag(file, 3, "工作物1の概要");
}
