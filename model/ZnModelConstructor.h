// A constructor (工事施工者): the person, the issuer and number of the construction licence and
// the business office (営業所名, postal code, address, telephone).
#pragma once

#include "model/JkModelIndividualData.h"
#include "model/ZnModelList.h"
#include "model/ZnModelRegistInstCode.h"

class ZnModelConstructor : public ZnModel {
    DECLARE_ZN_MODEL(ZnModelConstructor)
public:
    void SetName(const JkModelName& name) { m_name = name; }
    void SetCode(const ZnModelRegistInstCode& issuer) { m_licenceIssuer = issuer; }
    void SetText(LPCTSTR registrationNumber) { m_registrationNumber = registrationNumber; }
    void SetIndividualData(const JkModelIndividualData& office) { m_individualData = office; }
    const JkModelName& GetName() const { return m_name; }
    const ZnModelRegistInstCode& GetCode() const { return m_licenceIssuer; }
    const CString& GetText() const { return m_registrationNumber; }
    const JkModelIndividualData& GetIndividualData() const { return m_individualData; }

    void Serialize(CArchive& ar) override;

    JkModelName m_name;                     // 氏名
    ZnModelRegistInstCode m_licenceIssuer;  // 許可交付元
    CString m_registrationNumber;           // 登録番号
    JkModelIndividualData m_individualData; // 営業所名, 郵便番号, 所在地, 電話番号
};

// Constructors; the holder owns the elements.
typedef ZnModelList<ZnModelConstructor> ZnModelConstructorList;
