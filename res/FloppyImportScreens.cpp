// The floppy-import and number-entry screens: the application list that its form view hosts, and
// the dialogs of the floppy panel and the menu. Their controls come with the screens themselves.
#include "platform/wnd/Resources.h"
#include "res/FormViewIds.h"
#include "res/MainFrameIds.h"

#include <iterator>

namespace {
const char kFont[] = u8"ＭＳ Ｐゴシック";
constexpr DWORD kModal = DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU;

const DialogResource dialogs[] = {
    {IDD_SHINSEISHO_LIST, nullptr, kFont, 9, WS_CHILD, 0, 0, 0, 400, 280, nullptr, 0},
    {IDD_UKETUKE_CONFIRM, u8"■内容の確認", kFont, 9, kModal, 0, 0, 0, 300, 200, nullptr, 0},
    {IDD_BANGOU_INPUT, u8"■番号の入力", kFont, 9, kModal, 0, 0, 0, 300, 200, nullptr, 0},
};

const AfxResourceSet registration(dialogs, std::size(dialogs), nullptr, 0, nullptr, 0);
} // namespace
