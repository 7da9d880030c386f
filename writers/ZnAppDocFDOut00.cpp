#include "writers/ZnAppDocFDOut00.h"

#include "storage/ZnRunLog.h"

IMPLEMENT_DYNAMIC(ZnAppDocFDOut00, VhObject)

void ZnAppDocFDOut00::WriteLog(int level, LPCTSTR message, LPCTSTR source, LPCTSTR function)
{
    ZnRunLog::Write(level, message, source, function);
}

void ZnAppDocFDOut00::DeleteLog() { ZnRunLog::Delete(); }
