#include "tests/storage/AppDatabaseFixture.h"
#include "tests/support/ShellTestSupport.h"

#include "app/ZnDlgAppBukkenDetail.h"
#include "app/ZnDlgAppSelectObjDialog.h"
#include "platform/core/Cp932.h"
#include "platform/database/CDaoDatabase.h"
#include "platform/wnd/Afxwin.h"
#include "platform/wnd/Resources.h"
#include "platform/wnd/UserInput.h"
#include "res/MainFrameIds.h"
#include "storage/AppDatabaseSchemas.h"

#include <filesystem>

using testsupport::ReadFileBytes;
using testsupport::WriteFileBytes;

namespace {

// Two properties of the same name (the first row decides) and the documents of the first: a
// building confirmation of both spellings with a concurrent application, a second one, numbers
// present or not; document 4 has no file.
std::string Rows(const std::string& folder)
{
    return u8"INSERT INTO AppBukkenKanriTbl VALUES (5, '南町の家', '2010-09-03 00:00:00', 3, 0, '" + folder +
           u8"', NULL);\n"
           u8"INSERT INTO AppBukkenKanriTbl VALUES (8, '南町の家', '2011-01-20 00:00:00', 3, 0, 'X', NULL);\n"
           u8"INSERT INTO AppBukkenKanriTbl VALUES (9, '空き家', '2012-05-06 00:00:00', 3, 0, 'X', NULL);\n"
           u8"INSERT INTO AppBukkenShousaiTbl VALUES (1, 5, '確認申請書（建築物）', 1, 1, 1, "
           u8"'2010-09-03 10:00:00', 'U1', 'Z1', 'G1', 'doc001.110', NULL);\n"
           u8"INSERT INTO AppBukkenShousaiTbl VALUES (2, 5, '確認申請（建築物）', 1, 1, 2, "
           u8"'2010-10-04 00:00:00', 'U2', '', 'G2', 'doc002.110', NULL);\n"
           u8"INSERT INTO AppBukkenShousaiTbl VALUES (3, 5, '中間検査申請書', 3, 1, 1, "
           u8"'2011-11-05 00:00:00', '', '', '', 'doc003.300', NULL);\n"
           u8"INSERT INTO AppBukkenShousaiTbl VALUES (4, 5, '確認申請書（建築設備）', 2, 0, 3, "
           u8"'2012-12-06 00:00:00', 'U4', 'Z4', '', 'doc004.120', NULL);\n"
           u8"INSERT INTO AppBukkenShousaiTbl VALUES (1, 8, '別の物件の書類', 1, 0, 1, "
           u8"'2012-12-06 00:00:00', '', '', '', 'x.110', NULL);\n";
}

CString TextOf(CWnd& dialog, int id)
{
    CString text;
    dialog.GetDlgItemText(id, text);
    return text;
}

// Each row of the list: its columns and item data joined by "|", UTF-8.
std::vector<std::string> ListRows(CListCtrl& list)
{
    std::vector<std::string> rows;
    for (int i = 0; i < list.GetItemCount(); ++i) {
        std::string row;
        for (int column = 0; column < 4; ++column)
            row += cp932::ToUtf8(list.GetItemText(i, column).Bytes()) + "|";
        rows.push_back(row + std::to_string(list.GetItemData(i)));
    }
    return rows;
}

const std::vector<std::string> kAllDocuments = {
    u8"確認申請書（建築設備） 3回目|2012/12/6|U4|Z4|4",
    u8"中間検査申請書|2011/11/5|||3",
    u8"確認申請（建築物） 併願アリ 2回目|2010/10/4|U2|G2|2",
    u8"確認申請書（建築物） 併願アリ|2010/9/3|U1|Z1|1",
};

class BukkenDetail : public ShellTest {
protected:
    BukkenDetail()
    {
        MakeFolders({"app", "com", "obj", u8"obj/南町の家"});
        for (const char* file : {"doc001.110", "doc002.110", "doc003.300"})
            WriteFileBytes(m_folder.Path(std::string(u8"obj/南町の家/") + file), file);
        DaoCreateDatabase(Windows("obj/APP_BUKKEN.mdb"), std::string(appBukkenSchema) + Rows(Windows("obj").Bytes()));
        StoreFolders(Windows("app"), Windows("com"), Windows("obj"), Windows("dst"), nullptr);
    }

