// The floppy-output pages of the lift (6610), building-equipment (6628), structure (6631) and
// structure-lift (6632) applications: the output row, the application date and reception number
// under the row title, the count of further lifts or structures, and the document list.
#include "platform/wnd/Resources.h"
#include "res/FloppyOutputIds.h"
#include "res/FloppyOutputStyles.h"
#include "res/FormViewIds.h"

#include <array>
#include <iterator>
#include <utility>

namespace {
using namespace fdstyle;

constexpr DWORD kCountEdit = kReadOnlyEdit | ES_RIGHT;

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

// The output row, and the application date and reception number under the row title; width is
// that of the rules and of the list below them.
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

// A page that counts further items: the lift page names its row title, the others do not. The row
// reads as the first item and n further ones.
constexpr std::array<ControlResource, 23> CountingPage(int rowTitleId, const char* rowTitle, const char* unit)
{
    return Join(HeadRows(rowTitleId, rowTitle, 327),
                std::array<ControlResource, 5>{{
                    {IDC_FD12_LABEL_FURTHER, ControlKind::Static, u8"他", kLabel, 0, 113, 66, 10, 10},
                    {IDC_FD12_EDIT_COUNT, ControlKind::Edit, nullptr, kCountEdit, 0, 124, 64, 25, 12},
                    {IDC_FD12_LABEL_UNIT, ControlKind::Static, unit, kLabel, 0, 151, 66, 10, 10},
                    {IDC_STATIC, ControlKind::Static, kRule, kLabel, 0, 5, 80, 327, 8},
                    {IDC_FDP_LIST, ControlKind::ListView, nullptr, kDocumentList, 0, 5, 94, 327, 150},
                }});
}

const auto lift = CountingPage(IDC_FD12_ROW_TITLE, u8"昇降機", u8"機");
const auto structure = CountingPage(IDC_STATIC, u8"工作物（法88条１項）", u8"件");
const auto structureLift = CountingPage(IDC_STATIC, u8"工作物の昇降機", u8"機");
const auto equipment = Join(HeadRows(IDC_STATIC, u8"昇降機以外の建築設備", 337),
                            std::array<ControlResource, 2>{{
                                {IDC_STATIC, ControlKind::Static, kRule, kLabel, 0, 5, 64, 337, 8},
                                {IDC_FDP_LIST, ControlKind::ListView, nullptr, kDocumentList, 0, 5, 78, 337, 142},
                            }});

constexpr DialogResource CountingTemplate(UINT id, const std::array<ControlResource, 23>& controls)
{
    return {id, nullptr, kFont, 9, kPage, 0, 0, 0, 342, 251, controls.data(), controls.size()};
}

const DialogResource dialogs[] = {
    CountingTemplate(IDD_FDOUT12, lift),
    {IDD_FDOUT13, nullptr, kFont, 9, kPage, 0, 0, 0, 352, 226, equipment.data(), equipment.size()},
    CountingTemplate(IDD_FDOUT14, structure),
    CountingTemplate(IDD_FDOUT15, structureLift),
};

const AfxResourceSet registration(dialogs, std::size(dialogs), nullptr, 0, nullptr, 0);
} // namespace
