// The view templates of the floppy-output screens and of the application list. Titles sit at
// the top left; where a view switches between titles, they share one place.
#include "platform/wnd/Resources.h"
#include "res/FormViewIds.h"

#include <iterator>

namespace {
const char kFont[] = u8"ＭＳ Ｐゴシック";

constexpr ControlResource Title(int id, const char* text, bool visible = true)
{
    return {id, ControlKind::Static, text, static_cast<DWORD>(SS_LEFT | (visible ? WS_VISIBLE : 0)), 0, 10, 10, 250,
            12};
}

const ControlResource cafm11[] = {Title(IDC_TITLE_14021, u8"建築物・建築工事届"), Title(IDC_TITLE_14023, u8"建築物")};
const ControlResource cafm12[] = {Title(IDC_STATIC, u8"昇降機")};
const ControlResource cafm13[] = {Title(IDC_TITLE_14021, u8"昇降機以外の建築設備")};
const ControlResource cafm14[] = {Title(IDC_STATIC, u8"工作物（法88条１項）")};
const ControlResource cafm15[] = {Title(IDC_STATIC, u8"工作物の昇降機")};
const ControlResource cafm16[] = {Title(IDC_STATIC, u8"工作物（法88条２項）")};
const ControlResource cafm31[] = {Title(IDC_TITLE_14021, u8"建築物", false),
                                  Title(IDC_TITLE_14051, u8"工作物（法88条２項）", false)};
const ControlResource cafm32[] = {
    Title(IDC_TITLE_14023, u8"昇降機", false), Title(IDC_TITLE_14024, u8"昇降機以外の建築設備", false),
    Title(IDC_TITLE_14025, u8"工作物（法88条１項）", false), Title(IDC_TITLE_14026, u8"工作物の昇降機", false)};
const ControlResource cafm51[] = {Title(IDC_TITLE_14021, u8"仮使用承認申請書（特定行政庁）")};
const ControlResource cafm52[] = {Title(IDC_TITLE_14021, u8"仮使用承認申請書（建築主事）")};
const ControlResource cafm53[] = {Title(IDC_TITLE_14021, u8"建築物工事届")};
const ControlResource cafm54[] = {Title(IDC_TITLE_14021, u8"建築物除却届")};
const ControlResource cafm55[] = {Title(IDC_TITLE_14021, u8"安全上の措置等に関する計画届")};

template <size_t N> constexpr DialogResource View(UINT id, const ControlResource (&controls)[N])
{
    return {id, nullptr, kFont, 9, WS_CHILD, 0, 0, 0, 420, 320, controls, N};
}

const DialogResource dialogs[] = {
    View(IDD_FV_CAFM11, cafm11),
    View(IDD_FV_CAFM12, cafm12),
    View(IDD_FV_CAFM13, cafm13),
    View(IDD_FV_CAFM14, cafm14),
    View(IDD_FV_CAFM15, cafm15),
    View(IDD_FV_CAFM16, cafm16),
    View(IDD_FV_CAFM31, cafm31),
    View(IDD_FV_CAFM32, cafm32),
    View(IDD_FV_CAFM51, cafm51),
    View(IDD_FV_CAFM52, cafm52),
    View(IDD_FV_CAFM53, cafm53),
    View(IDD_FV_CAFM54, cafm54),
    View(IDD_FV_CAFM55, cafm55),
    // The application list's view holds nothing: its list is a page.
    {IDD_FV_CAHJ0100, nullptr, kFont, 9, WS_CHILD, 0, 0, 0, 420, 320, nullptr, 0},
};

const AfxResourceSet registration(dialogs, std::size(dialogs), nullptr, 0, nullptr, 0);
} // namespace
