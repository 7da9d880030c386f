#include "model/ZnModelPrefAreaCode.h"

IMPLEMENT_SERIAL(ZnModelPrefAreaCode, ZnModelCode, VERSIONABLE_SCHEMA | 256)
