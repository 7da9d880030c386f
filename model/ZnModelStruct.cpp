#include "model/ZnModelStruct.h"

#include "model/ZnModelConstKindFlags.h"

IMPLEMENT_SERIAL(ZnModelStruct, ZnModel, VERSIONABLE_SCHEMA | 256)

void ZnModelStruct::SetConstKind(LPCTSTR code, LPCTSTR text)
{
    // The flag and text of each structure kind, in the order of ZnModelConstKindFlags.
    static const struct {
        int ZnModelStruct::*flag;
        CString ZnModelStruct::*text;
    } kinds[ZnModelConstKindFlags::structureKindCount] = {
        {&ZnModelStruct::m_newBuild, &ZnModelStruct::m_newBuildText},
        {&ZnModelStruct::m_extension, &ZnModelStruct::m_extensionText},
        {&ZnModelStruct::m_rebuild, &ZnModelStruct::m_rebuildText},
        {&ZnModelStruct::m_otherKind, &ZnModelStruct::m_otherKindText},
    };
    int kind = ZnModelConstKindFlags::StructureKindIndex(code);
    if (kind < 0)
        return;
    this->*kinds[kind].flag = 1;
    this->*kinds[kind].text = text;
}

void ZnModelStruct::Serialize(CArchive& ar)
{
    SerializeClassRef(ar, RUNTIME_CLASS(ZnModelStruct));
    ZnModel::Serialize(ar);
    SerializeFields(ar, m_kindCode, m_leadingValue, m_kindText, m_height, m_structureDetail, m_newBuild, m_newBuildText,
                    m_extension, m_extensionText, m_rebuild, m_rebuildText, m_otherKind, m_otherKindText, m_remarks);
}
