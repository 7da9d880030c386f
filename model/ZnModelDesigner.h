// A licensed architect acting for a form: the agent (代理者) of an application, a designer
// (設計者) or a supervisor. Holds the architect's qualification (資格), name and office
// (建築士事務所); later layouts add the design documents and the statements of a structural or
// equipment first-class architect.
//
// Layouts: schema 256 ends with the office registration number, 257 adds the design documents,
// 258 the six statement fields. Storing always writes 258.
#pragma once

#include "model/JkModelIndividualData.h"
#include "model/ZnModelArchiCode.h"
#include "model/ZnModelList.h"
#include "model/ZnModelRegistInstCode.h"

class ZnModelDesigner : public ZnModel {
    DECLARE_ZN_MODEL(ZnModelDesigner)
public:
    void SetQualificationKind(const ZnModelArchiCode& code) { m_qualificationClass = code; }
    void SetQualificationIssuer(const ZnModelRegistInstCode& code) { m_qualificationAuthority = code; }
    void SetName(const JkModelName& name) { m_architectName = name; }
    void SetOfficeKind(const ZnModelArchiCode& code) { m_officeClass = code; }
    void SetOfficeIssuer(const ZnModelRegistInstCode& code) { m_officeAuthority = code; }
    void SetOfficeRegNo(LPCTSTR number) { m_officeRegistrationNumber = number; }
    void SetOfficeData(const JkModelIndividualData& office) { m_office = office; }

    const JkModelName& GetName() const { return m_architectName; }
    const ZnModelArchiCode& GetOfficeKind() const { return m_officeClass; }
    const CString& GetOfficeRegNo() const { return m_officeRegistrationNumber; }
    const JkModelIndividualData& GetOfficeData() const { return m_office; }
    const CString& GetDesignDocs() const { return m_designDocuments; }
    const CString& GetStructCertNo() const { return m_structuralCertificateNumber; }
    const CString& GetEquipCertNo() const { return m_equipmentCertificateNumber; }

    // Loading reads every older layout; fields the stored layout lacks take their defaults.
    void Serialize(CArchive& ar) override;

    ZnModelArchiCode m_qualificationClass;          // 資格 / 建築士種別
    ZnModelRegistInstCode m_qualificationAuthority; // 資格 / 資格発行元
    CString m_qualificationRegistrationNumber;      // 資格 / 登録番号
    JkModelName m_architectName;                    // 氏名
    ZnModelArchiCode m_officeClass;                 // 建築士事務所 / 建築士種別
    ZnModelRegistInstCode m_officeAuthority;        // 建築士事務所 / 許可交付元
    CString m_officeRegistrationNumber;             // 建築士事務所 / 登録番号
    JkModelIndividualData m_office;                 // 建築士事務所名, 所在地, 郵便番号, 電話番号
    CString m_designDocuments;                      // 設計図書 (schema 257)
    // 構造設計一級建築士である旨の表示をした者 (schema 258): 1 when the statement is made.
    int m_structuralParagraph1Statement = 0; // 第1項
    int m_structuralParagraph3Statement = 0; // 第3項
    CString m_structuralCertificateNumber;   // 交付番号
    // 設備設計一級建築士である旨の表示をした者 (schema 258).
    int m_equipmentParagraph1Statement = 0;
    int m_equipmentParagraph3Statement = 0;
    CString m_equipmentCertificateNumber;
};

// Designers; the holder owns the elements.
typedef ZnModelList<ZnModelDesigner> ZnModelDesignerList;
