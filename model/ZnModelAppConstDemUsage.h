// The main use of a construction or a demolition: its category (1 to 3; 0 when not entered)
// and the coded use.
#pragma once

#include "model/ZnModelConstUsageCode.h"

class ZnModelAppConstDemUsage : public ZnModel {
    DECLARE_ZN_MODEL(ZnModelAppConstDemUsage)
public:
    // The code the text forms write for the category: "01811", "01812" or "01813" for 1 to 3,
    // "" for any other value.
    CString GetUsageCode() const;

    // The use first in the archive, then the category.
    void Serialize(CArchive& ar) override;

    int m_category = 0;
    ZnModelConstUsageCode m_usage;
};
