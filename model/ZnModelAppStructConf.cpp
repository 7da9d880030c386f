#include "model/ZnModelAppStructConf.h"

IMPLEMENT_SERIAL(ZnModelAppStructConf, ZnModelAppStruct, VERSIONABLE_SCHEMA | 256)

void ZnModelAppStructConf::Serialize(CArchive& ar)
{
    SerializeClassRef(ar, RUNTIME_CLASS(ZnModelAppStructConf));
    ZnModelAppStruct::Serialize(ar);
}
