// The reference-data editors' view templates (empty: each view hosts its editor). The editors' own
// controls come with the editors.
#include "platform/wnd/Resources.h"
#include "res/FormViewIds.h"

#include <iterator>

namespace {
const char kFont[] = u8"ＭＳ Ｐゴシック";

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
};

const AfxResourceSet registration(dialogs, std::size(dialogs), nullptr, 0, nullptr, 0);
} // namespace
