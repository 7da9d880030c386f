#include "model/ZnModelAppSemiStrMod.h"

IMPLEMENT_SERIAL(ZnModelAppSemiStrMod, ZnModelAppSemiStr, VERSIONABLE_SCHEMA | 256)
