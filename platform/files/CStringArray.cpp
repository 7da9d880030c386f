#include "platform/files/CStringArray.h"

IMPLEMENT_DYNAMIC(CStringArray, CObject)
