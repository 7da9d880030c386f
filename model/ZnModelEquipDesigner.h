// The person whose opinion was sought on the design of the building equipment
// (建築設備設計意見者): name, registration number, workplace and the design documents.
//
// Layouts: schema 257 carries the registration number and the design documents after the name
// and the workplace; any other stored schema has neither.
#pragma once

#include "model/JkModelIndividualData.h"
#include "model/ZnModelList.h"

class ZnModelEquipDesigner : public ZnModel {
    DECLARE_ZN_MODEL(ZnModelEquipDesigner)
public:
    void SetName(const JkModelName& name) { m_name = name; }
    void SetIndividualData(const JkModelIndividualData& data) { m_individualData = data; }
    void SetRegistrationNumber(LPCTSTR number) { m_registrationNumber = number; }
    void SetDesignDocs(LPCTSTR documents) { m_designDocuments = documents; }
    const JkModelName& GetName() const { return m_name; }
    const JkModelIndividualData& GetIndividualData() const { return m_individualData; }
    const CString& GetRegistrationNumber() const { return m_registrationNumber; }
    const CString& GetDesignDocs() const { return m_designDocuments; }

    void Serialize(CArchive& ar) override;

    JkModelName m_name;                     // 氏名
    CString m_registrationNumber;           // 登録番号
    JkModelIndividualData m_individualData; // 勤務先, 郵便番号, 所在地, 電話番号
    CString m_designDocuments;              // 設計図書
};

// Equipment-design advisers; the holder owns the elements.
typedef ZnModelList<ZnModelEquipDesigner> ZnModelEquipDesignerList;
