#include "model/ZnModelLiftKindCode.h"

IMPLEMENT_SERIAL(ZnModelLiftKindCode, ZnModelCode, VERSIONABLE_SCHEMA | 256)
