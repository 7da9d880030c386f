// The floppy-import screen that the menu opens. Its controls come with the screen itself.
#include "platform/wnd/Resources.h"
#include "res/MainFrameIds.h"

#include <iterator>

namespace {
const char kFont[] = u8"ＭＳ Ｐゴシック";
constexpr DWORD kModal = DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU;

const DialogResource dialogs[] = {
    {IDD_FD_IMPORT, u8"■ＦＤ内容", kFont, 9, kModal, 0, 0, 0, 300, 200, nullptr, 0},
};

const AfxResourceSet registration(dialogs, std::size(dialogs), nullptr, 0, nullptr, 0);
} // namespace
