#include "model/ZnModelStructKindCode.h"

IMPLEMENT_SERIAL(ZnModelStructKindCode, ZnModelCode, VERSIONABLE_SCHEMA | 256)
