#include "model/ZnModelConstCode.h"

IMPLEMENT_SERIAL(ZnModelConstCode, ZnModelCode, VERSIONABLE_SCHEMA | 256)
