// The root of everything that receives commands, and message maps as static tables of handlers.
//
// A class declares DECLARE_MESSAGE_MAP() and defines its table between BEGIN_MESSAGE_MAP and
// END_MESSAGE_MAP with the ON_… macros. Each entry holds a small thunk, instantiated for the
// handler, that calls it with the arguments of its message; a handler of the wrong signature
// does not compile. Lookups walk the class's table, then its base class's.
#pragma once

#include "platform/core/CObject.h"
#include "platform/wnd/WinUser.h"

// Marks the handlers that message maps name.
#define afx_msg

class CCmdTarget;
class CCmdUI;

// What a thunk receives: the command or control id, the raw message parameters, and for an
// update handler its CCmdUI, for a notification its AFX_NOTIFY.
struct AFX_MSGARGS {
    UINT nID;
    WPARAM wParam;
    LPARAM lParam;
    void* pExtra;
};
typedef LRESULT (*AFX_PTHUNK)(CCmdTarget* target, const AFX_MSGARGS& args);

// How a thunk's result is read.
enum AfxSig : UINT {
    AfxSig_end = 0, // ends a table
    AfxSig_v,       // the handler returns nothing: the message counts as handled
    AfxSig_b,       // the handler returns whether it handled the message
    AfxSig_l        // the handler returns the message's result
};

struct AFX_MSGMAP_ENTRY {
    UINT nMessage; // WM_COMMAND, WM_NOTIFY, a reflected notification or a window message
    UINT nCode;    // control notification, CN_COMMAND or CN_UPDATE_COMMAND_UI
    UINT nID;      // first id of the range the entry serves (0 for window messages)
    UINT nLastID;
    UINT nSig;
    AFX_PTHUNK pfn;
};

struct AFX_MSGMAP {
    const AFX_MSGMAP* (*pfnGetBaseMap)();
    const AFX_MSGMAP_ENTRY* lpEntries;
};

// Filled instead of calling when OnCmdMsg is only asked whether a handler exists.
struct AFX_CMDHANDLERINFO {
    CCmdTarget* pTarget;
};

// The extra argument of a WM_NOTIFY route.
struct AFX_NOTIFY {
    LRESULT* pResult;
    NMHDR* pNMHDR;
};

// Whether a wait cursor shows: the program is busy and takes no input.
bool AfxIsWaitCursorShown();

// Shows the wait cursor for its lifetime.
class CWaitCursor {
public:
    CWaitCursor();
    ~CWaitCursor();
    CWaitCursor(const CWaitCursor&) = delete;
    CWaitCursor& operator=(const CWaitCursor&) = delete;
    void Restore() {}
};

#define CN_COMMAND 0
#define CN_UPDATE_COMMAND_UI ((UINT)(-1))

class CCmdTarget : public CObject {
public:
    DECLARE_DYNAMIC(CCmdTarget)

    // Routes one command. nCode is CN_COMMAND, a control notification code (WM_COMMAND),
    // CN_UPDATE_COMMAND_UI (extra: the CCmdUI), or MAKELONG(code, message) for WM_NOTIFY
    // (extra: AFX_NOTIFY) and reflected notifications. With handlerInfo given, nothing is
    // called: the result says whether a handler exists. Returns TRUE when handled.
    virtual BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo);

    // The entry of this object's tables that serves a window message, or null.
    const AFX_MSGMAP_ENTRY* FindMessageEntry(UINT nMessage) const;

    // The wait cursor shows while long work runs; the calls nest.
    void BeginWaitCursor();
    void EndWaitCursor();
    void RestoreWaitCursor() {}

protected:
    static const AFX_MSGMAP* GetThisMessageMap();
    virtual const AFX_MSGMAP* GetMessageMap() const;
};

// Thunks: one per handler signature. T is the class whose table holds the entry; F may be a
// member of T or of one of its bases.
template <class T, auto F> LRESULT AfxThunkCommand(CCmdTarget* t, const AFX_MSGARGS&)
{
    (static_cast<T*>(t)->*F)();
    return 0;
}
template <class T, auto F> LRESULT AfxThunkCommandEx(CCmdTarget* t, const AFX_MSGARGS& a)
{
    return (static_cast<T*>(t)->*F)(a.nID);
}
template <class T, auto F> LRESULT AfxThunkCommandRange(CCmdTarget* t, const AFX_MSGARGS& a)
{
    (static_cast<T*>(t)->*F)(a.nID);
    return 0;
}
template <class T, auto F> LRESULT AfxThunkUpdate(CCmdTarget* t, const AFX_MSGARGS& a)
{
    (static_cast<T*>(t)->*F)(static_cast<CCmdUI*>(a.pExtra));
    return 0;
}
template <class T, auto F> LRESULT AfxThunkNotify(CCmdTarget* t, const AFX_MSGARGS& a)
{
    AFX_NOTIFY* notify = static_cast<AFX_NOTIFY*>(a.pExtra);
    (static_cast<T*>(t)->*F)(notify->pNMHDR, notify->pResult);
    return 0;
}
template <class T, auto F> LRESULT AfxThunkReflectEx(CCmdTarget* t, const AFX_MSGARGS&)
{
    return (static_cast<T*>(t)->*F)();
}
template <class T, auto F> LRESULT AfxThunkMessage(CCmdTarget* t, const AFX_MSGARGS& a)
{
    return (static_cast<T*>(t)->*F)(a.wParam, a.lParam);
}

