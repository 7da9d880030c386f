// The short-text dialogs: the registration notice, the paste and edit dialogs with their phrase
// lists, the deletion question and the copy to another folder.
#include "platform/wnd/Resources.h"
#include "res/MainFrameIds.h"
#include "res/ShortTextIds.h"

#include <iterator>

namespace {
const char kFont[] = u8"ＭＳ Ｐゴシック";
constexpr DWORD kModal = DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU;
constexpr DWORD kButton = BS_PUSHBUTTON | WS_TABSTOP | WS_VISIBLE;
constexpr DWORD kDefaultButton = BS_DEFPUSHBUTTON | WS_TABSTOP | WS_VISIBLE;
constexpr DWORD kLabel = SS_LEFT | WS_VISIBLE;
constexpr DWORD kPhraseList = LVS_SINGLESEL | LVS_SHOWSELALWAYS | WS_BORDER | WS_TABSTOP | WS_VISIBLE;

const ControlResource registered[] = {
    {IDC_STATIC, ControlKind::Static, u8"短文を登録しました。", kLabel, 0, 10, 10, 70, 15},
    {IDOK, ControlKind::Button, u8"OK", kDefaultButton, 0, 10, 30, 70, 14},
};

const ControlResource paste[] = {
    {IDC_STATIC, ControlKind::Static, u8"短文一覧", kLabel, 0, 10, 5, 35, 10},
    {IDC_TB_PASTE_LIST, ControlKind::ListView, nullptr, LVS_REPORT | LVS_NOCOLUMNHEADER | kPhraseList, 0, 10, 20, 305,
     155},
    {IDC_TB_PASTE, ControlKind::Button, u8"貼付", kDefaultButton, 0, 210, 185, 50, 14},
    {IDCANCEL, ControlKind::Button, u8"閉じる", kButton, 0, 265, 185, 50, 14},
};

const ControlResource edit[] = {
    {IDC_TB_NEW, ControlKind::Button, u8"新規", kButton, 0, 10, 10, 50, 15},
    {IDC_TB_CHANGE, ControlKind::Button, u8"修正", kButton, 0, 65, 10, 50, 15},
    {IDC_TB_DELETE, ControlKind::Button, u8"削除", kButton, 0, 120, 10, 50, 15},
    {IDC_TB_REGISTER, ControlKind::Button, u8"登録", kButton, 0, 235, 10, 50, 15},
    {IDC_TB_CANCEL, ControlKind::Button, u8"ｷｬﾝｾﾙ", kButton, 0, 290, 10, 50, 15},
    {IDC_STATIC, ControlKind::Static, u8"短文一覧", kLabel, 0, 10, 45, 30, 15},
    {IDC_STATIC, ControlKind::Static, u8"編集：", kLabel, 0, 10, 65, 25, 15},
    {IDC_TB_EDIT, ControlKind::Edit, nullptr, ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP | WS_VISIBLE, 0, 35, 65, 305, 15},
    {IDC_TB_EDIT_LIST, ControlKind::ListView, nullptr, LVS_LIST | kPhraseList, 0, 10, 95, 330, 150},
    {IDOK, ControlKind::Button, u8"閉じる", kDefaultButton, 0, 290, 255, 50, 15},
};

const ControlResource deletion[] = {
    {IDC_STATIC, ControlKind::Static, u8"短文を削除します。", kLabel, 0, 37, 10, 80, 10},
    {IDC_STATIC, ControlKind::Static, u8"よろしいですか。", kLabel, 0, 37, 30, 80, 10},
    {IDOK, ControlKind::Button, u8"OK", kDefaultButton, 0, 10, 60, 50, 14},
    {IDCANCEL, ControlKind::Button, u8"ｷｬﾝｾﾙ", kButton, 0, 65, 60, 50, 14},
};

const ControlResource copy[] = {
    {IDC_STATIC, ControlKind::Static, u8"コピー先：", kLabel, 0, 10, 10, 35, 15},
    {IDC_TB_SELECT, ControlKind::Button, u8"選択", kButton, 0, 10, 35, 45, 15},
    {IDC_TB_FOLDER, ControlKind::Edit, nullptr, ES_READONLY | ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP | WS_VISIBLE, 0,
     60, 35, 310, 15},
    {IDOK, ControlKind::Button, u8"OK", kDefaultButton, 0, 265, 60, 50, 14},
    {IDCANCEL, ControlKind::Button, u8"ｷｬﾝｾﾙ", kButton, 0, 320, 60, 50, 14},
};

const DialogResource dialogs[] = {
    {IDD_TANBUN_REGIST, u8"■短文登録", kFont, 9, kModal, 0, 0, 0, 89, 55, registered, std::size(registered)},
    {IDD_TANBUN_PASTE, u8"■短文貼付", kFont, 9, kModal, 0, 0, 0, 323, 209, paste, std::size(paste)},
    {IDD_TANBUN_EDIT, u8"■短文編集", kFont, 9, kModal, 0, 0, 0, 349, 279, edit, std::size(edit)},
    {IDD_TANBUN_DELETE, u8"■短文の削除", kFont, 9, kModal, 0, 0, 0, 123, 79, deletion, std::size(deletion)},
    {IDD_TANBUN_COPY, u8"■短文複写", kFont, 9, kModal, 0, 0, 0, 379, 85, copy, std::size(copy)},
};

const AfxResourceSet registration(dialogs, std::size(dialogs), nullptr, 0, nullptr, 0);
} // namespace
