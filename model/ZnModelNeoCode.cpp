#include "model/ZnModelNeoCode.h"

IMPLEMENT_SERIAL(ZnModelNeoCode, ZnModelCode, VERSIONABLE_SCHEMA | 256)
