// The test of the two attachment bitmaps that a page makes before anything else on "FD出力".
#pragma once

#include "platform/core/CString.h"

class ZnFDOutAttachments {
public:
    // True when each named bitmap exists; an empty name passes. Otherwise tells the first one
    // missing, the 付近見取図 before the 配置図, with the error icon, and gives false.
    static bool CheckAttachments(const CString& siteMapPath, const CString& layoutPath);
};
