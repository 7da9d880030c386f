// The core framework classes, as the system's code includes them.
#pragma once

#include "platform/CArchive.h"
#include "platform/CException.h"
#include "platform/CFile.h"
#include "platform/CMapStringToOb.h"
#include "platform/CObList.h"
#include "platform/CObject.h"
#include "platform/COleDateTime.h"
#include "platform/CPtrList.h"
#include "platform/CString.h"
#include "platform/CStringList.h"
#include "platform/WinError.h"
#include "platform/WinFormat.h"
#include "platform/WinTypes.h"
