#include "model/ZnModelArchiCode.h"

IMPLEMENT_SERIAL(ZnModelArchiCode, ZnModelCode, VERSIONABLE_SCHEMA | 256)
