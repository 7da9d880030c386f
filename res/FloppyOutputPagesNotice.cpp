// The templates of the floppy-output pages whose writers write text forms: the temporary-use
// approval applications (6604 to the designated administrative agency, 6618 to the building
// official) and the construction (6623), demolition (6624) and safety-plan (6625) notices. The five
// hold the same controls; they differ in their form label and in the positions of the date and
// reception row, which the table below gives.
#include "platform/wnd/Resources.h"
#include "res/FloppyOutputIds.h"
#include "res/FloppyOutputStyles.h"
#include "res/FormViewIds.h"

#include <array>
#include <iterator>

namespace {
using namespace fdstyle;

// The document list takes several selected rows; the first of them counts.
constexpr DWORD kMultiDocumentList =
    LVS_REPORT | LVS_SHOWSELALWAYS | LVS_NOSORTHEADER | WS_BORDER | WS_TABSTOP | WS_VISIBLE;

// What differs between the pages, in dialog units.
struct RowLayout {
    UINT id;
    const char* formLabel;
    short formLabelWidth;
    short dateTitleX;      // "申請年月日"
    short receptionTitleX; // "受付番号"
    short yearX, yearUnitX;
    short monthX, monthUnitX;
    short dayX, dayUnitX;
    short unitY; // of "年", "月" and "日"
    short receptionX, receptionWidth;
    short secondRuleY;
};

const RowLayout layouts[] = {
    {IDD_FDOUT51, u8"仮使用承認申請書（特定行政庁）", 106, 115, 193, 113, 134, 143, 159, 168, 184, 62, 193, 127, 76},
    {IDD_FDOUT52, u8"仮使用承認申請書（建築主事）", 99, 107, 185, 104, 126, 135, 151, 160, 176, 62, 185, 135, 75},
    {IDD_FDOUT53, u8"建築工事届", 99, 107, 186, 105, 126, 135, 151, 160, 176, 62, 186, 134, 75},
    {IDD_FDOUT54, u8"建築物除却届", 99, 107, 185, 105, 126, 135, 151, 160, 176, 63, 185, 106, 75},
    {IDD_FDOUT55, u8"安全上の措置等に関する計画届", 107, 113, 192, 110, 132, 141, 157, 166, 182, 62, 192, 128, 75},
};

using PageControls = std::array<ControlResource, 20>;

PageControls Controls(const RowLayout& row)
{
    return {{
        {IDC_FDP_COMBO_FORMAT, ControlKind::ComboBox, nullptr, kFormatCombo, 0, 40, 5, 60, 40},
        {IDC_STATIC, ControlKind::Static, u8"申請内容：", kLabel, 0, 5, 5, 35, 10},
        {IDC_STATIC, ControlKind::Static, u8"出力先：", kLabel, 0, 110, 5, 25, 10},
        {IDC_FDP_EDIT_OUTPUT, ControlKind::Edit, nullptr, kReadOnlyEdit, 0, 139, 5, 122, 12},
        {IDC_FDP_BTN_BROWSE, ControlKind::Button, u8"参照", kButton, 0, 261, 5, 20, 15},
        {IDC_FDP_BTN_OUTPUT, ControlKind::Button, u8"FD出力", kButton, 0, 286, 5, 34, 15},
        {IDC_STATIC, ControlKind::Static, kRule, kLabel, 0, 5, 25, 315, 8},
        {IDC_STATIC, ControlKind::Static, u8"書式種類", kLabel, 0, 15, 45, 32, 10},
        {IDC_STATIC, ControlKind::Static, u8"申請年月日", kLabel, 0, row.dateTitleX, 45, 40, 10},
        {IDC_STATIC, ControlKind::Static, u8"受付番号", kLabel, 0, row.receptionTitleX, 45, 40, 10},
        {IDC_STATIC, ControlKind::Static, row.formLabel, kLabel, 0, 5, 60, row.formLabelWidth, 10},
        {IDC_FDP_EDIT_YEAR, ControlKind::Edit, nullptr, kReadOnlyEdit, 0, row.yearX, 60, 20, 12},
        {IDC_STATIC, ControlKind::Static, u8"年", kLabel, 0, row.yearUnitX, row.unitY, 8, 10},
        {IDC_FDP_EDIT_MONTH, ControlKind::Edit, nullptr, kReadOnlyEdit, 0, row.monthX, 60, 15, 12},
        {IDC_STATIC, ControlKind::Static, u8"月", kLabel, 0, row.monthUnitX, row.unitY, 8, 10},
        {IDC_FDP_EDIT_DAY, ControlKind::Edit, nullptr, kReadOnlyEdit, 0, row.dayX, 60, 15, 12},
        {IDC_STATIC, ControlKind::Static, u8"日", kLabel, 0, row.dayUnitX, row.unitY, 8, 10},
        {IDC_FDP_EDIT_RECEPTION, ControlKind::Edit, nullptr, kReadOnlyEdit, 0, row.receptionX, 60, row.receptionWidth,
         12},
        {IDC_STATIC, ControlKind::Static, kRule, kLabel, 0, 5, row.secondRuleY, 315, 8},
        {IDC_FDP_LIST, ControlKind::ListView, nullptr, kMultiDocumentList, 0, 5, 95, 315, 90},
    }};
}

const PageControls controls[] = {Controls(layouts[0]), Controls(layouts[1]), Controls(layouts[2]), Controls(layouts[3]),
                                 Controls(layouts[4])};

DialogResource Page(size_t index)
{
    return {layouts[index].id,     nullptr, kFont, 9, kPage, 0, 0, 0, 352, 226, controls[index].data(),
            controls[index].size()};
}

const DialogResource dialogs[] = {Page(0), Page(1), Page(2), Page(3), Page(4)};

static_assert(std::size(layouts) == std::size(controls) && std::size(controls) == std::size(dialogs));

const AfxResourceSet registration(dialogs, std::size(dialogs), nullptr, 0, nullptr, 0);
} // namespace
