// The font, styles, rule and rows that the floppy-output page templates share.
#pragma once

#include "platform/wnd/Resources.h"
#include "platform/wnd/WinUser.h"
#include "res/FloppyOutputIds.h"

#include <array>
#include <utility>

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

// The controls of both arrays, the first array's first.
template <size_t N, size_t M, size_t... I, size_t... J>
constexpr std::array<ControlResource, N + M> Joined(const std::array<ControlResource, N>& first,
                                                    const std::array<ControlResource, M>& second,
                                                    std::index_sequence<I...>, std::index_sequence<J...>)
{
    return {{first[I]..., second[J]...}};
}
template <size_t N, size_t M>
constexpr std::array<ControlResource, N + M> Join(const std::array<ControlResource, N>& first,
                                                  const std::array<ControlResource, M>& second)
{
    return Joined(first, second, std::make_index_sequence<N>(), std::make_index_sequence<M>());
}

// The output row, and the application date and reception number beside the row title (the
// control rowTitleId); width is that of the rules and of the list below them.
constexpr std::array<ControlResource, 18> HeadRows(int rowTitleId, const char* rowTitle, short width)
{
    return {{
        {IDC_STATIC, ControlKind::Static, u8"申請内容：", kLabel, 0, 5, 7, 35, 10},
        {IDC_FDP_COMBO_FORMAT, ControlKind::ComboBox, nullptr, kFormatCombo, 0, 40, 5, 60, 40},
        {IDC_STATIC, ControlKind::Static, u8"出力先：", kLabel, 0, 110, 7, 25, 10},
        {IDC_FDP_EDIT_OUTPUT, ControlKind::Edit, nullptr, kReadOnlyEdit, 0, 139, 5, 122, 12},
        {IDC_FDP_BTN_BROWSE, ControlKind::Button, u8"参照", kButton, 0, 263, 4, 25, 15},
        {IDC_FDP_BTN_OUTPUT, ControlKind::Button, u8"FD出力", kButton, 0, 292, 4, 40, 15},
        {IDC_STATIC, ControlKind::Static, kRule, kLabel, 0, 5, 20, width, 8},
        {IDC_STATIC, ControlKind::Static, u8"書式種類", kLabel, 0, 15, 35, 50, 10},
        {IDC_STATIC, ControlKind::Static, u8"申請年月日", kLabel, 0, 115, 35, 40, 10},
        {IDC_STATIC, ControlKind::Static, u8"受付番号", kLabel, 0, 193, 35, 40, 10},
        {rowTitleId, ControlKind::Static, rowTitle, kLabel, 0, 5, 50, 106, 10},
        {IDC_FDP_EDIT_YEAR, ControlKind::Edit, nullptr, kReadOnlyEdit, 0, 113, 48, 20, 12},
        {IDC_STATIC, ControlKind::Static, u8"年", kLabel, 0, 134, 50, 8, 10},
        {IDC_FDP_EDIT_MONTH, ControlKind::Edit, nullptr, kReadOnlyEdit, 0, 143, 48, 15, 12},
        {IDC_STATIC, ControlKind::Static, u8"月", kLabel, 0, 159, 50, 8, 10},
        {IDC_FDP_EDIT_DAY, ControlKind::Edit, nullptr, kReadOnlyEdit, 0, 168, 48, 15, 12},
        {IDC_STATIC, ControlKind::Static, u8"日", kLabel, 0, 184, 50, 8, 10},
        {IDC_FDP_EDIT_RECEPTION, ControlKind::Edit, nullptr, kReadOnlyEdit, 0, 193, 48, static_cast<short>(width - 188),
         12},
    }};
}

// The 付近見取図 and 配置図 rows from y on, each a button and the edit of its path, then the rule
// and the document list.
constexpr std::array<ControlResource, 8> AttachmentRowsAndList(short y)
{
    return {{
        {IDC_FDP_BTN_SITE_MAP, ControlKind::Button, u8"付近見取図", kButton, 0, 5, y, 50, 14},
        {IDC_STATIC, ControlKind::Static, u8"ファイル名：", kLabel, 0, 60, short(y + 2), 45, 10},
        {IDC_FDP_EDIT_SITE_MAP, ControlKind::Edit, nullptr, kReadOnlyEdit, 0, 105, short(y + 1), 227, 12},
        {IDC_FDP_BTN_LAYOUT, ControlKind::Button, u8"配置図", kButton, 0, 5, short(y + 18), 50, 14},
        {IDC_STATIC, ControlKind::Static, u8"ファイル名：", kLabel, 0, 60, short(y + 20), 45, 10},
        {IDC_FDP_EDIT_LAYOUT, ControlKind::Edit, nullptr, kReadOnlyEdit, 0, 105, short(y + 19), 227, 12},
        {IDC_STATIC, ControlKind::Static, kRule, kLabel, 0, 5, short(y + 34), 327, 8},
        {IDC_FDP_LIST, ControlKind::ListView, nullptr, kDocumentList, 0, 5, short(y + 48), 327, 115},
    }};
}

} // namespace fdstyle
