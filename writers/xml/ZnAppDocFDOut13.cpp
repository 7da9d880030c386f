#include "writers/xml/ZnAppDocFDOut13.h"

#include "model/ZnModelAppEquip.h"
#include "writers/xml/ZnConfDocXmlFrame.h"

IMPLEMENT_DYNAMIC(ZnAppDocFDOut13, VhObject)

namespace {

// The equipment document: the installation site and the outline of the equipment.
class EquipmentDocument : public ZnConfDocXmlFrame {
protected:
    bool TakeForm() override { return (m_form = BindForm<ZnModelAppEquip>()) != nullptr; }

    void WriteSiteBlock(XmlText& xml) const override
    {
        WriteInstallationSite(xml, m_form->GetAddress(), m_form->GetName(), m_form->GetUsageText());
    }

    void WriteObjectBlock(XmlText& xml) const override
    {
        // The certification number is never held: its one element is written empty. The outline
        // keeps its line breaks.
        xml.OpenTag(2, "建築設備の概要情報");
        xml.OpenTag(3, "認証番号リスト");
        xml.Leaf(4, "認証番号", CString());
        xml.CloseTag(3, "認証番号リスト");
        xml.Leaf(3, "建築設備の概要", m_form->GetEquipOutline());
        xml.CloseTag(2, "建築設備の概要情報");
    }

private:
    const ZnModelAppEquip* m_form = nullptr;
};

} // namespace

ZnWriteOutcome ZnAppDocFDOut13::WriteXml(CString path, int selection) { return EquipmentDocument().Write(path); }
