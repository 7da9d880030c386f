#include "model/ZnModelStruct.h"

#include <cstring>

IMPLEMENT_SERIAL(ZnModelStruct, ZnModel, VERSIONABLE_SCHEMA | 256)

void ZnModelStruct::SetConstKind(LPCTSTR code, LPCTSTR text)
{
    if (!code)
        return;
    const struct {
        const char* code;
        int ZnModelStruct::*flag;
        CString ZnModelStruct::*text;
    } kinds[] = {
        {"01601", &ZnModelStruct::m_newBuild, &ZnModelStruct::m_newBuildText},
        {"01602", &ZnModelStruct::m_extension, &ZnModelStruct::m_extensionText},
        {"01603", &ZnModelStruct::m_rebuild, &ZnModelStruct::m_rebuildText},
        {"01699", &ZnModelStruct::m_otherKind, &ZnModelStruct::m_otherKindText},
    };
    for (const auto& kind : kinds) {
        if (std::strcmp(code, kind.code) == 0) {
            this->*kind.flag = 1;
            this->*kind.text = text;
            return;
        }
    }
}

void ZnModelStruct::Serialize(CArchive& ar)
{
    SerializeClassRef(ar, RUNTIME_CLASS(ZnModelStruct));
    ZnModel::Serialize(ar);
    SerializeFields(ar, m_kindCode, m_leadingValue, m_kindText, m_height, m_structureDetail, m_newBuild, m_newBuildText,
                    m_extension, m_extensionText, m_rebuild, m_rebuildText, m_otherKind, m_otherKindText, m_remarks);
}
