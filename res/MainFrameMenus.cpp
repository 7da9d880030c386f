// The main frame's menus: 101 (and 102, the same, for the form views) while a document is open,
// 100 while none is.
#include "platform/wnd/Resources.h"

#include <iterator>

namespace {
const MenuItemResource newProperty[] = {
    {32786, u8"確認申請書", 0},
    {32787, u8"計画通知書", 0},
};

const MenuItemResource shortTexts[] = {
    {32776, u8"短文登録", 0},
    {32777, u8"短文貼付", 0},
    {32778, u8"短文編集", 0},
    {32779, u8"短文複写", 0},
};

const MenuItemResource file101[] = {
    {0, u8"新規物件作成", 0, newProperty, std::size(newProperty)},
    {32772, u8"物件選択", 0},
    {32788, u8"上書き保存(&S)\tCtrl+S", 0},
    {32773, u8"共通データの作成・編集", 0},
    {32774, u8"物件ﾃﾞｰﾀ編集", 0},
    {32780, u8"申請ＦＤ作成", 0},
    {32781, u8"申請書印刷", 0},
    {32782, u8"受付・確認番号入力", 0},
    {32783, u8"申請ＦＤの読込・保存", 0},
    {0, nullptr, MF_SEPARATOR},
    {57665, u8"ｱﾌﾟﾘｹｰｼｮﾝの終了(&X)", 0},
};

const MenuItemResource edit101[] = {
    {57643, u8"元に戻す(&U)\tCtrl+Z", 0}, {0, nullptr, MF_SEPARATOR},
    {57635, u8"切り取り(&T)\tCtrl+X", 0}, {57634, u8"ｺﾋﾟｰ(&C)\tCtrl+C", 0},
    {57637, u8"貼り付け(&P)\tCtrl+V", 0}, {32775, u8"削除", 0},
    {0, nullptr, MF_SEPARATOR},           {0, u8"短文", 0, shortTexts, std::size(shortTexts)},
};

const MenuItemResource help101[] = {
    {32790, u8"ヘルプ(&H)", 0},
    {57664, u8"ﾊﾞｰｼﾞｮﾝ情報(&A)...", 0},
};

const MenuItemResource menu101[] = {
    {0, u8"ﾌｧｲﾙ(&F)", 0, file101, std::size(file101)},
    {0, u8"編集(&E)", 0, edit101, std::size(edit101)},
    {0, u8"ﾍﾙﾌﾟ(&H)", 0, help101, std::size(help101)},
};

const MenuItemResource file100[] = {
    {0, u8"新規物件作成", 0, newProperty, std::size(newProperty)},
    {32772, u8"物件選択", 0},
    {32788, u8"上書き保存(&S)\tCtrl+S", MF_GRAYED},
    {32773, u8"共通ﾃﾞｰﾀの作成・編集", MF_GRAYED},
    {32774, u8"物件ﾃﾞｰﾀ編集", MF_GRAYED},
    {32780, u8"申請ＦＤ作成", MF_GRAYED},
    {32781, u8"申請書印刷", MF_GRAYED},
    {32782, u8"受付・確認番号入力", MF_GRAYED},
    {32783, u8"申請ＦＤの読込・保存", 0},
    {32771, u8"印刷プレビュー", 0},
    {0, nullptr, MF_SEPARATOR},
    {57665, u8"ｱﾌﾟﾘｹｰｼｮﾝの終了(&X)", 0},
};

const MenuItemResource edit100[] = {
    {57635, u8"切り取り(&T)\tCtrl+X", 0},
    {57634, u8"ｺﾋﾟｰ(&C)\tCtrl+C", 0},
    {57637, u8"貼り付け(&P)\tCtrl+V", 0},
    {32775, u8"削除", 0},
    {0, u8"短文", MF_GRAYED, shortTexts, std::size(shortTexts)},
};

const MenuItemResource help100[] = {
    {57664, u8"ﾊﾞｰｼﾞｮﾝ情報(&A)...", 0},
};

const MenuItemResource menu100[] = {
    {0, u8"ﾌｧｲﾙ(&F)", 0, file100, std::size(file100)},
    {0, u8"編集(&E)", 0, edit100, std::size(edit100)},
    {0, u8"ﾍﾙﾌﾟ(&H)", 0, help100, std::size(help100)},
};

const MenuResource menus[] = {
    {100, menu100, std::size(menu100)},
    {101, menu101, std::size(menu101)},
    // The form views' documents show the same menu as the first document's.
    {102, menu101, std::size(menu101)},
};

const AfxResourceSet registration(nullptr, 0, menus, std::size(menus), nullptr, 0);
} // namespace
