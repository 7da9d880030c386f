#include "model/ZnModelUrbanAreaCode.h"

IMPLEMENT_SERIAL(ZnModelUrbanAreaCode, ZnModelCode, VERSIONABLE_SCHEMA | 256)
