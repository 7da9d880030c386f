#include "tests/support/TestSupport.h"

#include "platform/wnd/Afxwin.h"

#include <string>

namespace {

// One line per item: its command (or "popup", "---"), its text, and "grey" when greyed.
void Dump(CMenu& menu, const std::string& indent, std::string& out)
{
    for (UINT i = 0; i < menu.GetMenuItemCount(); ++i) {
        UINT state = menu.GetMenuState(i, MF_BYPOSITION);
        CString text;
        menu.GetMenuString(i, text, MF_BYPOSITION);
        if (state & MF_SEPARATOR) {
            out += indent + "---\n";
            continue;
        }
        CMenu* popup = menu.GetSubMenu(static_cast<int>(i));
        out += indent + (popup ? std::string("popup") : std::to_string(menu.GetMenuItemID(static_cast<int>(i)))) + " " +
               text.Bytes() + ((state & MF_GRAYED) ? " grey" : "") + "\n";
        if (popup)
            Dump(*popup, indent + "  ", out);
    }
}

std::string DumpMenu(UINT id)
{
    CMenu menu;
    if (!menu.LoadMenu(id))
        return "missing";
    std::string out;
    Dump(menu, "", out);
    return out;
}

TEST(MainFrameMenus, Menu101IsShownWhileADocumentIsOpen)
{
    EXPECT_EQ(std::string("popup ﾌｧｲﾙ(&F)\n"
                          "  popup 新規物件作成\n"
                          "    32786 確認申請書\n"
                          "    32787 計画通知書\n"
                          "  32772 物件選択\n"
                          "  32788 上書き保存(&S)\tCtrl+S\n"
                          "  32773 共通データの作成・編集\n"
                          "  32774 物件ﾃﾞｰﾀ編集\n"
                          "  32780 申請ＦＤ作成\n"
                          "  32781 申請書印刷\n"
                          "  32782 受付・確認番号入力\n"
                          "  32783 申請ＦＤの読込・保存\n"
                          "  ---\n"
                          "  57665 ｱﾌﾟﾘｹｰｼｮﾝの終了(&X)\n"
                          "popup 編集(&E)\n"
                          "  57643 元に戻す(&U)\tCtrl+Z\n"
                          "  ---\n"
                          "  57635 切り取り(&T)\tCtrl+X\n"
                          "  57634 ｺﾋﾟｰ(&C)\tCtrl+C\n"
                          "  57637 貼り付け(&P)\tCtrl+V\n"
                          "  32775 削除\n"
                          "  ---\n"
                          "  popup 短文\n"
                          "    32776 短文登録\n"
                          "    32777 短文貼付\n"
                          "    32778 短文編集\n"
                          "    32779 短文複写\n"
                          "popup ﾍﾙﾌﾟ(&H)\n"
                          "  32790 ヘルプ(&H)\n"
                          "  57664 ﾊﾞｰｼﾞｮﾝ情報(&A)...\n"),
              DumpMenu(101));
}

TEST(MainFrameMenus, Menu100GreysWhatNeedsAPropertyAndHasNoUndo)
{
    EXPECT_EQ(std::string("popup ﾌｧｲﾙ(&F)\n"
                          "  popup 新規物件作成\n"
                          "    32786 確認申請書\n"
                          "    32787 計画通知書\n"
                          "  32772 物件選択\n"
                          "  32788 上書き保存(&S)\tCtrl+S grey\n"
                          "  32773 共通ﾃﾞｰﾀの作成・編集 grey\n"
                          "  32774 物件ﾃﾞｰﾀ編集 grey\n"
                          "  32780 申請ＦＤ作成 grey\n"
                          "  32781 申請書印刷 grey\n"
                          "  32782 受付・確認番号入力 grey\n"
                          "  32783 申請ＦＤの読込・保存\n"
                          "  32771 印刷プレビュー\n"
                          "  ---\n"
                          "  57665 ｱﾌﾟﾘｹｰｼｮﾝの終了(&X)\n"
                          "popup 編集(&E)\n"
                          "  57635 切り取り(&T)\tCtrl+X\n"
                          "  57634 ｺﾋﾟｰ(&C)\tCtrl+C\n"
                          "  57637 貼り付け(&P)\tCtrl+V\n"
                          "  32775 削除\n"
                          "  popup 短文 grey\n"
                          "    32776 短文登録\n"
                          "    32777 短文貼付\n"
                          "    32778 短文編集\n"
                          "    32779 短文複写\n"
                          "popup ﾍﾙﾌﾟ(&H)\n"
                          "  57664 ﾊﾞｰｼﾞｮﾝ情報(&A)...\n"),
              DumpMenu(100));
}

class DocumentStrings : public CMultiDocTemplate {
public:
    explicit DocumentStrings(UINT id) : CMultiDocTemplate(id, nullptr, nullptr, nullptr) {}
    CString Part(DocStringIndex index) const
    {
        CString text;
        GetDocString(text, index);
        return text;
    }
};

TEST(StringTable, OnlyTemplate101NamesANewFile)
{
    DocumentStrings neutral(101);
    DocumentStrings forms(102);
    EXPECT_EQ(CString(), neutral.Part(CDocTemplate::windowTitle));
    EXPECT_EQ(CString("ZnAppP"), neutral.Part(CDocTemplate::docName));
    EXPECT_EQ(CString("ZnAppP"), neutral.Part(CDocTemplate::fileNewName));
    EXPECT_EQ(CString("ZnAppPro.Document"), neutral.Part(CDocTemplate::regFileTypeId));
    EXPECT_EQ(CString("ZnAppP Document"), neutral.Part(CDocTemplate::regFileTypeName));
    EXPECT_EQ(CString("ZnAppP"), forms.Part(CDocTemplate::docName));
    EXPECT_EQ(CString(), forms.Part(CDocTemplate::fileNewName));
    EXPECT_EQ(CString("ZnAppPro.Document"), forms.Part(CDocTemplate::filterExt));
    EXPECT_EQ(CString("ZnAppP Document"), forms.Part(CDocTemplate::regFileTypeId));
}

TEST(StringTable, TheStatusBarIndicatorsAndTheHelpPrompt)
{
    const UINT ids[] = {59142, 59137, 59138, 59139, 32790};
    const char* texts[] = {"ｶﾅ", "CAP", "NUM", "SCRL", "HTMLを表示します"};
    for (size_t i = 0; i < std::size(ids); ++i) {
        CString text;
        EXPECT_TRUE(AfxLoadString(ids[i], text)) << ids[i];
        EXPECT_EQ(CString(texts[i]), text);
    }
}

} // namespace
