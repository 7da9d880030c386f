#include "model/ZnModelCode.h"

IMPLEMENT_SERIAL(ZnModelCode, ZnModel, VERSIONABLE_SCHEMA | 256)

void ZnModelCode::Serialize(CArchive& ar)
{
    SerializeClassRef(ar, RUNTIME_CLASS(ZnModelCode));
    ZnModel::Serialize(ar);
}

ZnModel* ZnModelCode::Clone() const { return new ZnModelCode; }

void ZnModelCode::SerializeKind(CArchive& ar, CRuntimeClass* kind)
{
    SerializeClassRef(ar, kind);
    ZnModelCode::Serialize(ar);
    SerializeFields(ar, m_code);
}
