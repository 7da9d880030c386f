#include "platform/core/CObList.h"

IMPLEMENT_DYNAMIC(CObList, CObject)
