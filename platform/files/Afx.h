// The core framework classes, as the system's code includes them.
#pragma once

#include "platform/core/CException.h"
#include "platform/core/CMapStringToOb.h"
#include "platform/core/CObject.h"
#include "platform/core/COleDateTime.h"
#include "platform/core/CPtrArray.h"
#include "platform/core/CPtrList.h"
#include "platform/core/CString.h"
#include "platform/core/CStringList.h"
#include "platform/core/WinError.h"
#include "platform/core/WinFormat.h"
#include "platform/core/WinTypes.h"
#include "platform/files/CArchive.h"
#include "platform/files/CArray.h"
#include "platform/files/CFile.h"
#include "platform/files/CObList.h"
#include "platform/files/CStringArray.h"
