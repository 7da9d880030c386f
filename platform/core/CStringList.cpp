#include "platform/CStringList.h"

IMPLEMENT_DYNAMIC(CStringList, CObject)
