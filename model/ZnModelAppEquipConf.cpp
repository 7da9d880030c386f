#include "model/ZnModelAppEquipConf.h"

IMPLEMENT_SERIAL(ZnModelAppEquipConf, ZnModelAppEquip, VERSIONABLE_SCHEMA | 256)

void ZnModelAppEquipConf::Serialize(CArchive& ar)
{
    SerializeClassRef(ar, RUNTIME_CLASS(ZnModelAppEquipConf));
    ZnModelAppEquip::Serialize(ar);
}
