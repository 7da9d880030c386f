#include "model/ZnModelFireProofCode.h"

IMPLEMENT_SERIAL(ZnModelFireProofCode, ZnModelCode, VERSIONABLE_SCHEMA | 256)
