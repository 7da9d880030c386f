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

    void WriteSiteBlock(FILE* file) const override
    {
        OpenElement(file, 2, "敷地の位置1");
        WriteLeaf(file, 3, "住居表示", m_form->GetDisplayAddress().m_address);
        WriteLeaf(file, 3, "地名地番", m_form->GetLotAddress().m_address);
        CloseElement(file, 2, "敷地の位置1");
    }

    void WriteObjectBlock(FILE* file) const override
    {
        OpenElement(file, 2, "工作物1の概要リスト");
        WriteStructure(file, m_form->GetStructure(), 1);
        ForEachFurtherEntry(m_form->GetStructList(), [file](const ZnModelStruct& structure, int order) {
            WriteStructure(file, structure, order);
        });
        CloseElement(file, 2, "工作物1の概要リスト");
    }

    const JkModelName* RemarksStructureName() const override { return &m_form->GetName(); }

private:
    static void WriteStructure(FILE* file, const ZnModelStruct& structure, int order)
    {
        CString height;
        height.Format("%.0f", structure.GetValue());
        OpenElement(file, 3, "工作物1の概要");
        OpenElement(file, 4, "その他必要な事項");
        WriteLeaf(file, 5, "認証番号", CString());
        WriteLeaf(file, 5, "備考内容", ZnAppDocFDOut00::RemoveLineBreaks(structure.GetNote()));
        CloseElement(file, 4, "その他必要な事項");
        OpenElement(file, 4, "主構造");
        WriteLeaf(file, 5, "構造区分", CString());
        WriteLeaf(file, 5, "構造詳細", structure.GetStructureDetail());
        CloseElement(file, 4, "主構造");
        WriteLeaf(file, 4, "高さ", ZnAppDocFDOut00::BlankZeroText(height));
        OpenElement(file, 4, "種類");
        WriteLeaf(file, 5, "用途コード", structure.GetKindCode().GetCode());
        WriteLeaf(file, 5, "用途内容", structure.GetKindText());
        CloseElement(file, 4, "種類");
        WriteNumberLeaf(file, 4, "番号", structure.GetLeadingValue());
        WriteConstructionKinds(file, structure);
        WriteNumberLeaf(file, 4, "表示順", order);
        CloseElement(file, 3, "工作物1の概要");
    }

    // 新築 and 新築以外 are decided each on its own, so an entry may carry both or neither; a
    // flag counts only when it is 1. The texts of the first three kinds are never written.
    static void WriteConstructionKinds(FILE* file, const ZnModelStruct& structure)
    {
        bool extension = structure.m_extension == 1;
        bool rebuild = structure.m_rebuild == 1;
        bool other = structure.m_otherKind == 1;
        OpenElement(file, 4, "工事種別");
        if (structure.m_newBuild == 1)
            WriteFixedLeaf(file, 5, "工事種別区分1", "新築");
        if (extension || rebuild || other)
            WriteFixedLeaf(file, 5, "工事種別区分1", "新築以外");
        OpenElement(file, 5, "新築以外工事種別リスト");
        if (extension)
            WriteFixedLeaf(file, 6, "新築以外工事種別", "増築");
        if (rebuild)
            WriteFixedLeaf(file, 6, "新築以外工事種別", "改築");
        if (other)
            WriteFixedLeaf(file, 6, "新築以外工事種別", "その他");
        CloseElement(file, 5, "新築以外工事種別リスト");
        WriteLeaf(file, 5, "その他工事種別", other ? structure.GetOtherKindText() : CString());
        CloseElement(file, 4, "工事種別");
    }

    const ZnModelAppStruct* m_form = nullptr;
};

} // namespace

void ZnAppDocFDOut14::WriteXml(CString path, int selection) { StructureDocument().Write(path); }
