#include "writers/xml/ZnAppDocFDOut16.h"

#include "model/ZnModelAppSemiStr.h"
#include "writers/ZnAppDocFDOut00.h"
#include "writers/xml/ZnConfDocXmlFrame.h"

IMPLEMENT_DYNAMIC(ZnAppDocFDOut16, VhObject)

namespace {

// A formatted quantity, "" for zero.
CString Quantity(LPCTSTR format, double value)
{
    CString text;
    text.Format(format, value);
    return ZnAppDocFDOut00::BlankZeroText(text);
}

CString Count(int value)
{
    CString text;
    text.Format("%d", value);
    return ZnAppDocFDOut00::BlankZeroText(text);
}

// The structure document: site position, structure summary, permits and the structure's name.
class SemiStructureDocument : public ZnConfDocXmlFrame {
protected:
    bool TakeForm() override { return (m_form = BindForm<ZnModelAppSemiStr>()) != nullptr; }

    void WriteSiteBlock(XmlText& xml) const override
    {
        xml.OpenTag(2, "敷地の位置1");
        xml.Leaf(3, "用途地域", UseZoneName());
        xml.Leaf(3, "その他の区域又は地区", m_form->GetOtherZoneText());
        xml.Leaf(3, "住居表示", m_form->GetDisplayAddress().m_address);
        xml.Leaf(3, "地名地番", m_form->GetLotAddress().m_address);
        xml.CloseTag(2, "敷地の位置1");
    }

    // The summary stands one level deeper than the other blocks of the face.
    void WriteObjectBlock(XmlText& xml) const override
    {
        xml.OpenTag(3, "工作物の概要");
        xml.OpenTag(4, "その他必要な事項");
        xml.Leaf(5, "備考内容", ZnAppDocFDOut00::RemoveLineBreaks(m_form->GetStructNote()));
        xml.CloseTag(4, "その他必要な事項");
        xml.Leaf(4, "高さ", Quantity("%.0f", m_form->m_height));
        xml.OpenTag(4, "用途");
        xml.Leaf(5, "用途内容", m_form->GetUsageText());
        xml.Leaf(5, "用途コード", m_form->GetUsageCode().GetCode());
        xml.CloseTag(4, "用途");
        WriteConstructionKinds(xml);
        WriteParts(xml, "築造面積", Quantity("%.2f", m_form->m_buildArea.GetTotal()),
                   Quantity("%.2f", m_form->m_buildArea.GetOtherPart()),
                   Quantity("%.2f", m_form->m_buildArea.GetAppPart()));
        // The sum in 64 bits: two stored counts near the limit must not overflow.
        long long total = static_cast<long long>(m_form->m_appStructCount) + m_form->m_otherStructCount;
        CString totalText;
        totalText.Format("%lld", total);
        WriteParts(xml, "工作物の数", ZnAppDocFDOut00::BlankZeroText(totalText), Count(m_form->m_otherStructCount),
                   Count(m_form->m_appStructCount));
        xml.CloseTag(3, "工作物の概要");
    }

    // Only the law carries data; the other grounds are always empty.
    void WriteBeforeRemarks(XmlText& xml) const override
    {
        xml.OpenTag(2, "許可等リスト");
        xml.OpenTag(3, "許可等");
        xml.OpenTag(4, "根拠情報");
        xml.Leaf(5, "備考内容", CString());
        xml.Leaf(5, "日付", CString());
        xml.Leaf(5, "許可番号", CString());
        xml.Leaf(5, "その条項", CString());
        xml.Leaf(5, "法令", ZnAppDocFDOut00::RemoveLineBreaks(m_form->GetPermitLaw()));
        xml.CloseTag(4, "根拠情報");
        xml.Leaf(4, "表示順", "1");
        xml.CloseTag(3, "許可等");
        xml.CloseTag(2, "許可等リスト");
    }

    const JkModelName* RemarksStructureName() const override { return &m_form->GetName(); }
    bool EndsWithNewline() const override { return true; }

private:
    // The formal name of the first use zone, "" when the list is empty or starts with a null.
    // Further zones are not written. Two names of the table lack their last word, which the
    // file carries.
    CString UseZoneName() const
    {
        const ZnModelUseZoneCodeList& zones = m_form->GetUseZoneCodeList();
        const ZnModelUseZoneCode* first = zones.IsEmpty() ? nullptr : zones.GetHead();
        if (!first)
            return CString();
        CString name = CodeName(ZnAppComTblAccess::slotYoutoChiiki, first->GetCode());
        if (name == "第一種低層住居専用" || name == "第二種低層住居専用")
            name += "地域";
        return name;
    }

    // 工事種別区分1 is 新築 or 新築以外 by the new-construction flag alone; each further kind
    // is listed on its own. A flag counts only when it is 1.
    void WriteConstructionKinds(XmlText& xml) const
    {
        bool other = m_form->m_otherFlag == 1;
        xml.OpenTag(4, "工事種別");
        xml.Leaf(5, "工事種別区分1", m_form->m_newFlag == 1 ? "新築" : "新築以外");
        xml.OpenTag(5, "新築以外工事種別リスト");
        if (m_form->m_extendFlag == 1)
            xml.Leaf(6, "新築以外工事種別", "増築");
        if (m_form->m_rebuildFlag == 1)
            xml.Leaf(6, "新築以外工事種別", "改築");
        if (other)
            xml.Leaf(6, "新築以外工事種別", "その他");
        xml.CloseTag(5, "新築以外工事種別リスト");
        xml.Leaf(5, "その他工事種別", other ? m_form->GetOtherText() : CString());
        xml.CloseTag(4, "工事種別");
    }

    // A quantity split into the total, the other part and the applied part.
    static void WriteParts(XmlText& xml, LPCTSTR tag, const CString& total, const CString& other,
                           const CString& applied)
    {
        xml.OpenTag(4, tag);
        xml.Leaf(5, "合計", total);
        xml.Leaf(5, "申請以外の部分", other);
        xml.Leaf(5, "申請部分", applied);
        xml.CloseTag(4, tag);
    }

    const ZnModelAppSemiStr* m_form = nullptr;
};

} // namespace

ZnWriteOutcome ZnAppDocFDOut16::WriteXml(CString path, int selection, CString unused1, CString unused2)
{
    return SemiStructureDocument().Write(path);
}

ZnWriteOutcome ZnAppDocFDOut16::AppendXml(CString path) { return SemiStructureDocument().Write(path, true); }
