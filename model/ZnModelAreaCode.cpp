#include "model/ZnModelAreaCode.h"

IMPLEMENT_SERIAL(ZnModelAreaCode, ZnModelCode, VERSIONABLE_SCHEMA | 256)
