#include "model/ZnModelStructMethodCode.h"

IMPLEMENT_SERIAL(ZnModelStructMethodCode, ZnModelCode, VERSIONABLE_SCHEMA | 256)
