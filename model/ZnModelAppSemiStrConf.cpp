#include "model/ZnModelAppSemiStrConf.h"

IMPLEMENT_SERIAL(ZnModelAppSemiStrConf, ZnModelAppSemiStr, VERSIONABLE_SCHEMA | 256)

void ZnModelAppSemiStrConf::Serialize(CArchive& ar)
{
    SerializeClassRef(ar, RUNTIME_CLASS(ZnModelAppSemiStrConf));
    ZnModelAppSemiStr::Serialize(ar);
}