    // Selects a row of the migration dialog, issues its detail command and runs script
    // in the detail dialog, which is closed afterwards.
    void InDetail(int row, std::function<void(ZnDlgAppBukkenDetail&)> script)
    {
        Start([&](CDialog& dialog) {
            auto& select = dynamic_cast<ZnDlgAppSelectObjDialog&>(dialog);
            ASSERT_TRUE(UserInput::ClickListItem(select.m_list, row));
            m_ui.ScriptModal([&](CDialog& inner) {
                auto& detail = dynamic_cast<ZnDlgAppBukkenDetail&>(inner);
                script(detail);
                detail.EndDialog(IDCANCEL);
            });
            select.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_SO_BTN_DETAIL, BN_CLICKED), 0);
            select.EndDialog(IDCANCEL);
        });
    }
    // Selects the list rows and presses 削除, answering the question with answer (0: none asked).
    void Delete(ZnDlgAppBukkenDetail& detail, std::vector<int> rows, int answer)
    {
        for (int i = 0; i < detail.m_list.GetItemCount(); ++i)
            detail.m_list.SetItemState(i, 0, LVIS_SELECTED);
        for (int row : rows)
            detail.m_list.SetItemState(row, LVIS_SELECTED, LVIS_SELECTED);
        if (answer)
            m_ui.AnswerMessageBox(answer);
        ASSERT_TRUE(UserInput::Click(detail, IDC_BD_BTN_DELETE));
    }
};

} // namespace

// The detail dialog's template, and the copy dialog's, which is a template only.
TEST(BukkenDetailTemplate, HasTheControlsOfTheScreens)
{
    const DialogResource* detail = AfxFindDialogResource(IDD_BUKKEN_DETAIL);
    ASSERT_NE(nullptr, detail);
    EXPECT_STREQ(u8"■ 物件の詳細", detail->caption);
    EXPECT_EQ(399, detail->cx);
    EXPECT_EQ(299, detail->cy);
    EXPECT_EQ(0u, detail->style & WS_SYSMENU);
    EXPECT_EQ(u8"-1:物件名 ：:10,10,30,15\n12004::45,10,215,15:readonly\n-1:作成日 ：:10,30,30,15\n"
              u8"12005::45,30,75,15:readonly\n-1:申請書一覧:10,62,40,10\n12003:削除:54,60,50,15\n"
              u8"12002::10,80,380,190:multiselect\n2:閉じる:340,275,50,15\n",
              TemplateControls(IDD_BUKKEN_DETAIL));

    const DialogResource* copy = AfxFindDialogResource(IDD_BUKKEN_COPY);
    ASSERT_NE(nullptr, copy);
    EXPECT_STREQ(u8"■ 物件複写", copy->caption);
    EXPECT_EQ(363, copy->cx);
    EXPECT_EQ(97, copy->cy);
    EXPECT_EQ(detail->style, copy->style);
    EXPECT_EQ(u8"12000:複写先:10,10,50,15\n12016::65,10,290,15:readonly\n-1:物 件 名 ：:10,50,34,10\n"
              u8"12011::45,50,310,15\n1:OK:250,75,50,15:default\n2:ｷｬﾝｾﾙ:305,75,50,15\n",
              TemplateControls(IDD_BUKKEN_COPY));
}

