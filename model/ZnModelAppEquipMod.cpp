#include "model/ZnModelAppEquipMod.h"

IMPLEMENT_SERIAL(ZnModelAppEquipMod, ZnModelAppEquip, VERSIONABLE_SCHEMA | 256)
