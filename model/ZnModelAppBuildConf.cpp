#include "model/ZnModelAppBuildConf.h"

IMPLEMENT_SERIAL(ZnModelAppBuildConf, ZnModelAppBuild, VERSIONABLE_SCHEMA | 256)

void ZnModelAppBuildConf::Serialize(CArchive& ar)
{
    SerializeClassRef(ar, RUNTIME_CLASS(ZnModelAppBuildConf));
    ZnModelAppBuild::Serialize(ar);
    SerializeFields(ar, m_with);
}
