#include "model/ZnModelDesigner.h"

IMPLEMENT_SERIAL(ZnModelDesigner, ZnModel, VERSIONABLE_SCHEMA | 258)

namespace {
const UINT designDocumentsSchema = 257;
const UINT statementsSchema = 258;
} // namespace

void ZnModelDesigner::Serialize(CArchive& ar)
{
    UINT schema = SerializeClassRef(ar, RUNTIME_CLASS(ZnModelDesigner));
    ZnModel::Serialize(ar);
    SerializeFields(ar, m_qualificationClass, m_qualificationAuthority, m_architectName, m_officeClass,
                    m_officeAuthority, m_office, m_qualificationRegistrationNumber, m_officeRegistrationNumber);

    if (schema >= designDocumentsSchema)
        SerializeFields(ar, m_designDocuments);
    else
        m_designDocuments.Empty();

    if (schema == statementsSchema) {
        SerializeFields(ar, m_structuralParagraph1Statement, m_structuralParagraph3Statement,
                        m_structuralCertificateNumber, m_equipmentParagraph1Statement, m_equipmentParagraph3Statement,
                        m_equipmentCertificateNumber);
    } else {
        m_structuralParagraph1Statement = m_structuralParagraph3Statement = 0;
        m_equipmentParagraph1Statement = m_equipmentParagraph3Statement = 0;
        m_structuralCertificateNumber.Empty();
        m_equipmentCertificateNumber.Empty();
    }
}
