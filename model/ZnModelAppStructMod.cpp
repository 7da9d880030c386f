#include "model/ZnModelAppStructMod.h"

IMPLEMENT_SERIAL(ZnModelAppStructMod, ZnModelAppStruct, VERSIONABLE_SCHEMA | 256)
