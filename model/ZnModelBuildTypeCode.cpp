#include "model/ZnModelBuildTypeCode.h"

IMPLEMENT_SERIAL(ZnModelBuildTypeCode, ZnModelCode, VERSIONABLE_SCHEMA | 256)
