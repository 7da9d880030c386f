#include "platform/files/CObList.h"

#include "platform/files/CArchive.h"

IMPLEMENT_DYNAMIC(CObList, CObject)

void CObList::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        ar.WriteCount(GetCount());
        for (POSITION pos = GetHeadPosition(); pos;)
            ar.WriteObject(GetNext(pos));
        return;
    }
    // Each object read takes bytes of the archive, so a count larger than the input ends at its end.
    for (DWORD_PTR count = ar.ReadCount(); count > 0; --count)
        AddTail(ar.ReadObject(nullptr));
}
