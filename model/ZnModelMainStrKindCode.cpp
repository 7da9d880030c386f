#include "model/ZnModelMainStrKindCode.h"

IMPLEMENT_SERIAL(ZnModelMainStrKindCode, ZnModelCode, VERSIONABLE_SCHEMA | 256)
