#include "writers/xml/ZnAppDocFDOut13.h"

#include "model/ZnModelAppEquip.h"
#include "writers/xml/ZnConfDocXmlFrame.h"

IMPLEMENT_DYNAMIC(ZnAppDocFDOut13, VhObject)

namespace {

// The equipment document: the installation site and the outline of the equipment.
class EquipmentDocument : public ZnConfDocXmlFrame {
protected:
    bool TakeForm() override { return (m_form = BindForm<ZnModelAppEquip>()) != nullptr; }

    void WriteSiteBlock(FILE* file) const override
    {
        WriteInstallationSite(file, m_form->GetAddress(), m_form->GetName(), m_form->GetUsageText());
    }

    void WriteObjectBlock(FILE* file) const override
    {
        // The certification number is never held: its one element is written empty. The outline
        // keeps its line breaks.
        OpenElement(file, 2, "建築設備の概要情報");
        OpenElement(file, 3, "認証番号リスト");
        WriteLeaf(file, 4, "認証番号", CString());
        CloseElement(file, 3, "認証番号リスト");
        WriteLeaf(file, 3, "建築設備の概要", m_form->GetEquipOutline());
        CloseElement(file, 2, "建築設備の概要情報");
    }

private:
    const ZnModelAppEquip* m_form = nullptr;
};

} // namespace

void ZnAppDocFDOut13::WriteXml(CString path, int selection) { EquipmentDocument().Write(path); }
