#include "model/ZnModelOwnerTypeCode.h"

IMPLEMENT_SERIAL(ZnModelOwnerTypeCode, ZnModelCode, VERSIONABLE_SCHEMA | 256)
