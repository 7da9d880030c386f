// The main frame's button panels: the top bar (118) and the left panels, one per screen. On a
// left panel the captions are read-only edits at the top and every other button is a push-like
// radio button, so that the chosen one stays pressed.
#include "platform/wnd/Resources.h"
#include "res/MainFrameIds.h"

#include <iterator>

namespace {
const char kFont[] = u8"ＭＳ Ｐゴシック";

constexpr DWORD kChoiceStyle = BS_AUTORADIOBUTTON | BS_PUSHLIKE | WS_TABSTOP | WS_VISIBLE;
constexpr DWORD kCaptionStyle = ES_READONLY | ES_CENTER | WS_BORDER | WS_VISIBLE;

constexpr ControlResource Choice(int id, const char* text, short y, short x = 5, short cx = 105, short cy = 20)
{
    return {id, ControlKind::Button, text, kChoiceStyle, 0, x, y, cx, cy};
}

constexpr ControlResource Caption(int id, short y, short x = 5, short cx = 105)
{
    return {id, ControlKind::Edit, nullptr, kCaptionStyle, 0, x, y, cx, 15};
}

constexpr ControlResource TopButton(int id, const char* text, short x, short y)
{
    return {id, ControlKind::Button, text, BS_PUSHBUTTON | WS_TABSTOP | WS_VISIBLE, 0, x, y, 55, 15};
}

const ControlResource mainMenuBar[] = {
    TopButton(IDC_TOP_COMMONDATA, u8"共通ﾃﾞｰﾀ", 5, 5),
    TopButton(IDC_TOP_SELECTBUKKEN, u8"物件選択", 65, 5),
    TopButton(IDC_TOP_BUKKENDATA, u8"物件ﾃﾞｰﾀ", 125, 5),
    TopButton(IDC_TOP_FDCREATE, u8"ＦＤ作成", 5, 25),
    TopButton(IDC_TOP_PRINT, u8"印刷", 65, 25),
    TopButton(IDC_TOP_MENUDISPLAY, u8"ﾒﾆｭｰ・表示", 125, 25),
    {IDC_STATIC, ControlKind::Static, u8"物　件　名　：", SS_LEFT | WS_VISIBLE, 0, 195, 8, 55, 10},
    {IDC_TOP_BUKKENNAME, ControlKind::Edit, nullptr, ES_READONLY | WS_BORDER | WS_VISIBLE, 0, 250, 5, 195, 15},
    {IDC_STATIC, ControlKind::Static, u8"作成日　：", SS_LEFT | WS_VISIBLE, 0, 195, 28, 55, 10},
    {IDC_TOP_SAKUSEIBI, ControlKind::Edit, nullptr, ES_READONLY | WS_BORDER | WS_VISIBLE, 0, 250, 25, 80, 15},
};

const ControlResource commonDataBar[] = {
    Caption(IDC_PANEL_CAPTION, 5),
    Choice(IDC_CM_SHINSEISHA, u8"申請者・届出者／通知者", 35),
    Choice(IDC_CM_KENCHIKUNUSHI, u8"建築主", 60),
    {IDC_CM_SEKKEISHA, ControlKind::Button, u8"代理者・設計者\n・工事監理者等", kChoiceStyle | BS_MULTILINE, 0, 5, 85,
     105, 30},
    Choice(IDC_CM_SETSUBISHA, u8"建築設備", 121),
    Choice(IDC_CM_SEKOUSHA, u8"施工者等", 147),
    Choice(IDC_CM_CHIMEICHIBAN, u8"住所・地名地番等", 171),
    Choice(IDC_CM_YANE, u8"屋根", 197),
    Choice(IDC_CM_GAIHEKI, u8"外壁・軒裏", 221),
    Choice(IDC_CM_TOKUTEIKOUTEI, u8"指定工程名", 247),
};

const ControlResource docTypeBar[] = {
    Caption(IDC_PANEL_CAPTION, 5),
    Choice(IDC_DOC_CONFIRM, u8"確認申請書", 35),
    Choice(IDC_DOC_INTERIM, u8"工事中間検査申請書", 60),
    Choice(IDC_DOC_COMPLETION, u8"工事完了検査申請書", 85),
    Choice(IDC_DOC_PLANCHANGE, u8"計画変更確認申請書", 110),
    Choice(IDC_DOC_OTHER, u8"その他の申請書・届出書", 135),
    Choice(IDC_FD_CONTENTS, u8"ＦＤ記録内容確認", 255),
};

// The controls that the object-kind panels 111, 112 and 126 share.
constexpr ControlResource kCaption = Caption(IDC_PANEL_CAPTION, 5);
constexpr ControlResource kSubCaption = Caption(IDC_PANEL_SUBCAPTION, 20);
constexpr ControlResource kBuilding = Choice(IDC_OBJ_BUILDING, u8"建築物", 50);
constexpr ControlResource kLift = Choice(IDC_OBJ_LIFT, u8"昇降機", 75);
constexpr ControlResource kEquip = Choice(IDC_OBJ_EQUIP, u8"昇降機以外の建築設備", 100);
constexpr ControlResource kStruct1 = Choice(IDC_OBJ_STRUCT1, u8"工作物（法８８条１項）", 125);
constexpr ControlResource kStrLift = Choice(IDC_OBJ_STRLIFT, u8"工作物の昇降機", 150);
constexpr ControlResource kStruct2 = Choice(IDC_OBJ_STRUCT2, u8"工作物（法８８条２項）", 175);
constexpr ControlResource kBack = Choice(IDC_BACK, u8"戻る", 255);

const ControlResource confirmKindBar[] = {
    kCaption, kSubCaption, Choice(IDC_OBJ_BUILDING_NOTIF, u8"建築物・建築工事届", 50),
    kLift,    kEquip,      kStruct1,
    kStrLift, kStruct2,    kBack};

const ControlResource completionKindBar[] = {
    kCaption, kSubCaption, kBuilding, kLift, kEquip, kStruct1, kStrLift, kStruct2, kBack,
};

const ControlResource otherFormsBar[] = {
    Caption(IDC_PANEL_CAPTION, 5, 4, 110),
    Caption(IDC_PANEL_SUBCAPTION, 20, 4, 110),
    Choice(IDC_OBJ_TEMPUSE_AGENCY, u8"仮使用承認（特定行政庁）", 50, 4, 110),
    Choice(IDC_OBJ_TEMPUSE_OFFICIAL, u8"仮使用承認（建築主事）", 75, 4, 110),
    Choice(IDC_OBJ_BUILDING_NOTIF, u8"建築工事届", 100, 4, 110),
    Choice(IDC_OBJ_DEMOLITION, u8"建築物除却届", 125, 4, 110),
    Choice(IDC_OBJ_SAFETY, u8"安全上の措置等に関する計画届", 150, 4, 110),
    Choice(IDC_BACK, u8"戻る", 255, 4, 110),
};

const ControlResource interimKindBar[] = {
    kCaption, kSubCaption, kBuilding, kLift, kEquip, kStruct1, kStrLift, kBack,
};

const ControlResource fdMenuBar[] = {
    Caption(IDC_PANEL_CAPTION, 5),
    Choice(IDC_FD_READ, u8"ＦＤ読込", 35),
    Choice(IDC_FD_NUMBER, u8"番号入力", 60),
};

template <size_t N>
constexpr DialogResource Panel(UINT id, DWORD style, short cx, short cy, const ControlResource (&controls)[N])
{
    return {id, nullptr, kFont, 9, static_cast<DWORD>(WS_CHILD | style), 0, 0, 0, cx, cy, controls, N};
}

const DialogResource dialogs[] = {
    Panel(IDD_MAINMENUBAR, WS_BORDER, 451, 52, mainMenuBar),
    Panel(IDD_COMMONDATABAR, 0, 117, 300, commonDataBar),
    Panel(IDD_DOCTYPEBAR, 0, 117, 306, docTypeBar),
    Panel(IDD_CONFIRMKINDBAR, 0, 117, 306, confirmKindBar),
    Panel(IDD_COMPLETIONKINDBAR, 0, 117, 306, completionKindBar),
    Panel(IDD_OTHERFORMSBAR, 0, 117, 306, otherFormsBar),
    Panel(IDD_FDMENUBAR, 0, 115, 257, fdMenuBar),
    Panel(IDD_INTERIMKINDBAR, 0, 115, 306, interimKindBar),
};

const AfxResourceSet registration(dialogs, std::size(dialogs), nullptr, 0, nullptr, 0);
} // namespace
