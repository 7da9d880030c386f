#include "model/ZnModelEquipDesigner.h"

IMPLEMENT_SERIAL(ZnModelEquipDesigner, ZnModel, VERSIONABLE_SCHEMA | 257)

namespace {
const UINT stringsSchema = 257;
} // namespace

void ZnModelEquipDesigner::Serialize(CArchive& ar)
{
    UINT schema = SerializeClassRef(ar, RUNTIME_CLASS(ZnModelEquipDesigner));
    ZnModel::Serialize(ar);
    SerializeFields(ar, m_name, m_individualData);
    if (schema == stringsSchema) {
        SerializeFields(ar, m_registrationNumber, m_designDocuments);
    } else {
        m_registrationNumber.Empty();
        m_designDocuments.Empty();
    }
}
