#include "model/ZnModel.h"

IMPLEMENT_SERIAL(ZnModel, VhObject, VERSIONABLE_SCHEMA | 256)

void ZnModel::Serialize(CArchive& ar) { SerializeClassRef(ar, RUNTIME_CLASS(ZnModel)); }

ZnModel* ZnModel::Clone() const { return nullptr; }

UINT ZnModel::SerializeClassRef(CArchive& ar, CRuntimeClass* classRef)
{
    if (ar.IsStoring()) {
        ar.WriteClass(classRef);
        return classRef->m_wSchema & ~VERSIONABLE_SCHEMA;
    }
    ar.ReadClass(classRef);
    return ar.GetObjectSchema();
}
