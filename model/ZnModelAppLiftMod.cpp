#include "model/ZnModelAppLiftMod.h"

IMPLEMENT_SERIAL(ZnModelAppLiftMod, ZnModelAppLift, VERSIONABLE_SCHEMA | 256)
