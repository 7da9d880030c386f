#include "model/ZnModelAppStrLiftConf.h"

IMPLEMENT_SERIAL(ZnModelAppStrLiftConf, ZnModelAppLift, VERSIONABLE_SCHEMA | 256)

void ZnModelAppStrLiftConf::Serialize(CArchive& ar)
{
    SerializeClassRef(ar, RUNTIME_CLASS(ZnModelAppStrLiftConf));
    ZnModelAppLift::Serialize(ar);
}
