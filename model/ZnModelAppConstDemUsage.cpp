#include "model/ZnModelAppConstDemUsage.h"

IMPLEMENT_SERIAL(ZnModelAppConstDemUsage, ZnModel, VERSIONABLE_SCHEMA | 256)

CString ZnModelAppConstDemUsage::GetUsageCode() const
{
    const char* const categoryCodes[] = {"01811", "01812", "01813"};
    if (m_category < 1 || m_category > 3)
        return "";
    return categoryCodes[m_category - 1];
}

void ZnModelAppConstDemUsage::Serialize(CArchive& ar)
{
    SerializeClassRef(ar, RUNTIME_CLASS(ZnModelAppConstDemUsage));
    ZnModel::Serialize(ar);
    SerializeFields(ar, m_usage, m_category);
}
