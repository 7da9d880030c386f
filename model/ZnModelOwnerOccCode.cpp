#include "model/ZnModelOwnerOccCode.h"

IMPLEMENT_SERIAL(ZnModelOwnerOccCode, ZnModelCode, VERSIONABLE_SCHEMA | 256)
