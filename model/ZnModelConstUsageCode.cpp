#include "model/ZnModelConstUsageCode.h"

IMPLEMENT_SERIAL(ZnModelConstUsageCode, ZnModelCode, VERSIONABLE_SCHEMA | 256)
