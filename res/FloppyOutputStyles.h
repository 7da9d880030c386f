// The font, styles and rule that the floppy-output page templates share.
#pragma once

#include "platform/wnd/WinUser.h"

namespace fdstyle {

const char kFont[] = u8"ＭＳ Ｐゴシック";

constexpr DWORD kPage = WS_CHILD;
constexpr DWORD kLabel = SS_LEFT | WS_VISIBLE;
constexpr DWORD kButton = BS_PUSHBUTTON | WS_TABSTOP | WS_VISIBLE;
constexpr DWORD kReadOnlyEdit = ES_AUTOHSCROLL | ES_READONLY | WS_BORDER | WS_TABSTOP | WS_VISIBLE;
constexpr DWORD kFormatCombo = CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP | WS_VISIBLE;
constexpr DWORD kDocumentList =
    LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | LVS_NOSORTHEADER | WS_BORDER | WS_TABSTOP | WS_VISIBLE;
// A horizontal rule: a line of underscores.
const char kRule[] = "________________________________________________________________________________________";

} // namespace fdstyle
