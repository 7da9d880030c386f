// The floppy-output pages of the lift (6610), building-equipment (6628), structure (6631) and
// structure-lift (6632) applications: the output row, the application date and reception number
// under the row title, the count of further lifts or structures, and the document list.
#include "platform/wnd/Resources.h"
#include "res/FloppyOutputIds.h"
#include "res/FloppyOutputStyles.h"
#include "res/FormViewIds.h"

#include <array>
#include <iterator>

namespace {
using namespace fdstyle;

constexpr DWORD kCountEdit = kReadOnlyEdit | ES_RIGHT;

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
