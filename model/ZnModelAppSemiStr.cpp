#include "model/ZnModelAppSemiStr.h"

IMPLEMENT_SERIAL(ZnModelAppSemiStr, ZnModelApp, VERSIONABLE_SCHEMA | 256)

void ZnModelAppSemiStr::SetConstKind(LPCTSTR code, LPCTSTR text)
{
    // The flag and text of each kind of works, in the order of ZnModelConstKindFlags.
    static const struct {
        int ZnModelAppSemiStr::*flag;
        CString ZnModelAppSemiStr::*text;
    } kinds[ZnModelConstKindFlags::structureKindCount] = {
        {&ZnModelAppSemiStr::m_newFlag, &ZnModelAppSemiStr::m_newText},
        {&ZnModelAppSemiStr::m_extendFlag, &ZnModelAppSemiStr::m_extendText},
        {&ZnModelAppSemiStr::m_rebuildFlag, &ZnModelAppSemiStr::m_rebuildText},
        {&ZnModelAppSemiStr::m_otherFlag, &ZnModelAppSemiStr::m_otherText},
    };
    int kind = ZnModelConstKindFlags::StructureKindIndex(code);
    if (kind < 0)
        return;
    this->*kinds[kind].flag = 1;
    this->*kinds[kind].text = text;
}

void ZnModelAppSemiStr::Serialize(CArchive& ar)
{
    SerializeClassRef(ar, RUNTIME_CLASS(ZnModelAppSemiStr));
    ZnModelApp::Serialize(ar);
    SerializeFields(ar, m_designer, m_constructor, m_lotAddress, m_displayAddress, m_usageCode, m_buildArea,
                    m_constStartDate, m_constEndDate, m_specStageDate, m_name, m_sitePos1, m_sitePos2);
    SerializeFields(ar, m_otherZoneText, m_usageText, m_height, m_newFlag, m_newText, m_extendFlag, m_extendText,
                    m_rebuildFlag, m_rebuildText, m_otherFlag, m_otherText, m_appStructCount, m_otherStructCount,
                    m_structNote, m_permitLaw, m_note, m_changeSummary);
    SerializeFields(ar, m_designerList, m_constructorList, m_useZoneCodeList);
}
