#include "model/ZnModelSemiStrUsageCode.h"

IMPLEMENT_SERIAL(ZnModelSemiStrUsageCode, ZnModelCode, VERSIONABLE_SCHEMA | 256)
