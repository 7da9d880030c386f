// The floppy-output screens: the pages that the floppy-output form views host, and the dialog of
// the recorded contents. Their controls come with the screens themselves.
#include "platform/wnd/Resources.h"
#include "res/FormViewIds.h"
#include "res/MainFrameIds.h"

#include <iterator>

namespace {
const char kFont[] = u8"ＭＳ Ｐゴシック";

constexpr DialogResource Page(UINT id) { return {id, nullptr, kFont, 9, WS_CHILD, 0, 0, 0, 400, 280, nullptr, 0}; }

const DialogResource dialogs[] = {
    Page(IDD_FDOUT11),
    Page(IDD_FDOUT12),
    Page(IDD_FDOUT13),
    Page(IDD_FDOUT14),
    Page(IDD_FDOUT15),
    Page(IDD_FDOUT16),
    Page(IDD_FDOUT31),
    Page(IDD_FDOUT32),
    Page(IDD_FDOUT51),
    Page(IDD_FDOUT52),
    Page(IDD_FDOUT53),
    Page(IDD_FDOUT54),
    Page(IDD_FDOUT55),
    {IDD_FD_CONTENTS, u8"■ FD内容", kFont, 9, DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU, 0, 0, 0, 300, 200,
     nullptr, 0},
};

const AfxResourceSet registration(dialogs, std::size(dialogs), nullptr, 0, nullptr, 0);
} // namespace
