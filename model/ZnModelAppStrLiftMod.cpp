#include "model/ZnModelAppStrLiftMod.h"

IMPLEMENT_SERIAL(ZnModelAppStrLiftMod, ZnModelAppLift, VERSIONABLE_SCHEMA | 256)
