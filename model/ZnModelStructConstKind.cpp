#include "model/ZnModelStructConstKind.h"

IMPLEMENT_SERIAL(ZnModelStructConstKind, ZnModel, VERSIONABLE_SCHEMA | 256)

void ZnModelStructConstKind::Serialize(CArchive& ar)
{
    SerializeClassRef(ar, RUNTIME_CLASS(ZnModelStructConstKind));
    ZnModel::Serialize(ar);
    SerializeFields(ar, m_constKindCode, m_text);
}
