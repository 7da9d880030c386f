#include "model/ZnModelUsageCode.h"

IMPLEMENT_SERIAL(ZnModelUsageCode, ZnModelCode, VERSIONABLE_SCHEMA | 256)
