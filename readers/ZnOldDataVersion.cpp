#include "readers/ZnOldDataVersion.h"

#include <iterator>

namespace {

const LPCTSTR versions[] = {ZnOldDataVersion::first, ZnOldDataVersion::middle, ZnOldDataVersion::latest};

} // namespace

int ZnOldDataVersion::Place(const CString& version)
{
    for (int i = 0; i < static_cast<int>(std::size(versions)); ++i)
        if (version == versions[i])
            return i;
    return -1;
}

bool ZnOldDataVersion::IsKnown(const CString& version) { return Place(version) >= 0; }

bool ZnOldDataVersion::IsKnownUpTo(const CString& version, LPCTSTR newest)
{
    return IsKnown(version) && Place(version) <= Place(newest);
}
