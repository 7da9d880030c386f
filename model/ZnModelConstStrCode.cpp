#include "model/ZnModelConstStrCode.h"

IMPLEMENT_SERIAL(ZnModelConstStrCode, ZnModelCode, VERSIONABLE_SCHEMA | 256)
