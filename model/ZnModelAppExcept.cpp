#include "model/ZnModelAppExcept.h"

#include <cstring>

IMPLEMENT_SERIAL(ZnModelAppExcept, ZnModel, VERSIONABLE_SCHEMA | 256)

void ZnModelAppExcept::SetApplyByCode(LPCTSTR code)
{
    if (!code)
        return;
    if (std::strcmp(code, "03600") == 0)
        m_noException = 1;
    else if (std::strcmp(code, "03601") == 0)
        m_noException = 0;
}

void ZnModelAppExcept::Serialize(CArchive& ar)
{
    SerializeClassRef(ar, RUNTIME_CLASS(ZnModelAppExcept));
    ZnModel::Serialize(ar);
    SerializeFields(ar, m_buildingClassCode, m_noException, m_text);
}
