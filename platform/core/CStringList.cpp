#include "platform/core/CStringList.h"

IMPLEMENT_DYNAMIC(CStringList, CObject)
