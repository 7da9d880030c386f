#include "writers/xml/ZnAppDocFDOut12.h"

#include "model/ZnModelAppLift.h"
#include "writers/xml/ZnConfDocXmlFrame.h"
#include "writers/ZnAppDocFDOut00.h"

#include <cmath>

IMPLEMENT_DYNAMIC(ZnAppDocFDOut12, VhObject)

namespace {

// A quantity rounded down to a whole number; "" for zero.
CString WholeQuantity(double value)
{
    CString text;
    text.Format("%.0f", std::floor(value));
    return ZnAppDocFDOut00::BlankZeroText(text);
}

// The lift document: the installation site and the list of lifts.
class LiftDocument : public ZnConfDocXmlFrame {
protected:
    bool TakeForm() override { return (m_form = BindForm<ZnModelAppLift>()) != nullptr; }

    void WriteSiteBlock(XmlText& xml) const override
    {
        WriteInstallationSite(xml, m_form->GetAddress(), m_form->GetName(), m_form->GetUsageText());
    }

    void WriteObjectBlock(XmlText& xml) const override
    {
        xml.OpenTag(2, "昇降機の概要リスト");
        WriteLift(xml, m_form->GetLift(), 1);
        ForEachFurtherEntry(m_form->GetLiftList(),
                            [&xml](const ZnModelLift& lift, int order) { WriteLift(xml, lift, order); });
        xml.CloseTag(2, "昇降機の概要リスト");
    }

private:
    static void WriteLift(XmlText& xml, const ZnModelLift& lift, int order)
    {
        CString maxPersons;
        maxPersons.Format("%d", lift.GetMaxPersons());
        xml.OpenTag(3, "昇降機の概要");
        WriteNumberLeaf(xml, 4, "番号", lift.GetLeadingValue());
        xml.Leaf(4, "種別", CodeName(ZnAppComTblAccess::slotShoukoukiShubetsu, lift.GetKindCode().GetCode()));
        xml.Leaf(4, "用途", CodeName(ZnAppComTblAccess::slotShoukoukiYouto, lift.GetUsageCode().GetCode()));
        xml.Leaf(4, "積載荷重", WholeQuantity(lift.GetLoadCapacity()));
        xml.Leaf(4, "最大定員", ZnAppDocFDOut00::BlankZeroText(maxPersons));
        xml.Leaf(4, "定格速度", WholeQuantity(lift.GetRatedSpeed()));
        xml.OpenTag(4, "その他必要な事項情報");
        xml.Leaf(5, "認証番号", CString());
        xml.Leaf(5, "その他必要な事項", ZnAppDocFDOut00::RemoveLineBreaks(lift.GetOtherMatters()));
        xml.CloseTag(4, "その他必要な事項情報");
        WriteNumberLeaf(xml, 4, "表示順", order);
        xml.CloseTag(3, "昇降機の概要");
    }

    const ZnModelAppLift* m_form = nullptr;
};

} // namespace

ZnWriteOutcome ZnAppDocFDOut12::WriteXml(CString path, int selection) { return LiftDocument().Write(path); }
