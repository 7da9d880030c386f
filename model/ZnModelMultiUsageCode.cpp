#include "model/ZnModelMultiUsageCode.h"

IMPLEMENT_SERIAL(ZnModelMultiUsageCode, ZnModelCode, VERSIONABLE_SCHEMA | 256)
