#include "writers/xml/ZnAppDocFDOut15.h"

#include "writers/xml/ZnAppDocFDOut12.h"

IMPLEMENT_DYNAMIC(ZnAppDocFDOut15, VhObject)

void ZnAppDocFDOut15::WriteXml(CString path, int selection) { ZnAppDocFDOut12::WriteXml(path, selection); }
