#include "model/ZnModelFundCode.h"

IMPLEMENT_SERIAL(ZnModelFundCode, ZnModelCode, VERSIONABLE_SCHEMA | 256)
