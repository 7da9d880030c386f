#include "model/ZnModelAppRightMod.h"

IMPLEMENT_SERIAL(ZnModelAppRightMod, ZnModel, VERSIONABLE_SCHEMA | 256)

void ZnModelAppRightMod::Serialize(CArchive& ar)
{
    SerializeClassRef(ar, RUNTIME_CLASS(ZnModelAppRightMod));
    ZnModel::Serialize(ar);
    SerializeFields(ar, m_docKind, m_summary);
}
