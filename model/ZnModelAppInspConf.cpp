#include "model/ZnModelAppInspConf.h"

#include <cstring>

IMPLEMENT_SERIAL(ZnModelAppInspConf, ZnModelApp, VERSIONABLE_SCHEMA | 256)

void ZnModelAppInspConf::SetConstKind(LPCTSTR code)
{
    if (!code)
        return;
    const struct {
        const char* code;
        int ZnModelAppInspConf::*flag;
    } kinds[] = {
        {"01601", &ZnModelAppInspConf::m_kindNew},       {"01602", &ZnModelAppInspConf::m_kindExtension},
        {"01603", &ZnModelAppInspConf::m_kindRebuild},   {"01604", &ZnModelAppInspConf::m_kindRelocation},
        {"01606", &ZnModelAppInspConf::m_kindRepair},    {"01607", &ZnModelAppInspConf::m_kindRemodel},
        {"01608", &ZnModelAppInspConf::m_kindEquipment},
    };
    for (const auto& kind : kinds) {
        if (std::strcmp(code, kind.code) == 0) {
            this->*kind.flag = 1;
            return;
        }
    }
}

const ZnModelNum* ZnModelAppInspConf::GetConfNum(int selector) const
{
    if (selector == 1)
        return &m_confCert;
    return selector >= 2 ? m_confCertList.GetAtIndex(selector - 2) : nullptr;
}

void ZnModelAppInspConf::Serialize(CArchive& ar)
{
    SerializeClassRef(ar, RUNTIME_CLASS(ZnModelAppInspConf));
    ZnModelApp::Serialize(ar);
    SerializeFields(ar, m_designer, m_equipAdviser, m_supervisor, m_constructor, m_buildingName, m_siteLot,
                    m_siteDisplay, m_buildType, m_confCert, m_startDate, m_endDate, m_rightMod);
    SerializeFields(ar, m_text1, m_remarks2, m_kindNew, m_kindExtension, m_kindRebuild, m_kindRelocation, m_kindRepair,
                    m_kindRemodel, m_kindEquipment, m_inspArea, m_remarks3);
    SerializeFields(ar, m_designerList, m_equipAdviserList, m_supervisorList, m_constructorList, m_confCertList,
                    m_rightModList);
}

void ZnModelAppInspConf::SerializeBaseApp(CArchive& ar)
{
    if (ar.IsStoring()) {
        ar << static_cast<LONG>(m_baseApp ? 1 : 0);
        if (m_baseApp)
            ar.WriteObject(m_baseApp.Get());
        return;
    }
    LONG present = 0;
    ar >> present;
    m_baseApp.Reset(present ? static_cast<ZnModelApp*>(ReadNewObject(ar, RUNTIME_CLASS(ZnModelApp))) : nullptr);
}
