#include "platform/CPtrList.h"

IMPLEMENT_DYNAMIC(CPtrList, CObject)
