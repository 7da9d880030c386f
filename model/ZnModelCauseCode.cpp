#include "model/ZnModelCauseCode.h"

IMPLEMENT_SERIAL(ZnModelCauseCode, ZnModelCode, VERSIONABLE_SCHEMA | 256)
