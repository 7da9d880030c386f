#include "model/ZnModelRegistInstCode.h"

IMPLEMENT_SERIAL(ZnModelRegistInstCode, ZnModelCode, VERSIONABLE_SCHEMA | 256)