TEST_F(BukkenDetail, ListsTheDocumentsOfTheSelectedPropertyNewestFirst)
{
    // Row 1 of the migration dialog is the later row of the name, index 8; the register's first
    // row of the name, index 5, decides the documents.
    InDetail(1, [&](ZnDlgAppBukkenDetail& detail) {
        EXPECT_EQ(u8"南町の家", cp932::ToUtf8(TextOf(detail, IDC_BD_EDIT_NAME).Bytes()));
        EXPECT_EQ("2011/1/20", TextOf(detail, IDC_BD_EDIT_DATE));
        EXPECT_EQ(kAllDocuments, ListRows(detail.m_list));
        CRect client;
        detail.m_list.GetClientRect(&client);
        EXPECT_EQ(client.Width() - GetSystemMetrics(SM_CXVSCROLL) - 370, detail.m_list.GetColumnWidth(0));
        EXPECT_EQ(70, detail.m_list.GetColumnWidth(1));
        EXPECT_EQ(150, detail.m_list.GetColumnWidth(3));
    });
    EXPECT_EQ(std::vector<UINT>{IDD_BUKKEN_DETAIL}, m_ui.modalTemplates);
}

TEST_F(BukkenDetail, WithoutASelectedPropertyTheDialogIsNotOpened)
{
    Start([&](CDialog& dialog) {
        m_ui.AnswerMessageBox(IDOK);
        dialog.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_SO_BTN_DETAIL, BN_CLICKED), 0);
        dialog.EndDialog(IDCANCEL);
    });
    EXPECT_EQ(std::vector<std::string>{u8"物件を選択してください。"}, MessageTexts());
    EXPECT_TRUE(m_ui.modalTemplates.empty());
}

TEST_F(BukkenDetail, DeletesTheFirstSelectedDocumentWithItsFile)
{
    InDetail(0, [&](ZnDlgAppBukkenDetail& detail) {
        // Nothing selected, then a cancelled question: nothing changes.
        m_ui.AnswerMessageBox(IDOK);
        Delete(detail, {}, 0);
        Delete(detail, {3}, IDCANCEL);
        EXPECT_EQ(kAllDocuments, ListRows(detail.m_list));
        EXPECT_TRUE(Exists(u8"obj/南町の家/doc001.110"));
        EXPECT_EQ(UINT(MB_OKCANCEL | MB_ICONQUESTION), m_ui.messageBoxes.back().type & 0xFF);

        // Of two selected rows only the first goes, with its file.
        Delete(detail, {1, 2}, IDOK);
        EXPECT_EQ((std::vector<std::string>{kAllDocuments[0], kAllDocuments[2], kAllDocuments[3]}),
                  ListRows(detail.m_list));
        EXPECT_FALSE(Exists(u8"obj/南町の家/doc003.300"));
        EXPECT_FALSE(Exists(u8"obj/南町の家/doc003.300.deleting"));
        // A missing file: the row goes without a word.
        Delete(detail, {0}, IDOK);
        Delete(detail, {0}, IDOK);
        Delete(detail, {0}, IDOK);
        EXPECT_TRUE(ListRows(detail.m_list).empty());
    });
    EXPECT_EQ((std::vector<std::string>{u8"詳細データを選択してください。", u8"削除してもよろしいですか？",
                                        u8"削除してもよろしいですか？", u8"削除してもよろしいですか？",
                                        u8"削除してもよろしいですか？", u8"削除してもよろしいですか？"}),
              MessageTexts());
    EXPECT_TRUE(std::filesystem::is_empty(m_folder.Path(u8"obj/南町の家")));
}

TEST_F(BukkenDetail, ARowGoneMeanwhileLeavesTheRefilledList)
{
    InDetail(0, [&](ZnDlgAppBukkenDetail& detail) {
        // Another user deletes document 3 while the list shows it.
        CDaoDatabase database;
        database.Open(Windows("obj/APP_BUKKEN.mdb"));
        database.Execute("DELETE FROM AppBukkenShousaiTbl WHERE BukkenIndex = 5 AND BukkenShousaiIndex = 3");
        database.Close();
        Delete(detail, {1}, IDOK);
        EXPECT_EQ((std::vector<std::string>{kAllDocuments[0], kAllDocuments[2], kAllDocuments[3]}),
                  ListRows(detail.m_list));
    });
    EXPECT_EQ(std::vector<std::string>{u8"削除してもよろしいですか？"}, MessageTexts());
    EXPECT_TRUE(Exists(u8"obj/南町の家/doc003.300"));
}

