#include "writers/xml/ZnAppDocFDOut15.h"

#include "writers/xml/ZnAppDocFDOut12.h"

IMPLEMENT_DYNAMIC(ZnAppDocFDOut15, VhObject)

ZnWriteOutcome ZnAppDocFDOut15::WriteXml(CString path, int selection)
{
    return ZnAppDocFDOut12::WriteXml(path, selection);
}
