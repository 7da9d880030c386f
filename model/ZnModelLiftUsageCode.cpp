#include "model/ZnModelLiftUsageCode.h"

IMPLEMENT_SERIAL(ZnModelLiftUsageCode, ZnModelCode, VERSIONABLE_SCHEMA | 256)
