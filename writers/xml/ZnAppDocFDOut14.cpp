#include "writers/xml/ZnAppDocFDOut14.h"

#include "model/ZnModelAppStruct.h"
#include "writers/xml/ZnConfDocXmlFrame.h"
#include "writers/ZnAppDocFDOut00.h"

IMPLEMENT_DYNAMIC(ZnAppDocFDOut14, VhObject)

namespace {

// The structure document: the site position, the list of structures and the structure's name.
class StructureDocument : public ZnConfDocXmlFrame {
protected:
    bool TakeForm() override { return (m_form = BindForm<ZnModelAppStruct>()) != nullptr; }

    void WriteSiteBlock(XmlText& xml) const override
    {
        xml.OpenTag(2, "敷地の位置1");
        xml.Leaf(3, "住居表示", m_form->GetDisplayAddress().m_address);
        xml.Leaf(3, "地名地番", m_form->GetLotAddress().m_address);
        xml.CloseTag(2, "敷地の位置1");
    }

    void WriteObjectBlock(XmlText& xml) const override
    {
        xml.OpenTag(2, "工作物1の概要リスト");
        WriteStructure(xml, m_form->GetStructure(), 1);
        ForEachFurtherEntry(m_form->GetStructList(), [&xml](const ZnModelStruct& structure, int order) {
            WriteStructure(xml, structure, order);
        });
        xml.CloseTag(2, "工作物1の概要リスト");
    }

    const JkModelName* RemarksStructureName() const override { return &m_form->GetName(); }

private:
    static void WriteStructure(XmlText& xml, const ZnModelStruct& structure, int order)
    {
        CString height;
        height.Format("%.0f", structure.GetValue());
        xml.OpenTag(3, "工作物1の概要");
        xml.OpenTag(4, "その他必要な事項");
        xml.Leaf(5, "認証番号", CString());
        xml.Leaf(5, "備考内容", ZnAppDocFDOut00::RemoveLineBreaks(structure.GetNote()));
        xml.CloseTag(4, "その他必要な事項");
        xml.OpenTag(4, "主構造");
        xml.Leaf(5, "構造区分", CString());
        xml.Leaf(5, "構造詳細", structure.GetStructureDetail());
        xml.CloseTag(4, "主構造");
        xml.Leaf(4, "高さ", ZnAppDocFDOut00::BlankZeroText(height));
        xml.OpenTag(4, "種類");
        xml.Leaf(5, "用途コード", structure.GetKindCode().GetCode());
        xml.Leaf(5, "用途内容", structure.GetKindText());
        xml.CloseTag(4, "種類");
        WriteNumberLeaf(xml, 4, "番号", structure.GetLeadingValue());
        WriteConstructionKinds(xml, structure);
        WriteNumberLeaf(xml, 4, "表示順", order);
        xml.CloseTag(3, "工作物1の概要");
    }

    // 新築 and 新築以外 are decided each on its own, so an entry may carry both or neither; a
    // flag counts only when it is 1. The texts of the first three kinds are never written.
    static void WriteConstructionKinds(XmlText& xml, const ZnModelStruct& structure)
    {
        bool extension = structure.m_extension == 1;
        bool rebuild = structure.m_rebuild == 1;
        bool other = structure.m_otherKind == 1;
        xml.OpenTag(4, "工事種別");
        if (structure.m_newBuild == 1)
            xml.Leaf(5, "工事種別区分1", "新築");
        if (extension || rebuild || other)
            xml.Leaf(5, "工事種別区分1", "新築以外");
        xml.OpenTag(5, "新築以外工事種別リスト");
        if (extension)
            xml.Leaf(6, "新築以外工事種別", "増築");
        if (rebuild)
            xml.Leaf(6, "新築以外工事種別", "改築");
        if (other)
            xml.Leaf(6, "新築以外工事種別", "その他");
        xml.CloseTag(5, "新築以外工事種別リスト");
        xml.Leaf(5, "その他工事種別", other ? structure.GetOtherKindText() : CString());
        xml.CloseTag(4, "工事種別");
    }

    const ZnModelAppStruct* m_form = nullptr;
};

} // namespace

ZnWriteOutcome ZnAppDocFDOut14::WriteXml(CString path, int selection) { return StructureDocument().Write(path); }
