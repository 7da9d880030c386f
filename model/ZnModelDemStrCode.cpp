#include "model/ZnModelDemStrCode.h"

IMPLEMENT_SERIAL(ZnModelDemStrCode, ZnModelCode, VERSIONABLE_SCHEMA | 256)
