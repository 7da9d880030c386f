#include "platform/ui/WxIds.h"

#include <wx/defs.h>

namespace {
constexpr int kStaticId = -1;
constexpr int kStaticWord = 0xFFFF;
constexpr int kShift = wxID_HIGHEST - wxID_LOWEST + 1; // 1001
} // namespace

int WxIds::ToWx(int systemId)
{
    if (systemId == kStaticId || systemId == kStaticWord)
        return wxID_ANY;
    return systemId >= wxID_LOWEST ? systemId + kShift : systemId;
}

int WxIds::FromWx(int wxId)
{
    if (wxId < 0)
        return kStaticId;
    if (wxId > wxID_HIGHEST)
        return wxId - kShift;
    return wxId < wxID_LOWEST ? wxId : kStaticId;
}
