// The database classes, as the system's code includes them.
#pragma once

#include "platform/CDaoDatabase.h"
#include "platform/CDaoException.h"
#include "platform/CDaoFieldExchange.h"
#include "platform/CDaoRecordset.h"
#include "platform/CDaoTableDef.h"
#include "platform/DaoConstants.h"
