// The database classes, as the system's code includes them.
#pragma once

#include "platform/database/CDaoDatabase.h"
#include "platform/database/CDaoException.h"
#include "platform/database/CDaoFieldExchange.h"
#include "platform/database/CDaoRecordset.h"
#include "platform/database/CDaoTableDef.h"
#include "platform/database/DaoConstants.h"
