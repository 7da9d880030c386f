#include "model/ZnModelHouseTypeCode.h"

IMPLEMENT_SERIAL(ZnModelHouseTypeCode, ZnModelCode, VERSIONABLE_SCHEMA | 256)
