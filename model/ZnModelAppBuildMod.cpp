#include "model/ZnModelAppBuildMod.h"

IMPLEMENT_SERIAL(ZnModelAppBuildMod, ZnModelAppBuild, VERSIONABLE_SCHEMA | 256)
