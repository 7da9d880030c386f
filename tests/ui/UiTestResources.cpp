#include "tests/ui/UiTestResources.h"

#include "platform/wnd/Resources.h"

#include <iterator>

namespace {
const char* const kinds[] = {u8"確認", u8"計画変更", u8"中間検査", nullptr};

const ControlResource applicantControls[] = {
    {IDC_APPLICANT_LABEL, ControlKind::Static, u8"申請者", SS_LEFT | WS_VISIBLE, 0, 7, 9, 40, 8},
    {IDC_APPLICANT_NAME, ControlKind::Edit, nullptr, ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP | WS_VISIBLE, 0, 50, 7, 95,
     14},
    {IDC_STATIC, ControlKind::Static, u8"種別", SS_LEFT | WS_VISIBLE, 0, 7, 27, 40, 8},
    {IDC_APPLICANT_KIND, ControlKind::ComboBox, nullptr, CBS_DROPDOWNLIST | WS_TABSTOP | WS_VISIBLE, 0, 50, 25, 80, 60,
     kinds},
    {IDC_APPLICANT_AGREE, ControlKind::Button, u8"内容を確認しました", BS_AUTOCHECKBOX | WS_TABSTOP | WS_VISIBLE, 0, 50,
     44, 120, 10},
    {IDC_APPLICANT_LIST, ControlKind::ListView, nullptr,
     LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | WS_BORDER | WS_TABSTOP | WS_VISIBLE, 0, 7, 60, 186, 60},
    {IDC_APPLICANT_ADD, ControlKind::Button, u8"追加", BS_PUSHBUTTON | WS_TABSTOP | WS_VISIBLE, 0, 150, 7, 43, 14},
    {IDC_APPLICANT_BROWSE, ControlKind::Button, u8"参照", BS_PUSHBUTTON | WS_TABSTOP | WS_VISIBLE, 0, 150, 25, 43, 14},
    {IDC_APPLICANT_PLACE, ControlKind::ComboBox, nullptr, CBS_DROPDOWN | WS_TABSTOP | WS_VISIBLE, 0, 7, 128, 78, 60,
     kinds},
    {IDOK, ControlKind::Button, u8"ＯＫ", BS_DEFPUSHBUTTON | WS_TABSTOP | WS_VISIBLE, 0, 90, 128, 50, 14},
    {IDCANCEL, ControlKind::Button, u8"ｷｬﾝｾﾙ", BS_PUSHBUTTON | WS_TABSTOP | WS_VISIBLE, 0, 143, 128, 50, 14},
};

const ControlResource noticeControls[] = {
    {IDC_NOTICE_TEXT, ControlKind::Static, u8"移行データを作成しています。", SS_LEFT | WS_VISIBLE, 0, 7, 7, 140, 8},
    {IDCANCEL, ControlKind::Button, u8"閉じる", BS_PUSHBUTTON | WS_TABSTOP | WS_VISIBLE, 0, 97, 22, 50, 14},
};

const DialogResource dialogs[] = {
    {IDD_APPLICANT, u8"申請者の入力", u8"ＭＳ Ｐゴシック", 9, DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU, 0, 0,
     0, 200, 150, applicantControls, std::size(applicantControls)},
    {IDD_NOTICE, u8"お知らせ", u8"ＭＳ Ｐゴシック", 9, WS_POPUP | WS_CAPTION, 0, 0, 0, 154, 43, noticeControls,
     std::size(noticeControls)},
    {IDD_EDITOR_HOST, u8"共通データ", u8"ＭＳ Ｐゴシック", 9, WS_POPUP | WS_CAPTION, 0, 0, 0, 315, 270, nullptr, 0},
    {IDD_MODAL_EDITOR_HOST, u8"共通データ", u8"ＭＳ Ｐゴシック", 9, DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU,
     0, 0, 0, 330, 345, nullptr, 0},
    {IDD_FDOUT_PAGE_HOST, u8"ＦＤ出力", u8"ＭＳ Ｐゴシック", 9, DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU, 0,
     0, 0, 380, 280, nullptr, 0},
};

const AfxResourceSet registration(dialogs, std::size(dialogs), nullptr, 0, nullptr, 0);
} // namespace