#define DECLARE_MESSAGE_MAP()                                                                                          \
protected:                                                                                                             \
    static const AFX_MSGMAP* GetThisMessageMap();                                                                      \
    const AFX_MSGMAP* GetMessageMap() const override;

// clang-format off
#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                                  \
    const AFX_MSGMAP* theClass::GetMessageMap() const { return GetThisMessageMap(); }           \
    const AFX_MSGMAP* theClass::GetThisMessageMap()                                             \
    {                                                                                           \
        using ThisClass [[maybe_unused]] = theClass;                                            \
        using TheBaseClass = baseClass;                                                         \
        static const AFX_MSGMAP_ENTRY _messageEntries[] = {

#define END_MESSAGE_MAP()                                                                       \
            {0, 0, 0, 0, AfxSig_end, nullptr}                                                   \
        };                                                                                      \
        static const AFX_MSGMAP messageMap = {&TheBaseClass::GetThisMessageMap, _messageEntries}; \
        return &messageMap;                                                                     \
    }
// clang-format on

#define AFX_THUNK(thunk, memberFxn) &thunk<ThisClass, &ThisClass::memberFxn>

#define ON_COMMAND(id, memberFxn)                                                                                      \
    {WM_COMMAND, CN_COMMAND, (UINT)(id), (UINT)(id), AfxSig_v, AFX_THUNK(AfxThunkCommand, memberFxn)},
// The handler takes the id and returns whether it handled the command.
#define ON_COMMAND_EX(id, memberFxn)                                                                                   \
    {WM_COMMAND, CN_COMMAND, (UINT)(id), (UINT)(id), AfxSig_b, AFX_THUNK(AfxThunkCommandEx, memberFxn)},
#define ON_COMMAND_RANGE(id, idLast, memberFxn)                                                                        \
    {WM_COMMAND, CN_COMMAND, (UINT)(id), (UINT)(idLast), AfxSig_v, AFX_THUNK(AfxThunkCommandRange, memberFxn)},
#define ON_UPDATE_COMMAND_UI(id, memberFxn)                                                                            \
    {WM_COMMAND, CN_UPDATE_COMMAND_UI, (UINT)(id), (UINT)(id), AfxSig_v, AFX_THUNK(AfxThunkUpdate, memberFxn)},
#define ON_CONTROL(code, id, memberFxn)                                                                                \
    {WM_COMMAND, (UINT)(code), (UINT)(id), (UINT)(id), AfxSig_v, AFX_THUNK(AfxThunkCommand, memberFxn)},
#define ON_NOTIFY(code, id, memberFxn)                                                                                 \
    {WM_NOTIFY, (UINT)(code), (UINT)(id), (UINT)(id), AfxSig_v, AFX_THUNK(AfxThunkNotify, memberFxn)},
// A control's own handler of a notification it sends to its parent; the parent no longer sees it.
#define ON_CONTROL_REFLECT(code, memberFxn)                                                                            \
    {WM_REFLECT_BASE + WM_COMMAND, (UINT)(code), 0, 0, AfxSig_v, AFX_THUNK(AfxThunkCommand, memberFxn)},
// As above; when the handler returns FALSE the parent handles the notification too.
#define ON_CONTROL_REFLECT_EX(code, memberFxn)                                                                         \
    {WM_REFLECT_BASE + WM_COMMAND, (UINT)(code), 0, 0, AfxSig_b, AFX_THUNK(AfxThunkReflectEx, memberFxn)},
// LRESULT handler(WPARAM, LPARAM) for any window message.
#define ON_MESSAGE(message, memberFxn) {(UINT)(message), 0, 0, 0, AfxSig_l, AFX_THUNK(AfxThunkMessage, memberFxn)},

#define ON_BN_CLICKED(id, memberFxn) ON_CONTROL(BN_CLICKED, id, memberFxn)
#define ON_BN_DOUBLECLICKED(id, memberFxn) ON_CONTROL(BN_DOUBLECLICKED, id, memberFxn)
#define ON_EN_CHANGE(id, memberFxn) ON_CONTROL(EN_CHANGE, id, memberFxn)
#define ON_EN_UPDATE(id, memberFxn) ON_CONTROL(EN_UPDATE, id, memberFxn)
#define ON_EN_SETFOCUS(id, memberFxn) ON_CONTROL(EN_SETFOCUS, id, memberFxn)
#define ON_EN_KILLFOCUS(id, memberFxn) ON_CONTROL(EN_KILLFOCUS, id, memberFxn)
#define ON_EN_MAXTEXT(id, memberFxn) ON_CONTROL(EN_MAXTEXT, id, memberFxn)
#define ON_CBN_SELCHANGE(id, memberFxn) ON_CONTROL(CBN_SELCHANGE, id, memberFxn)
#define ON_CBN_EDITCHANGE(id, memberFxn) ON_CONTROL(CBN_EDITCHANGE, id, memberFxn)
#define ON_CBN_SETFOCUS(id, memberFxn) ON_CONTROL(CBN_SETFOCUS, id, memberFxn)
#define ON_CBN_KILLFOCUS(id, memberFxn) ON_CONTROL(CBN_KILLFOCUS, id, memberFxn)
#define ON_LBN_SELCHANGE(id, memberFxn) ON_CONTROL(LBN_SELCHANGE, id, memberFxn)
#define ON_LBN_DBLCLK(id, memberFxn) ON_CONTROL(LBN_DBLCLK, id, memberFxn)
