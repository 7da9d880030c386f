// The templates of the Article 88(2) structure page (6633) and of the two inspection pages (6638
// with the attachment bitmaps, 6637 without them): the output row, the application date and
// reception number beside the row title, and the document list.
#include "platform/wnd/Resources.h"
#include "res/FloppyOutputIds.h"
#include "res/FormViewIds.h"

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

// The Article 88(2) structure page (6633): its row title, the attachment rows and the list.
const ControlResource semiStructure[] = {
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
    {IDC_STATIC, ControlKind::Static, u8"工作物（法88条２項）", kLabel, 0, 5, 50, 106, 10},
    {IDC_FDP_EDIT_YEAR, ControlKind::Edit, nullptr, kReadOnlyEdit, 0, 113, 48, 20, 12},
    {IDC_STATIC, ControlKind::Static, u8"年", kLabel, 0, 134, 50, 8, 10},
    {IDC_FDP_EDIT_MONTH, ControlKind::Edit, nullptr, kReadOnlyEdit, 0, 143, 48, 15, 12},
    {IDC_STATIC, ControlKind::Static, u8"月", kLabel, 0, 159, 50, 8, 10},
    {IDC_FDP_EDIT_DAY, ControlKind::Edit, nullptr, kReadOnlyEdit, 0, 168, 48, 15, 12},
    {IDC_STATIC, ControlKind::Static, u8"日", kLabel, 0, 184, 50, 8, 10},
    {IDC_FDP_EDIT_RECEPTION, ControlKind::Edit, nullptr, kReadOnlyEdit, 0, 193, 48, 139, 12},
    {IDC_FDP_BTN_SITE_MAP, ControlKind::Button, u8"付近見取図", kButton, 0, 5, 124, 50, 14},
    {IDC_STATIC, ControlKind::Static, u8"ファイル名：", kLabel, 0, 60, 126, 45, 10},
    {IDC_FDP_EDIT_SITE_MAP, ControlKind::Edit, nullptr, kReadOnlyEdit, 0, 105, 125, 227, 12},
    {IDC_FDP_BTN_LAYOUT, ControlKind::Button, u8"配置図", kButton, 0, 5, 142, 50, 14},
    {IDC_STATIC, ControlKind::Static, u8"ファイル名：", kLabel, 0, 60, 144, 45, 10},
    {IDC_FDP_EDIT_LAYOUT, ControlKind::Edit, nullptr, kReadOnlyEdit, 0, 105, 143, 227, 12},
    {IDC_STATIC, ControlKind::Static, kRule, kLabel, 0, 5, 158, 327, 8},
    {IDC_FDP_LIST, ControlKind::ListView, nullptr, kDocumentList, 0, 5, 172, 327, 115},
};

// The building and Article 88(2) structure inspection page (6638): the row title names the object
// kind; the attachment rows stand higher.
const ControlResource inspectionWithMaps[] = {
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
    {IDC_FDP_ROW_TITLE, ControlKind::Static, u8"工作物（法88条２項）", kLabel, 0, 5, 50, 106, 10},
    {IDC_FDP_EDIT_YEAR, ControlKind::Edit, nullptr, kReadOnlyEdit, 0, 113, 48, 20, 12},
    {IDC_STATIC, ControlKind::Static, u8"年", kLabel, 0, 134, 50, 8, 10},
    {IDC_FDP_EDIT_MONTH, ControlKind::Edit, nullptr, kReadOnlyEdit, 0, 143, 48, 15, 12},
    {IDC_STATIC, ControlKind::Static, u8"月", kLabel, 0, 159, 50, 8, 10},
    {IDC_FDP_EDIT_DAY, ControlKind::Edit, nullptr, kReadOnlyEdit, 0, 168, 48, 15, 12},
    {IDC_STATIC, ControlKind::Static, u8"日", kLabel, 0, 184, 50, 8, 10},
    {IDC_FDP_EDIT_RECEPTION, ControlKind::Edit, nullptr, kReadOnlyEdit, 0, 193, 48, 139, 12},
    {IDC_FDP_BTN_SITE_MAP, ControlKind::Button, u8"付近見取図", kButton, 0, 5, 70, 50, 14},
    {IDC_STATIC, ControlKind::Static, u8"ファイル名：", kLabel, 0, 60, 72, 45, 10},
    {IDC_FDP_EDIT_SITE_MAP, ControlKind::Edit, nullptr, kReadOnlyEdit, 0, 105, 71, 227, 12},
    {IDC_FDP_BTN_LAYOUT, ControlKind::Button, u8"配置図", kButton, 0, 5, 88, 50, 14},
    {IDC_STATIC, ControlKind::Static, u8"ファイル名：", kLabel, 0, 60, 90, 45, 10},
    {IDC_FDP_EDIT_LAYOUT, ControlKind::Edit, nullptr, kReadOnlyEdit, 0, 105, 89, 227, 12},
    {IDC_STATIC, ControlKind::Static, kRule, kLabel, 0, 5, 104, 327, 8},
    {IDC_FDP_LIST, ControlKind::ListView, nullptr, kDocumentList, 0, 5, 118, 327, 115},
};

// The inspection page of lifts, equipment and Article 88(1) structures (6637): no attachments, the
// list right under the date row.
const ControlResource inspection[] = {
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
    {IDC_FDP_ROW_TITLE, ControlKind::Static, u8"工作物（法88条２項）", kLabel, 0, 5, 50, 106, 10},
    {IDC_FDP_EDIT_YEAR, ControlKind::Edit, nullptr, kReadOnlyEdit, 0, 113, 48, 20, 12},
    {IDC_STATIC, ControlKind::Static, u8"年", kLabel, 0, 134, 50, 8, 10},
    {IDC_FDP_EDIT_MONTH, ControlKind::Edit, nullptr, kReadOnlyEdit, 0, 143, 48, 15, 12},
    {IDC_STATIC, ControlKind::Static, u8"月", kLabel, 0, 159, 50, 8, 10},
    {IDC_FDP_EDIT_DAY, ControlKind::Edit, nullptr, kReadOnlyEdit, 0, 168, 48, 15, 12},
    {IDC_STATIC, ControlKind::Static, u8"日", kLabel, 0, 184, 50, 8, 10},
    {IDC_FDP_EDIT_RECEPTION, ControlKind::Edit, nullptr, kReadOnlyEdit, 0, 193, 48, 139, 12},
    {IDC_STATIC, ControlKind::Static, kRule, kLabel, 0, 5, 62, 327, 8},
    {IDC_FDP_LIST, ControlKind::ListView, nullptr, kDocumentList, 0, 5, 76, 327, 200},
};

const DialogResource dialogs[] = {
    {IDD_FDOUT16, nullptr, kFont, 9, kPage, 0, 0, 0, 342, 296, semiStructure, std::size(semiStructure)},
    {IDD_FDOUT31, nullptr, kFont, 9, kPage, 0, 0, 0, 342, 286, inspectionWithMaps, std::size(inspectionWithMaps)},
    {IDD_FDOUT32, nullptr, kFont, 9, kPage, 0, 0, 0, 342, 286, inspection, std::size(inspection)},
};

const AfxResourceSet registration(dialogs, std::size(dialogs), nullptr, 0, nullptr, 0);
} // namespace
