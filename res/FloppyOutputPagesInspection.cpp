// The templates of the Article 88(2) structure page (6633) and of the two inspection pages (6638
// with the attachment bitmaps, 6637 without them): the output row, the application date and
// reception number beside the row title, and the document list.
#include "platform/wnd/Resources.h"
#include "res/FloppyOutputIds.h"
#include "res/FormViewIds.h"

#include <array>
#include <iterator>

namespace {
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

typedef std::array<ControlResource, 18> HeadRows;
typedef std::array<ControlResource, 8> AttachmentRows;

// The output row, the headings and the date row with the row title (id titleId).
constexpr HeadRows OutputAndDateRows(int titleId)
{
    return {{
        {IDC_STATIC, ControlKind::Static, u8"申請内容：", kLabel, 0, 5, 7, 35, 10},
        {IDC_FDP_COMBO_FORMAT, ControlKind::ComboBox, nullptr, kFormatCombo, 0, 40, 5, 60, 40},
        {IDC_STATIC, ControlKind::Static, u8"出力先：", kLabel, 0, 110, 7, 25, 10},
        {IDC_FDP_EDIT_OUTPUT, ControlKind::Edit, nullptr, kReadOnlyEdit, 0, 139, 5, 122, 12},
        {IDC_FDP_BTN_BROWSE, ControlKind::Button, u8"参照", kButton, 0, 263, 4, 25, 15},
        {IDC_FDP_BTN_OUTPUT, ControlKind::Button, u8"FD出力", kButton, 0, 292, 4, 40, 15},
        {IDC_STATIC, ControlKind::Static, kRule, kLabel, 0, 5, 20, 327, 8},
        {IDC_STATIC, ControlKind::Static, u8"書式種類", kLabel, 0, 15, 35, 50, 10},
        {IDC_STATIC, ControlKind::Static, u8"申請年月日", kLabel, 0, 115, 35, 40, 10},
        {IDC_STATIC, ControlKind::Static, u8"受付番号", kLabel, 0, 193, 35, 40, 10},
        {titleId, ControlKind::Static, u8"工作物（法88条２項）", kLabel, 0, 5, 50, 106, 10},
        {IDC_FDP_EDIT_YEAR, ControlKind::Edit, nullptr, kReadOnlyEdit, 0, 113, 48, 20, 12},
        {IDC_STATIC, ControlKind::Static, u8"年", kLabel, 0, 134, 50, 8, 10},
        {IDC_FDP_EDIT_MONTH, ControlKind::Edit, nullptr, kReadOnlyEdit, 0, 143, 48, 15, 12},
        {IDC_STATIC, ControlKind::Static, u8"月", kLabel, 0, 159, 50, 8, 10},
        {IDC_FDP_EDIT_DAY, ControlKind::Edit, nullptr, kReadOnlyEdit, 0, 168, 48, 15, 12},
        {IDC_STATIC, ControlKind::Static, u8"日", kLabel, 0, 184, 50, 8, 10},
        {IDC_FDP_EDIT_RECEPTION, ControlKind::Edit, nullptr, kReadOnlyEdit, 0, 193, 48, 139, 12},
    }};
}

// The 付近見取図 and 配置図 rows from y on, then the rule and the list.
constexpr AttachmentRows AttachmentRowsAndList(short y)
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

// The head rows followed by the rest.
template <size_t N>
constexpr std::array<ControlResource, 18 + N> Page(const HeadRows& head, const std::array<ControlResource, N>& rest)
{
    std::array<ControlResource, 18 + N> controls{};
    for (size_t i = 0; i < head.size(); ++i)
        controls[i] = head[i];
    for (size_t i = 0; i < N; ++i)
        controls[head.size() + i] = rest[i];
    return controls;
}

// The Article 88(2) structure page (6633): its row title, the attachment rows and the list.
constexpr auto semiStructure = Page(OutputAndDateRows(IDC_STATIC), AttachmentRowsAndList(124));

// The building and Article 88(2) structure inspection page (6638): the row title names the object
// kind; the attachment rows stand higher.
constexpr auto inspectionWithMaps = Page(OutputAndDateRows(IDC_FDP_ROW_TITLE), AttachmentRowsAndList(70));

// The inspection page of lifts, equipment and Article 88(1) structures (6637): no attachments, the
// list right under the date row.
constexpr auto inspection = Page(OutputAndDateRows(IDC_FDP_ROW_TITLE),
                                 std::array<ControlResource, 2>{{
                                     {IDC_STATIC, ControlKind::Static, kRule, kLabel, 0, 5, 62, 327, 8},
                                     {IDC_FDP_LIST, ControlKind::ListView, nullptr, kDocumentList, 0, 5, 76, 327, 200},
                                 }});

const DialogResource dialogs[] = {
    {IDD_FDOUT16, nullptr, kFont, 9, kPage, 0, 0, 0, 342, 296, semiStructure.data(), semiStructure.size()},
    {IDD_FDOUT31, nullptr, kFont, 9, kPage, 0, 0, 0, 342, 286, inspectionWithMaps.data(), inspectionWithMaps.size()},
    {IDD_FDOUT32, nullptr, kFont, 9, kPage, 0, 0, 0, 342, 286, inspection.data(), inspection.size()},
};

const AfxResourceSet registration(dialogs, std::size(dialogs), nullptr, 0, nullptr, 0);
} // namespace
