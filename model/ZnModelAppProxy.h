// The proxy letter (委任状) by which an owner authorises an agent. The system creates, copies,
// stores and loads it; nothing shows or writes its fields.
#pragma once

#include "model/ZnModelApp.h"
#include "model/ZnModelConstKindCode.h"

class ZnModelAppProxy : public ZnModelApp {
    DECLARE_ZN_MODEL(ZnModelAppProxy)
public:
    // The date, the address and the construction kind, then the text, the thirteen values and
    // the second text.
    void Serialize(CArchive& ar) override;

    ZnModelDate m_date;
    JkModelAddress m_address;
    CString m_text1;
    ZnModelConstKindCode m_constKind;
    int m_values[13] = {}; // value1 to value13
    CString m_text2;
};
