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

    void WriteSiteBlock(FILE* file) const override
    {
        WriteInstallationSite(file, m_form->GetAddress(), m_form->GetName(), m_form->GetUsageText());
    }

    void WriteObjectBlock(FILE* file) const override
    {
        OpenElement(file, 2, "昇降機の概要リスト");
        WriteLift(file, m_form->GetLift(), 1);
        ForEachFurtherEntry(m_form->GetLiftList(),
                            [file](const ZnModelLift& lift, int order) { WriteLift(file, lift, order); });
        CloseElement(file, 2, "昇降機の概要リスト");
    }

private:
    static void WriteLift(FILE* file, const ZnModelLift& lift, int order)
    {
        CString maxPersons;
        maxPersons.Format("%d", lift.GetMaxPersons());
        OpenElement(file, 3, "昇降機の概要");
        WriteNumberLeaf(file, 4, "番号", lift.GetLeadingValue());
        WriteLeaf(file, 4, "種別", CodeName(ZnAppComTblAccess::slotShoukoukiShubetsu, lift.GetKindCode().GetCode()));
        WriteLeaf(file, 4, "用途", CodeName(ZnAppComTblAccess::slotShoukoukiYouto, lift.GetUsageCode().GetCode()));
        WriteLeaf(file, 4, "積載荷重", WholeQuantity(lift.GetLoadCapacity()));
        WriteLeaf(file, 4, "最大定員", ZnAppDocFDOut00::BlankZeroText(maxPersons));
        WriteLeaf(file, 4, "定格速度", WholeQuantity(lift.GetRatedSpeed()));
        OpenElement(file, 4, "その他必要な事項情報");
        WriteLeaf(file, 5, "認証番号", CString());
        WriteLeaf(file, 5, "その他必要な事項", ZnAppDocFDOut00::RemoveLineBreaks(lift.GetOtherMatters()));
        CloseElement(file, 4, "その他必要な事項情報");
        WriteNumberLeaf(file, 4, "表示順", order);
        CloseElement(file, 3, "昇降機の概要");
    }

    const ZnModelAppLift* m_form = nullptr;
};

} // namespace

void ZnAppDocFDOut12::WriteXml(CString path, int selection) { LiftDocument().Write(path); }
