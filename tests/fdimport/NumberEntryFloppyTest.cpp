// Number entry from an accepted floppy: the numbers the floppy panel's reading puts into the
// document, its file and its row, and the floppies that change nothing or fail their check.
#include "tests/fdimport/NumberEntryTestSupport.h"

#include "fdimport/ZnDlgAppUketukeConfirm.h"

#include <filesystem>

using namespace numberentrytest;

TEST_F(NumberEntry, TheFloppysNumbersGoIntoTheDocumentItsFileAndItsRow)
{
    InsertFloppy("building_confirmation");
    OpenList();
    Detail(1);
    m_ui.ScriptModal([&](CDialog& dialog) {
        auto& confirm = dynamic_cast<ZnDlgAppUketukeConfirm&>(dialog);
        EXPECT_EQ((std::vector<std::string>{u8"工作物(88-1) 01|工-1|0", u8"昇降機 02|昇-2|0", u8"昇降機 01|昇-1|0",
                                            u8"建築物 01|建-110|0"}),
                  ListRows(confirm.m_list));
        CString text;
        confirm.GetDlgItemText(IDC_UK_EDIT_NAME, text);
        EXPECT_EQ(u8"南町の家", Utf8(text));
        confirm.GetDlgItemText(IDC_UK_EDIT_TITLE, text);
        EXPECT_EQ(u8"確認申請書_建築物_", Utf8(text));
        EXPECT_TRUE(confirm.m_bConstructionNotice);
        ASSERT_TRUE(UserInput::Click(confirm, IDOK));
    });
    Click(IDD_FDMENUBAR, IDC_FD_READ);
    EXPECT_TRUE(m_ui.messageBoxes.empty());
    // Main count 3 of five groups; the second numbers stay.
    EXPECT_EQ((std::vector<std::string>{
                  u8"建-110 02-2005-4-1|B1-2 02-0-0-0 issuer|11", u8"建-110 02-2005-4-1|B2-2 02-0-0-0 issuer|12",
                  u8"建-110 02-2005-4-1|B3-2 02-0-0-0 issuer|13", u8"B4 02-0-0-0|B4-2 02-0-0-0 issuer|14",
                  u8"B5 02-0-0-0|B5-2 02-0-0-0 issuer|15"}),
              Groups(0));
    EXPECT_EQ((std::vector<std::string>{u8"昇-1 02-2005-4-2|L1-2 02-0-0-0 issuer|11",
                                        u8"昇-2 02-2005-4-3|L2-2 02-0-0-0 issuer|12"}),
              Groups(1));
    // An undated record stores no date.
    EXPECT_EQ(std::vector<std::string>{u8"工-1 02-0-0-0|S1-2 02-0-0-0 issuer|11"}, Groups(4));
    EXPECT_EQ(DocumentBytes(), ReadFileBytes(Path("Ka001.110")));
    EXPECT_EQ(0, Frame().GetDataChanged());
    EXPECT_EQ(u8"建-110||2005-4-1", Row(1));
    EXPECT_EQ(u8"確認申請書（建築物） 併願アリ 2回目|2005/4/1|建-110|G1|1", ListRows(List().m_listShinseisho).back());
    EXPECT_EQ(u8"建築物|建-110|B1-2|0", ListRows(List().m_listShousai).back());
}

TEST_F(NumberEntry, AFloppyOfAnotherKindChangesNothing)
{
    InsertFloppy("lift_confirmation");
    OpenList();
    Detail(3);
    std::string file = ReadFileBytes(Path("Ka003.420"));
    OkRefused(IDC_FD_READ);
    EXPECT_EQ(std::vector<std::string>{u8"詳細が表示されている文書と、ＦＤ内の文書の種類が異なります。"},
              MessageTexts());
    EXPECT_EQ(std::vector<std::string>{u8"B1 02-0-0-0|B1-2 02-0-0-0 issuer|11"}, Groups(0));
    EXPECT_EQ(file, ReadFileBytes(Path("Ka003.420")));
    EXPECT_EQ(u8"U3||2004-6-3", Row(3));
}

