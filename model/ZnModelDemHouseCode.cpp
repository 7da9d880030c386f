#include "model/ZnModelDemHouseCode.h"

IMPLEMENT_SERIAL(ZnModelDemHouseCode, ZnModelCode, VERSIONABLE_SCHEMA | 256)
