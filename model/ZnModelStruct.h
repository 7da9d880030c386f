// A structure (工作物) an application describes: its number, kind (種類), height (高さ), main
// structure detail, the construction kinds with their texts and the remarks.
#pragma once

#include "model/ZnModelList.h"
#include "model/ZnModelStructKindCode.h"

class ZnModelStruct : public ZnModel {
    DECLARE_ZN_MODEL(ZnModelStruct)
public:
    // Sets the flag of the construction kind the code names to 1 and stores the text beside it:
    // "01601" 新築, "01602" 増築, "01603" 改築, "01699" その他. A null or any other code
    // changes nothing; no flag or text is ever cleared.
    void SetConstKind(LPCTSTR code, LPCTSTR text);

    void SetLeadingValue(int number) { m_leadingValue = number; }
    void SetKindCode(const ZnModelStructKindCode& code) { m_kindCode = code; }
    void SetKindText(LPCTSTR text) { m_kindText = text; }
    void SetValue(double height) { m_height = height; }
    void SetStructureDetail(LPCTSTR text) { m_structureDetail = text; }
    void SetNote(LPCTSTR remarks) { m_remarks = remarks; }
    int GetLeadingValue() const { return m_leadingValue; }
    const ZnModelStructKindCode& GetKindCode() const { return m_kindCode; }
    const CString& GetKindText() const { return m_kindText; }
    double GetValue() const { return m_height; }
    const CString& GetStructureDetail() const { return m_structureDetail; }
    const CString& GetOtherKindText() const { return m_otherKindText; }
    const CString& GetNote() const { return m_remarks; }

    // The kind code first in the archive, then the number and the rest in field order.
    void Serialize(CArchive& ar) override;

    int m_leadingValue = 0; // the structure's number (番号, 表示順)
    ZnModelStructKindCode m_kindCode;
    CString m_kindText; // 用途内容
    double m_height = 0.0;
    CString m_structureDetail; // 構造詳細
    int m_newBuild = 0;        // 新築
    CString m_newBuildText;
    int m_extension = 0; // 増築
    CString m_extensionText;
    int m_rebuild = 0; // 改築
    CString m_rebuildText;
    int m_otherKind = 0;     // その他
    CString m_otherKindText; // その他工事種別
    CString m_remarks;       // 備考内容
};

// Structures; the holder owns the elements.
typedef ZnModelList<ZnModelStruct> ZnModelStructList;
