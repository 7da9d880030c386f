#include "model/ZnModelAppLiftConf.h"

IMPLEMENT_SERIAL(ZnModelAppLiftConf, ZnModelAppLift, VERSIONABLE_SCHEMA | 256)

void ZnModelAppLiftConf::Serialize(CArchive& ar)
{
    SerializeClassRef(ar, RUNTIME_CLASS(ZnModelAppLiftConf));
    ZnModelAppLift::Serialize(ar);
}
