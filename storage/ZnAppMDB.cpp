#include "storage/ZnAppMDB.h"

IMPLEMENT_DYNAMIC(ZnAppMDB, CObject)

CString ZnAppMDB::GetComChiikiMdb() const { return "\\COM_CHIIKI.mdb"; }

CString ZnAppMDB::GetAppUserRegistMdb() const { return "\\APP_USER_REGIST.mdb"; }

CString ZnAppMDB::GetAppBukkenMdb() const { return "\\APP_BUKKEN.mdb"; }
