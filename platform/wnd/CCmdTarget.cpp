#include "platform/wnd/CCmdTarget.h"

#include "platform/wnd/CCmdUI.h"
#include "platform/wnd/UiHost.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CCmdTarget, CObject)

namespace {
// How many waits are open; the cursor shows while there is one.
int waitDepth = 0;

void ChangeWaitDepth(int delta)
{
    int before = waitDepth;
    waitDepth = std::max(waitDepth + delta, 0);
    if ((before == 0) != (waitDepth == 0))
        UiHost::Current().ShowWaitCursor(waitDepth > 0);
}

const AFX_MSGMAP_ENTRY noEntries[] = {{0, 0, 0, 0, AfxSig_end, nullptr}};
const AFX_MSGMAP rootMap = {nullptr, noEntries};

// Whether an entry serves a command or notification of that id: update handlers match only
// update requests; other codes compare as the 16-bit values that messages carry.
bool Matches(const AFX_MSGMAP_ENTRY& entry, UINT message, UINT code, UINT nID)
{
    if (entry.nMessage != message || nID < entry.nID || nID > entry.nLastID)
        return false;
    if (code == CN_UPDATE_COMMAND_UI || entry.nCode == CN_UPDATE_COMMAND_UI)
        return code == entry.nCode;
    return (entry.nCode & 0xFFFF) == (code & 0xFFFF);
}
} // namespace

const AFX_MSGMAP* CCmdTarget::GetThisMessageMap() { return &rootMap; }

const AFX_MSGMAP* CCmdTarget::GetMessageMap() const { return GetThisMessageMap(); }

BOOL CCmdTarget::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    UINT code = static_cast<UINT>(nCode);
    UINT message = WM_COMMAND;
    if (code != CN_UPDATE_COMMAND_UI && HIWORD(code) != 0) {
        message = HIWORD(code);
        code = LOWORD(code);
    }
    for (const AFX_MSGMAP* map = GetMessageMap(); map; map = map->pfnGetBaseMap ? map->pfnGetBaseMap() : nullptr) {
        for (const AFX_MSGMAP_ENTRY* entry = map->lpEntries; entry->nSig != AfxSig_end; ++entry) {
            if (!Matches(*entry, message, code, nID))
                continue;
            if (pHandlerInfo) {
                pHandlerInfo->pTarget = this;
                return TRUE;
            }
            LRESULT result = entry->pfn(this, AFX_MSGARGS{nID, 0, 0, pExtra});
            if (code == CN_UPDATE_COMMAND_UI && message == WM_COMMAND) {
                CCmdUI* cmdUI = static_cast<CCmdUI*>(pExtra);
                BOOL continueRouting = cmdUI->m_bContinueRouting;
                cmdUI->m_bContinueRouting = FALSE;
                return !continueRouting;
            }
            return entry->nSig == AfxSig_b ? result != 0 : TRUE;
        }
    }
    return FALSE;
}

const AFX_MSGMAP_ENTRY* CCmdTarget::FindMessageEntry(UINT nMessage) const
{
    for (const AFX_MSGMAP* map = GetMessageMap(); map; map = map->pfnGetBaseMap ? map->pfnGetBaseMap() : nullptr)
        for (const AFX_MSGMAP_ENTRY* entry = map->lpEntries; entry->nSig != AfxSig_end; ++entry)
            if (entry->nMessage == nMessage && entry->nCode == 0 && entry->nID == 0)
                return entry;
    return nullptr;
}

void CCmdTarget::BeginWaitCursor() { ChangeWaitDepth(1); }

void CCmdTarget::EndWaitCursor() { ChangeWaitDepth(-1); }

bool AfxIsWaitCursorShown() { return waitDepth > 0; }

CWaitCursor::CWaitCursor() { ChangeWaitDepth(1); }

CWaitCursor::~CWaitCursor() { ChangeWaitDepth(-1); }
