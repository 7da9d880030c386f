#include "storage/ZnAppRegRoot.h"

#include "storage/ZnPlacementText.h"

IMPLEMENT_DYNAMIC(ZnAppRegRoot, ZnRegistry)

namespace {
const char kSeparator = ',';
}

ZnAppRegRoot::ZnAppRegRoot(LPCTSTR subKey, LPCTSTR startUpName)
    : ZnRegistry(nullptr, subKey, HKEY_LOCAL_MACHINE), m_strStartUpName(startUpName)
{
}

BOOL ZnAppRegRoot::Read()
{
    ZnRegKey key;
    return ReadTexts(key, &m_strStartUpName, &m_strStartUp, 1);
}

BOOL ZnAppRegRoot::Write()
{
    ZnRegKey key;
    return WriteTexts(key, &m_strStartUpName, &m_strStartUp, 1);
}

void ZnAppRegRoot::SetStartUpPlacement(const WINDOWPLACEMENT& current)
{
    WINDOWPLACEMENT stored = current;
    stored.showCmd = SW_RESTORE;
    stored.ptMinPosition = {current.rcNormalPosition.left, current.rcNormalPosition.top};
    stored.ptMaxPosition = {0, 0};
    m_strStartUp = FormatPlacementText(stored, kSeparator);
}

BOOL ZnAppRegRoot::GetStartUpPlacement(WINDOWPLACEMENT& placement) const
{
    if (m_strStartUp.IsEmpty())
        return FALSE;
    placement = ParsePlacementText(m_strStartUp, kSeparator);
    return TRUE;
}
