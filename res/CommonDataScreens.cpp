// The reference-data editors' view templates (empty: each view hosts its editor) and the
// short-text dialogs. The editors' own controls come with the editors.
#include "platform/wnd/Resources.h"
#include "res/FormViewIds.h"
#include "res/MainFrameIds.h"

#include <iterator>

namespace {
const char kFont[] = u8"ＭＳ Ｐゴシック";
constexpr DWORD kModal = DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU;

constexpr DialogResource View(UINT id, short cx, short cy)
{
    return {id, nullptr, kFont, 9, WS_CHILD, 0, 0, 0, cx, cy, nullptr, 0};
}

const DialogResource dialogs[] = {
    View(IDD_FV_CACM01, 300, 201),
    View(IDD_FV_CACM02, 300, 266),
    View(IDD_FV_CACM03, 300, 341),
    View(IDD_FV_CACM04, 300, 251),
    View(IDD_FV_CACM05, 307, 281),
    View(IDD_FV_CACM06, 300, 181),
    View(IDD_FV_CACM07, 300, 166),
    View(IDD_FV_CACM08, 300, 166),
    View(IDD_FV_CACM09, 308, 166),
    {IDD_TANBUN_REGIST, u8"■短文登録", kFont, 9, kModal, 0, 0, 0, 200, 80, nullptr, 0},
    {IDD_TANBUN_PASTE, u8"■短文貼付", kFont, 9, kModal, 0, 0, 0, 300, 200, nullptr, 0},
    {IDD_TANBUN_EDIT, u8"■短文編集", kFont, 9, kModal, 0, 0, 0, 300, 200, nullptr, 0},
    {IDD_TANBUN_COPY, u8"■短文複写", kFont, 9, kModal, 0, 0, 0, 300, 200, nullptr, 0},
};

const AfxResourceSet registration(dialogs, std::size(dialogs), nullptr, 0, nullptr, 0);
} // namespace
