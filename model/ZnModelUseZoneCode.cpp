#include "model/ZnModelUseZoneCode.h"

IMPLEMENT_SERIAL(ZnModelUseZoneCode, ZnModelCode, VERSIONABLE_SCHEMA | 256)
