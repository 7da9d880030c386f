#include "model/ZnModelAppStrKind.h"

IMPLEMENT_SERIAL(ZnModelAppStrKind, ZnModel, VERSIONABLE_SCHEMA | 256)

void ZnModelAppStrKind::Serialize(CArchive& ar)
{
    SerializeClassRef(ar, RUNTIME_CLASS(ZnModelAppStrKind));
    ZnModel::Serialize(ar);
    SerializeFields(ar, m_strKindCode, m_text);
}
