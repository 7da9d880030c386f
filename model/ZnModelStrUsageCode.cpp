#include "model/ZnModelStrUsageCode.h"

IMPLEMENT_SERIAL(ZnModelStrUsageCode, ZnModelCode, VERSIONABLE_SCHEMA | 256)
