#include "model/ZnModelConstKindCode.h"

IMPLEMENT_SERIAL(ZnModelConstKindCode, ZnModelCode, VERSIONABLE_SCHEMA | 256)