TEST_F(BukkenDetail, AFileThatCannotGoKeepsItsRow)
{
    // Something of the moved-aside name is in the way: the file cannot be moved.
    MakeFolders({u8"obj/南町の家/doc001.110.deleting"});
    InDetail(0, [&](ZnDlgAppBukkenDetail& detail) {
        m_ui.AnswerMessageBox(IDOK);
        Delete(detail, {3}, IDOK);
        EXPECT_EQ(kAllDocuments, ListRows(detail.m_list));
        EXPECT_EQ(u8"指定の物件は削除できませんでした。", MessageTexts().back());
    });
    EXPECT_EQ("doc001.110", ReadFileBytes(m_folder.Path(u8"obj/南町の家/doc001.110")));
}

TEST_F(BukkenDetail, ARowThatCannotGoGetsItsFileBack)
{
    // The register refuses to delete any document row.
    std::filesystem::remove(m_folder.Path("obj/APP_BUKKEN.mdb"));
    DaoCreateDatabase(Windows("obj/APP_BUKKEN.mdb"),
                      std::string(appBukkenSchema) + Rows(Windows("obj").Bytes()) +
                          "CREATE TRIGGER Refuse BEFORE DELETE ON AppBukkenShousaiTbl BEGIN "
                          "SELECT RAISE(ABORT, 'locked'); END;\n");
    InDetail(0, [&](ZnDlgAppBukkenDetail& detail) {
        m_ui.AnswerMessageBox(IDOK);
        Delete(detail, {3}, IDOK);
        EXPECT_EQ(kAllDocuments, ListRows(detail.m_list));
        EXPECT_EQ(2u, MessageTexts().size());
    });
    EXPECT_EQ("doc001.110", ReadFileBytes(m_folder.Path(u8"obj/南町の家/doc001.110")));
    EXPECT_FALSE(Exists(u8"obj/南町の家/doc001.110.deleting"));
}

TEST_F(BukkenDetail, AnAccessRegisterIsRefusedAtOnce)
{
    std::filesystem::rename(m_folder.Path("obj/APP_BUKKEN.mdb"), m_folder.Path("source.mdb"));
    CopyToJetFile(m_folder.Path("source.mdb"), m_folder.Path("obj/APP_BUKKEN.mdb"), JetVersion::Jet4);
    InDetail(0, [&](ZnDlgAppBukkenDetail& detail) {
        EXPECT_EQ(kAllDocuments, ListRows(detail.m_list));
        m_ui.AnswerMessageBox(IDOK);
        Delete(detail, {3}, IDOK);
        EXPECT_EQ(kAllDocuments, ListRows(detail.m_list));
        EXPECT_EQ(u8"データベースまたはオブジェクトが読み取り専用なので、更新できません。", MessageTexts().back());
    });
    EXPECT_TRUE(Exists(u8"obj/南町の家/doc001.110"));
}

TEST_F(BukkenDetail, ANameThatNoRowCarriesGivesAnEmptyList)
{
    // The list of the migration dialog shows a name that the register read here lacks.
    InDetail(0, [&](ZnDlgAppBukkenDetail& detail) {
        detail.FillShinseiList(ZnDlgAppBukkenDetail::FindBukkenIndex(Windows("obj/APP_BUKKEN.mdb"), "無い家"),
                               Windows("obj/APP_BUKKEN.mdb"));
        EXPECT_TRUE(ListRows(detail.m_list).empty());
        EXPECT_EQ(0, ZnDlgAppBukkenDetail::FindBukkenIndex(Windows("obj/APP_BUKKEN.mdb"), "無い家"));
        EXPECT_EQ(5, ZnDlgAppBukkenDetail::FindBukkenIndex(Windows("obj/APP_BUKKEN.mdb"), "南町の家"));
    });
}
