// A piece of building equipment an accompanying application covers: a number and two texts.
#pragma once

#include "model/ZnModel.h"
#include "model/ZnModelList.h"

class ZnModelEquip : public ZnModel {
    DECLARE_ZN_MODEL(ZnModelEquip)
public:
    void SetLeadingValue(int value) { m_leadingValue = value; }
    void SetText1(LPCTSTR text) { m_text1 = text; }
    void SetText2(LPCTSTR text) { m_text2 = text; }
    int GetLeadingValue() const { return m_leadingValue; }
    const CString& GetText1() const { return m_text1; }
    const CString& GetText2() const { return m_text2; }

    void Serialize(CArchive& ar) override;

    int m_leadingValue = 0;
    CString m_text1;
    CString m_text2;
};

// Pieces of equipment; the holder owns the elements.
typedef ZnModelList<ZnModelEquip> ZnModelEquipList;
