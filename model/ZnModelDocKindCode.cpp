#include "model/ZnModelDocKindCode.h"

IMPLEMENT_SERIAL(ZnModelDocKindCode, ZnModelCode, VERSIONABLE_SCHEMA | 256)