TEST_F(NumberEntry, ABuildingFloppyWhoseObjectsComeFirstChangesNoInspection)
{
    InsertFloppy("building_objects_first");
    OpenList();
    Detail(7);
    std::string file = ReadFileBytes(Path("Ka007.211"));
    OkRefused(IDC_FD_READ);
    EXPECT_EQ(u8"詳細が表示されている文書と、ＦＤ内の文書の種類が異なります。", MessageTexts().back());
    EXPECT_EQ(std::vector<std::string>{u8"B1 02-0-0-0|B1-2 02-0-0-0 issuer|11"}, Groups(0));
    EXPECT_EQ(file, ReadFileBytes(Path("Ka007.211")));
    EXPECT_EQ(0, Frame().GetDataChanged());
    EXPECT_EQ(u8"U7||2004-10-7", Row(7));
}

TEST_F(NumberEntry, ANotificationTakesTheNoticeOfABuildingFloppy)
{
    // The floppy goes in only after the dialog opened empty: OK finds its notice.
    InsertFloppy("no_uketuke_folder");
    OpenList();
    Detail(6);
    m_ui.AnswerMessageBox(IDOK);
    m_ui.ScriptModal([&](CDialog& dialog) {
        InsertFloppy("building_confirmation");
        ASSERT_TRUE(UserInput::Click(dialog, IDOK));
    });
    Click(IDD_FDMENUBAR, IDC_FD_READ);
    EXPECT_EQ((std::vector<std::string>{u8"届-240 02-2005-4-5|B1-2 02-0-0-0 issuer|11",
                                        u8"届-240 02-2005-4-5|B2-2 02-0-0-0 issuer|12"}),
              Groups(0));
    EXPECT_EQ(u8"届-240||2005-4-5", Row(6));

    // A floppy without the notice is refused.
    InsertFloppy("empty_line");
    OkRefused(IDC_FD_READ);
    EXPECT_EQ(u8"ＦＤ内に、建築工事届データはありません。", MessageTexts().back());
}

TEST_F(NumberEntry, AFloppyThatFailsItsCheckLeavesTheDialogEmptyAndOkChecksAgain)
{
    InsertFloppy("no_uketuke_folder");
    OpenList();
    Detail(2);
    const std::string notAccepted = u8"受理済FDではありません。FDをチェックしてください。";
    m_ui.AnswerMessageBox(IDOK);
    m_ui.ScriptModal([&](CDialog& dialog) {
        auto& confirm = dynamic_cast<ZnDlgAppUketukeConfirm&>(dialog);
        EXPECT_EQ(std::vector<std::string>{notAccepted}, MessageTexts());
        EXPECT_EQ(0, confirm.m_list.GetItemCount());
        CString name;
        confirm.GetDlgItemText(IDC_UK_EDIT_NAME, name);
        EXPECT_TRUE(name.IsEmpty());
        m_ui.AnswerMessageBox(IDOK);
        ASSERT_TRUE(UserInput::Click(confirm, IDOK));
        EXPECT_EQ((std::vector<std::string>{notAccepted, notAccepted}), MessageTexts());
        // The right floppy goes in: OK reads it.
        InsertFloppy("lift_confirmation");
        ASSERT_TRUE(UserInput::Click(confirm, IDOK));
    });
    Click(IDD_FDMENUBAR, IDC_FD_READ);
    EXPECT_EQ((std::vector<std::string>{u8"L-1 02-2005-4-1|B1-2 02-0-0-0 issuer|11",
                                        u8"L-2 02-0-0-0|B2-2 02-0-0-0 issuer|12"}),
              Groups(0));
    // The undated last record leaves the row's date alone.
    EXPECT_EQ(u8"L-2|Z2|2004-5-2", Row(2));
}

TEST_F(NumberEntry, ADocumentWithoutItsFileIsNotSaved)
{
    InsertFloppy("lift_confirmation");
    OpenList();
    Detail(5);
    OkRefused(IDC_FD_READ);
    EXPECT_EQ(u8"文書のファイルが読み込まれていないため、番号を保存できません。", MessageTexts().back());
    EXPECT_FALSE(std::filesystem::exists(Path("Ka005.160")));
    EXPECT_EQ(u8"||2004-8-5", Row(5));
}
