#include "model/ZnModelAppProxy.h"

IMPLEMENT_SERIAL(ZnModelAppProxy, ZnModelApp, VERSIONABLE_SCHEMA | 256)

void ZnModelAppProxy::Serialize(CArchive& ar)
{
    SerializeClassRef(ar, RUNTIME_CLASS(ZnModelAppProxy));
    ZnModelApp::Serialize(ar);
    SerializeFields(ar, m_date, m_address, m_constKind, m_text1);
    for (int& value : m_values)
        SerializeFields(ar, value);
    SerializeFields(ar, m_text2);
}
