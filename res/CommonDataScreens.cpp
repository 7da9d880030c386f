// The reference-data editors' view templates (empty: each view hosts its editor) and the editors'
// templates.
#include "platform/wnd/Resources.h"
#include "res/CommonDataIds.h"
#include "res/FormViewIds.h"

#include <iterator>

namespace {
const char kFont[] = u8"ＭＳ Ｐゴシック";

constexpr DialogResource View(UINT id, short cx, short cy)
{
    return {id, nullptr, kFont, 9, WS_CHILD, 0, 0, 0, cx, cy, nullptr, 0};
}

constexpr DWORD kEditor = WS_CHILD;
constexpr DWORD kButton = BS_PUSHBUTTON | WS_TABSTOP | WS_VISIBLE;
constexpr DWORD kLabel = SS_LEFT | WS_VISIBLE;
constexpr DWORD kEdit = ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP | WS_VISIBLE;
constexpr DWORD kMultiLine = ES_MULTILINE | ES_AUTOVSCROLL | WS_BORDER | WS_TABSTOP | WS_VISIBLE;
constexpr DWORD kPrefecture = CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP | WS_VISIBLE;
constexpr DWORD kList = LVS_REPORT | LVS_SINGLESEL | WS_BORDER | WS_TABSTOP | WS_VISIBLE;
constexpr DWORD kListShown = kList | LVS_SHOWSELALWAYS;

// The six mode buttons of every editor on the row at y: four from x on the left, two from right on.
#define CD_MODE_BUTTONS(x, right, y)                                                                                   \
    {IDC_CD_NEW, ControlKind::Button, u8"新規", kButton, 0, (x), (y), 30, 15},                                         \
        {IDC_CD_EDIT, ControlKind::Button, u8"編集", kButton, 0, (x) + 35, (y), 30, 15},                               \
        {IDC_CD_REGISTER, ControlKind::Button, u8"登録", kButton, 0, (x) + 70, (y), 30, 15},                           \
        {IDC_CD_CANCEL, ControlKind::Button, u8"ｷｬﾝｾﾙ", kButton, 0, (x) + 105, (y), 30, 15},                           \
        {IDC_CD_COPY, ControlKind::Button, u8"複写", kButton, 0, (right), (y), 30, 15},                                \
    {                                                                                                                  \
        IDC_CD_DELETE, ControlKind::Button, u8"削除", kButton, 0, (right) + 35, (y), 30, 15                            \
    }

const ControlResource shinseisha[] = {
    CD_MODE_BUTTONS(10, 225, 5),
    {IDC_CD_FURIGANA, ControlKind::Edit, nullptr, kMultiLine, 0, 58, 35, 232, 33},
    {IDC_CD_SHIMEI, ControlKind::Edit, nullptr, kMultiLine | ES_WANTRETURN, 0, 58, 71, 232, 24},
    {IDC_CD_COPY_TO_DIR, ControlKind::Button, u8"他ﾃﾞｨﾚｸﾄﾘへｺﾋﾟｰ", kButton, 0, 225, 105, 65, 15},
    {IDC_CD_LIST, ControlKind::ListView, nullptr, kListShown, 0, 10, 125, 280, 85},
    {IDC_STATIC, ControlKind::Static, u8"ﾌﾘｶﾞﾅ", kLabel, 0, 10, 41, 45, 10},
    {IDC_STATIC, ControlKind::Static, u8"（120 文字）", kLabel, 0, 10, 53, 45, 10},
    {IDC_STATIC, ControlKind::Static, u8"氏名", kLabel, 0, 10, 71, 45, 10},
    {IDC_STATIC, ControlKind::Static, u8"（60 文字）", kLabel, 0, 10, 83, 45, 10},
};

const ControlResource kenchikunushi[] = {
    CD_MODE_BUTTONS(10, 225, 5),
    {IDC_CD_FURIGANA, ControlKind::Edit, nullptr, kMultiLine, 0, 55, 35, 235, 33},
    {IDC_CD_SHIMEI, ControlKind::Edit, nullptr, kMultiLine, 0, 55, 70, 235, 21},
    {IDC_CD_YUUBIN1, ControlKind::Edit, nullptr, kEdit, 0, 55, 95, 20, 12},
    {IDC_CD_YUUBIN2, ControlKind::Edit, nullptr, kEdit, 0, 86, 95, 24, 12},
    {IDC_CD_TODOUFUKEN, ControlKind::ComboBox, nullptr, kPrefecture, 0, 55, 110, 55, 81},
    {IDC_CD_JUUSHO, ControlKind::Edit, nullptr, kMultiLine, 0, 55, 125, 235, 20},
    {IDC_CD_DENWA1, ControlKind::Edit, nullptr, kEdit, 0, 55, 150, 32, 12},
    {IDC_CD_DENWA2, ControlKind::Edit, nullptr, kEdit, 0, 98, 150, 24, 12},
    {IDC_CD_DENWA3, ControlKind::Edit, nullptr, kEdit, 0, 133, 150, 24, 12},
    {IDC_CD_COPY_TO_DIR, ControlKind::Button, u8"他ﾃﾞｨﾚｸﾄﾘへｺﾋﾟｰ", kButton, 0, 225, 155, 65, 15},
    {IDC_CD_LIST, ControlKind::ListView, nullptr, kList, 0, 10, 175, 280, 85},
    {IDC_STATIC, ControlKind::Static, u8"ﾌﾘｶﾞﾅ", kLabel, 0, 10, 41, 44, 10},
    {IDC_STATIC, ControlKind::Static, u8"（120 文字）", kLabel, 0, 10, 53, 44, 10},
    {IDC_STATIC, ControlKind::Static, u8"氏名・官庁名", kLabel, 0, 10, 71, 44, 10},
    {IDC_STATIC, ControlKind::Static, u8"（60 文字）", kLabel, 0, 10, 83, 44, 10},
    {IDC_STATIC, ControlKind::Static, u8"郵便番号", kLabel, 0, 10, 95, 44, 10},
    {IDC_STATIC, ControlKind::Static, u8"-", kLabel, 0, 77, 95, 8, 10},
    {IDC_STATIC, ControlKind::Static, u8"住所", kLabel, 0, 10, 110, 44, 10},
    {IDC_STATIC, ControlKind::Static, u8"（40 文字）", kLabel, 0, 10, 135, 44, 10},
    {IDC_STATIC, ControlKind::Static, u8"電話番号", kLabel, 0, 10, 150, 44, 10},
    {IDC_STATIC, ControlKind::Static, u8"-", kLabel, 0, 89, 150, 8, 10},
    {IDC_STATIC, ControlKind::Static, u8"-", kLabel, 0, 123, 150, 8, 10},
};

// The code lists are drop-down lists as the prefecture's is.
constexpr DWORD kCodeList = kPrefecture;

const ControlResource sekkeisha[] = {
    CD_MODE_BUTTONS(10, 225, 5),
    {IDC_CD_KENCHIKUSHI_SHIKAKU, ControlKind::ComboBox, nullptr, kCodeList, 0, 55, 35, 60, 81},
    {IDC_CD_KENCHIKUSHI_SHUBETSU, ControlKind::ComboBox, nullptr, kCodeList, 0, 55, 50, 70, 81},
    {IDC_CD_KENCHIKUSHI_BANGOU, ControlKind::Edit, nullptr, kEdit, 0, 55, 65, 134, 12},
    {IDC_CD_SEKKEISHA_SHIMEI, ControlKind::Edit, nullptr, kEdit, 0, 55, 80, 235, 12},
    {IDC_CD_JIMUSHO_SHIKAKU, ControlKind::ComboBox, nullptr, kCodeList, 0, 55, 105, 110, 81},
    {IDC_CD_JIMUSHO_SHUBETSU, ControlKind::ComboBox, nullptr, kCodeList, 0, 55, 120, 70, 81},
    {IDC_CD_JIMUSHO_BANGOU, ControlKind::Edit, nullptr, kEdit, 0, 55, 135, 134, 12},
    {IDC_CD_MEISHOU, ControlKind::Edit, nullptr, kEdit, 0, 55, 150, 235, 12},
    {IDC_CD_YUUBIN1, ControlKind::Edit, nullptr, kEdit, 0, 55, 175, 20, 12},
    {IDC_CD_YUUBIN2, ControlKind::Edit, nullptr, kEdit, 0, 85, 175, 24, 12},
    {IDC_CD_TODOUFUKEN, ControlKind::ComboBox, nullptr, kPrefecture, 0, 55, 190, 55, 81},
    {IDC_CD_JUUSHO, ControlKind::Edit, nullptr, kMultiLine, 0, 55, 205, 235, 20},
    {IDC_CD_DENWA1, ControlKind::Edit, nullptr, kEdit, 0, 55, 230, 32, 12},
    {IDC_CD_DENWA2, ControlKind::Edit, nullptr, kEdit, 0, 98, 230, 23, 12},
    {IDC_CD_DENWA3, ControlKind::Edit, nullptr, kEdit, 0, 130, 230, 24, 12},
    {IDC_CD_COPY_TO_DIR, ControlKind::Button, u8"他ﾃﾞｨﾚｸﾄﾘへｺﾋﾟｰ", kButton, 0, 225, 230, 65, 15},
    {IDC_CD_SEKKEISHA_LIST, ControlKind::ListView, nullptr, kList, 0, 10, 250, 280, 85},
    {IDC_STATIC, ControlKind::Static, u8"建築士資格", kLabel, 0, 10, 35, 44, 10},
    {IDC_STATIC, ControlKind::Static, u8"登録種別", kLabel, 0, 10, 50, 44, 10},
    {IDC_STATIC, ControlKind::Static, u8"登録番号", kLabel, 0, 10, 65, 30, 10},
    {IDC_STATIC, ControlKind::Static, u8"第", kLabel, 0, 41, 65, 10, 10},
    {IDC_STATIC, ControlKind::Static, u8"号", kLabel, 0, 196, 65, 10, 10},
    {IDC_STATIC, ControlKind::Static, u8"氏名", kLabel, 0, 10, 80, 44, 10},
    {IDC_STATIC, ControlKind::Static, u8"（30 文字）", kLabel, 0, 10, 92, 44, 10},
    {IDC_STATIC, ControlKind::Static, u8"事務所資格", kLabel, 0, 10, 105, 44, 10},
    {IDC_STATIC, ControlKind::Static, u8"登録種別", kLabel, 0, 10, 120, 44, 10},
    {IDC_STATIC, ControlKind::Static, u8"登録番号", kLabel, 0, 10, 135, 30, 10},
    {IDC_STATIC, ControlKind::Static, u8"第", kLabel, 0, 41, 135, 10, 10},
    {IDC_STATIC, ControlKind::Static, u8"号", kLabel, 0, 196, 134, 10, 10},
    {IDC_STATIC, ControlKind::Static, u8"名称", kLabel, 0, 10, 150, 44, 10},
    {IDC_STATIC, ControlKind::Static, u8"（30 文字）", kLabel, 0, 10, 161, 44, 10},
    {IDC_STATIC, ControlKind::Static, u8"郵便番号", kLabel, 0, 10, 175, 44, 10},
    {IDC_STATIC, ControlKind::Static, u8"-", kLabel, 0, 77, 175, 8, 10},
    {IDC_STATIC, ControlKind::Static, u8"所在地", kLabel, 0, 10, 190, 44, 10},
    {IDC_STATIC, ControlKind::Static, u8"（40 文字）", kLabel, 0, 10, 215, 44, 10},
    {IDC_STATIC, ControlKind::Static, u8"電話番号", kLabel, 0, 10, 230, 44, 10},
    {IDC_STATIC, ControlKind::Static, u8"-", kLabel, 0, 89, 230, 8, 10},
    {IDC_STATIC, ControlKind::Static, u8"-", kLabel, 0, 122, 230, 8, 10},
};

const ControlResource setsubisha[] = {
    CD_MODE_BUTTONS(10, 225, 5),
    {IDC_CD_SHIMEI, ControlKind::Edit, nullptr, kEdit, 0, 55, 35, 235, 12},
    {IDC_CD_TOUROKU_BANGOU, ControlKind::Edit, nullptr, kEdit, 0, 55, 56, 234, 12},
    {IDC_CD_KINMUSAKI, ControlKind::Edit, nullptr, kEdit, 0, 55, 71, 235, 12},
    {IDC_CD_YUUBIN1, ControlKind::Edit, nullptr, kEdit, 0, 55, 97, 20, 12},
    {IDC_CD_YUUBIN2, ControlKind::Edit, nullptr, kEdit, 0, 85, 97, 24, 12},
    {IDC_CD_TODOUFUKEN, ControlKind::ComboBox, nullptr, kPrefecture, 0, 55, 112, 55, 81},
    {IDC_CD_JUUSHO, ControlKind::Edit, nullptr, kMultiLine, 0, 55, 127, 235, 20},
    {IDC_CD_DENWA1, ControlKind::Edit, nullptr, kEdit, 0, 55, 152, 32, 12},
    {IDC_CD_DENWA2, ControlKind::Edit, nullptr, kEdit, 0, 98, 152, 24, 12},
    {IDC_CD_DENWA3, ControlKind::Edit, nullptr, kEdit, 0, 132, 152, 24, 12},
    {IDC_CD_COPY_TO_DIR, ControlKind::Button, u8"他ﾃﾞｨﾚｸﾄﾘへｺﾋﾟｰ", kButton, 0, 225, 157, 65, 15},
    {IDC_CD_LIST, ControlKind::ListView, nullptr, kList, 0, 10, 177, 280, 85},
    {IDC_STATIC, ControlKind::Static, u8"氏名", kLabel, 0, 10, 35, 44, 10},
    {IDC_STATIC, ControlKind::Static, u8"（30 文字）", kLabel, 0, 10, 47, 44, 10},
    {IDC_STATIC, ControlKind::Static, u8"登録番号", kLabel, 0, 10, 57, 44, 10},
    {IDC_STATIC, ControlKind::Static, u8"勤務先", kLabel, 0, 10, 71, 44, 10},
    {IDC_STATIC, ControlKind::Static, u8"（30 文字）", kLabel, 0, 10, 83, 44, 10},
    {IDC_STATIC, ControlKind::Static, u8"郵便番号", kLabel, 0, 10, 97, 44, 10},
    {IDC_STATIC, ControlKind::Static, u8"-", kLabel, 0, 77, 97, 8, 10},
    {IDC_STATIC, ControlKind::Static, u8"所在地", kLabel, 0, 10, 112, 44, 10},
    {IDC_STATIC, ControlKind::Static, u8"（40 文字）", kLabel, 0, 10, 137, 44, 10},
    {IDC_STATIC, ControlKind::Static, u8"電話番号", kLabel, 0, 10, 152, 44, 10},
    {IDC_STATIC, ControlKind::Static, u8"-", kLabel, 0, 89, 152, 8, 10},
    {IDC_STATIC, ControlKind::Static, u8"-", kLabel, 0, 123, 152, 8, 10},
};

const ControlResource sekousha[] = {
    CD_MODE_BUTTONS(10, 225, 5),
    {IDC_CD_SEKKEISHA_SHIMEI, ControlKind::Edit, nullptr, kEdit, 0, 65, 35, 234, 12},
    {IDC_CD_KYOKA_SHUBETSU, ControlKind::ComboBox, nullptr, kCodeList, 0, 65, 60, 70, 81},
    {IDC_CD_TOUROKU_BANGOU, ControlKind::Edit, nullptr, kEdit, 0, 65, 75, 234, 12},
    {IDC_CD_MEISHOU, ControlKind::Edit, nullptr, kEdit, 0, 65, 90, 234, 12},
    {IDC_CD_YUUBIN1, ControlKind::Edit, nullptr, kEdit, 0, 65, 115, 20, 12},
    {IDC_CD_YUUBIN2, ControlKind::Edit, nullptr, kEdit, 0, 95, 115, 24, 12},
    {IDC_CD_TODOUFUKEN, ControlKind::ComboBox, nullptr, kPrefecture, 0, 65, 130, 55, 81},
    {IDC_CD_JUUSHO, ControlKind::Edit, nullptr, kMultiLine, 0, 65, 145, 234, 20},
    {IDC_CD_DENWA1, ControlKind::Edit, nullptr, kEdit, 0, 65, 170, 32, 12},
    {IDC_CD_DENWA2, ControlKind::Edit, nullptr, kEdit, 0, 107, 170, 24, 12},
    {IDC_CD_DENWA3, ControlKind::Edit, nullptr, kEdit, 0, 141, 170, 24, 12},
    {IDC_CD_COPY_TO_DIR, ControlKind::Button, u8"他ﾃﾞｨﾚｸﾄﾘへｺﾋﾟｰ", kButton, 0, 225, 175, 65, 15},
    {IDC_CD_SEKKEISHA_LIST, ControlKind::ListView, nullptr, kListShown, 0, 10, 195, 289, 85},
    {IDC_STATIC, ControlKind::Static, u8"氏名", kLabel, 0, 10, 35, 54, 10},
    {IDC_STATIC, ControlKind::Static, u8"（30 文字）", kLabel, 0, 10, 47, 54, 10},
    {IDC_STATIC, ControlKind::Static, u8"建設業許可種別", kLabel, 0, 10, 60, 54, 10},
    {IDC_STATIC, ControlKind::Static, u8"登録番号", kLabel, 0, 10, 75, 54, 10},
    {IDC_STATIC, ControlKind::Static, u8"名称", kLabel, 0, 10, 90, 54, 10},
    {IDC_STATIC, ControlKind::Static, u8"（30 文字）", kLabel, 0, 10, 102, 54, 10},
    {IDC_STATIC, ControlKind::Static, u8"郵便番号", kLabel, 0, 10, 115, 54, 10},
    {IDC_STATIC, ControlKind::Static, u8"-", kLabel, 0, 86, 115, 8, 10},
    {IDC_STATIC, ControlKind::Static, u8"所在地", kLabel, 0, 10, 130, 54, 10},
    {IDC_STATIC, ControlKind::Static, u8"（40 文字）", kLabel, 0, 10, 155, 54, 10},
    {IDC_STATIC, ControlKind::Static, u8"電話番号", kLabel, 0, 10, 170, 54, 10},
    {IDC_STATIC, ControlKind::Static, u8"-", kLabel, 0, 99, 170, 8, 10},
    {IDC_STATIC, ControlKind::Static, u8"-", kLabel, 0, 132, 170, 8, 10},
};

const ControlResource chimeiChiban[] = {
    CD_MODE_BUTTONS(10, 225, 5),
    {IDC_CD_YUUBIN1, ControlKind::Edit, nullptr, kEdit, 0, 45, 35, 20, 12},
    {IDC_CD_YUUBIN2, ControlKind::Edit, nullptr, kEdit, 0, 75, 35, 24, 12},
    {IDC_CD_TODOUFUKEN, ControlKind::ComboBox, nullptr, kPrefecture, 0, 45, 50, 55, 81},
    {IDC_CD_JUUSHO, ControlKind::Edit, nullptr, kMultiLine, 0, 45, 65, 245, 20},
    {IDC_CD_COPY_TO_DIR, ControlKind::Button, u8"他ﾃﾞｨﾚｸﾄﾘへｺﾋﾟｰ", kButton, 0, 225, 95, 65, 15},
    {IDC_CD_LIST, ControlKind::ListView, nullptr, kListShown, 0, 10, 115, 280, 85},
    {IDC_STATIC, ControlKind::Static, u8"郵便番号", kLabel, 0, 10, 35, 34, 10},
    {IDC_STATIC, ControlKind::Static, u8"-", kLabel, 0, 66, 35, 8, 10},
    {IDC_STATIC, ControlKind::Static, u8"住所", kLabel, 0, 10, 50, 34, 10},
    {IDC_STATIC, ControlKind::Static, u8"（40 文字）", kLabel, 0, 10, 75, 34, 10},
};

constexpr DWORD kPhraseList = kListShown | LVS_NOLABELWRAP;

const ControlResource yane[] = {
    CD_MODE_BUTTONS(10, 225, 5),
    {IDC_STATIC, ControlKind::Static, u8"屋根", kLabel, 0, 10, 36, 28, 12},
    {IDC_STATIC, ControlKind::Static, u8"（40 文字）", kLabel, 0, 10, 47, 36, 9},
    {IDC_CD_YANE, ControlKind::Edit, nullptr, kMultiLine, 0, 58, 35, 232, 21},
    {IDC_CD_COPY_TO_DIR, ControlKind::Button, u8"他ﾃﾞｨﾚｸﾄﾘへｺﾋﾟｰ", kButton, 0, 225, 70, 65, 15},
    {IDC_CD_YANE_LIST, ControlKind::ListView, nullptr, kPhraseList, 0, 10, 90, 280, 85},
};

const ControlResource gaiheki[] = {
    CD_MODE_BUTTONS(10, 225, 5),
    {IDC_STATIC, ControlKind::Static, u8"外壁・軒裏", kLabel, 0, 10, 36, 36, 12},
    {IDC_STATIC, ControlKind::Static, u8"（40 文字）", kLabel, 0, 10, 47, 36, 9},
    {IDC_CD_GAIHEKI, ControlKind::Edit, nullptr, kMultiLine, 0, 58, 35, 232, 21},
    {IDC_CD_COPY_TO_DIR, ControlKind::Button, u8"他ﾃﾞｨﾚｸﾄﾘへｺﾋﾟｰ", kButton, 0, 225, 70, 65, 15},
    {IDC_CD_GAIHEKI_LIST, ControlKind::ListView, nullptr, kPhraseList, 0, 10, 90, 280, 85},
};

const ControlResource tokuteiKoutei[] = {
    CD_MODE_BUTTONS(12, 237, 8),
    {IDC_STATIC, ControlKind::Static, u8"特定工程名", kLabel, 0, 10, 36, 54, 12},
    {IDC_STATIC, ControlKind::Static, u8"（40 文字）", kLabel, 0, 10, 47, 36, 9},
    {IDC_CD_TOKUTEIKOUTEI, ControlKind::Edit, nullptr, kMultiLine, 0, 67, 35, 234, 24},
    {IDC_CD_COPY_TO_DIR, ControlKind::Button, u8"他ﾃﾞｨﾚｸﾄﾘへｺﾋﾟｰ", kButton, 0, 237, 67, 65, 15},
    {IDC_CD_TOKUTEIKOUTEI_LIST, ControlKind::ListView, nullptr, kPhraseList, 0, 10, 90, 292, 85},
};

#undef CD_MODE_BUTTONS

constexpr DialogResource Editor(UINT id, short cx, short cy, const ControlResource* controls, size_t count)
{
    return {id, nullptr, kFont, 9, kEditor, 0, 0, 0, cx, cy, controls, count};
}

const DialogResource dialogs[] = {
    Editor(IDD_CM_SHINSEISHA, 302, 221, shinseisha, std::size(shinseisha)),
    Editor(IDD_CM_KENCHIKUNUSHI, 302, 266, kenchikunushi, std::size(kenchikunushi)),
    Editor(IDD_CM_SEKKEISHA, 302, 341, sekkeisha, std::size(sekkeisha)),
    Editor(IDD_CM_SETSUBISHA, 302, 278, setsubisha, std::size(setsubisha)),
    Editor(IDD_CM_SEKOUSHA, 306, 286, sekousha, std::size(sekousha)),
    Editor(IDD_CM_CHIMEICHIBAN, 302, 206, chimeiChiban, std::size(chimeiChiban)),
    Editor(IDD_CM_YANE, 302, 186, yane, std::size(yane)),
    Editor(IDD_CM_GAIHEKI, 302, 186, gaiheki, std::size(gaiheki)),
    Editor(IDD_CM_TOKUTEIKOUTEI, 309, 186, tokuteiKoutei, std::size(tokuteiKoutei)),
    View(IDD_FV_CACM01, 300, 201),
    View(IDD_FV_CACM02, 300, 266),
    View(IDD_FV_CACM03, 300, 341),
    View(IDD_FV_CACM04, 300, 251),
    View(IDD_FV_CACM05, 307, 281),
    View(IDD_FV_CACM06, 300, 181),
    View(IDD_FV_CACM07, 300, 166),
    View(IDD_FV_CACM08, 300, 166),
    View(IDD_FV_CACM09, 308, 166),
};

const AfxResourceSet registration(dialogs, std::size(dialogs), nullptr, 0, nullptr, 0);
} // namespace
