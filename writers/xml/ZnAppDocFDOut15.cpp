#include "writers/xml/ZnAppDocFDOut15.h"

#include "writers/xml/ZnAppDocFDOut12.h"

IMPLEMENT_DYNAMIC(ZnAppDocFDOut15, VhObject)

void ZnAppDocFDOut15::WriteXml(CString path, int selection) { TryWriteXml(path); }

ZnWriteOutcome ZnAppDocFDOut15::TryWriteXml(CString path) { return ZnAppDocFDOut12::TryWriteXml(path); }
