#include "platform/CObList.h"

IMPLEMENT_DYNAMIC(CObList, CObject)
