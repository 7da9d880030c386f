// Typed number entry through the floppy panel's number dialog: the numbers that go into the chosen
// groups, the file and the row, and the saves that are refused.
#include "tests/fdimport/NumberEntryTestSupport.h"
#include "tests/storage/AppDatabaseFixture.h"

#include "fdimport/ZnDlgAppBangouInput.h"

#include <filesystem>

using namespace numberentrytest;

TEST_F(NumberEntry, TypedNumbersGoIntoTheChosenGroupsTheFileAndTheRow)
{
    OpenList();
    Detail(1);
    ChooseNumberRow(0);
    m_ui.ScriptModal([&](CDialog& dialog) {
        auto& input = dynamic_cast<ZnDlgAppBangouInput&>(dialog);
        CString text;
        input.GetDlgItemText(IDC_BG_RECV_NUMBER, text);
        EXPECT_EQ("B1", text);
        input.GetDlgItemText(IDC_BG_ISSUER, text);
        EXPECT_EQ("issuer", text);
        input.GetDlgItemText(IDC_BG_TITLE, text);
        EXPECT_EQ(u8"確認申請書_建築物_", Utf8(text));
        ASSERT_TRUE(UserInput::ReplaceText(input, IDC_BG_RECV_NUMBER, "R-9"));
        ASSERT_TRUE(UserInput::SelectComboItem(input.m_comboRecvEra, 1)); // 平成
        ASSERT_TRUE(UserInput::ReplaceText(input, IDC_BG_RECV_YEAR, "16"));
        ASSERT_TRUE(UserInput::ReplaceText(input, IDC_BG_RECV_MONTH, "4"));
        ASSERT_TRUE(UserInput::ReplaceText(input, IDC_BG_RECV_DAY, "1"));
        ASSERT_TRUE(UserInput::ReplaceText(input, IDC_BG_NUMBER, "C-7"));
        ASSERT_TRUE(UserInput::SelectComboItem(input.m_comboIssueEra, 0)); // 昭和
        ASSERT_TRUE(UserInput::ReplaceText(input, IDC_BG_ISSUE_YEAR, "63"));
        ASSERT_TRUE(UserInput::ReplaceText(input, IDC_BG_ISSUER, "主事"));
        ASSERT_TRUE(UserInput::Click(input, IDOK));
    });
    Click(IDD_FDMENUBAR, IDC_FD_NUMBER);
    std::vector<std::string> groups = Groups(0);
    ASSERT_EQ(5u, groups.size());
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(u8"R-9 02-2004-4-1|C-7 01-1988-0-0 主事|" + std::to_string(i + 1), groups[i]);
    EXPECT_EQ(u8"L1 02-0-0-0|L1-2 02-0-0-0 issuer|11", Groups(1)[0]);
    EXPECT_EQ(DocumentBytes(), ReadFileBytes(Path("Ka001.110")));
    EXPECT_EQ(u8"R-9|C-7|2004-4-1", Row(1));
    EXPECT_EQ(u8"確認申請書（建築物） 併願アリ 2回目|2004/4/1|R-9|C-7|1", ListRows(List().m_listShinseisho).back());
    EXPECT_EQ(0, Bar().m_nSelectedRow); // kept for the next input

    // The first lift alone; the row is not touched.
    ChooseNumberRow(1);
    m_ui.ScriptModal([&](CDialog& dialog) {
        auto& input = dynamic_cast<ZnDlgAppBangouInput&>(dialog);
        ASSERT_TRUE(UserInput::ReplaceText(input, IDC_BG_RECV_NUMBER, "LR"));
        ASSERT_TRUE(UserInput::ReplaceText(input, IDC_BG_RECV_YEAR, "")); // no year: 0, shown empty next time
        ASSERT_TRUE(UserInput::Click(input, IDOK));
    });
    Click(IDD_FDMENUBAR, IDC_FD_NUMBER);
    EXPECT_EQ(u8"LR 02-0-0-0|L1-2 02-0-0-0 issuer|11", Groups(1)[0]);
    EXPECT_EQ(u8"L2 02-0-0-0|L2-2 02-0-0-0 issuer|12", Groups(1)[1]);
    EXPECT_EQ(u8"R-9|C-7|2004-4-1", Row(1));
}

TEST_F(NumberEntry, TypedNumbersOfALiftGoToItsRowsGroup)
{
    WriteFileBytes(Path("Ka002.160"), DocumentFile(100002, {3}));
    OpenList();
    Detail(2);
    ChooseNumberRow(2);
    m_ui.ScriptModal([&](CDialog& dialog) {
        auto& input = dynamic_cast<ZnDlgAppBangouInput&>(dialog);
        CString text;
        input.GetDlgItemText(IDC_BG_RECV_NUMBER, text);
        EXPECT_EQ("B3", text);
        ASSERT_TRUE(UserInput::ReplaceText(input, IDC_BG_RECV_NUMBER, "N3"));
        ASSERT_TRUE(UserInput::SelectComboItem(input.m_comboRecvEra, 0)); // 昭和
        ASSERT_TRUE(UserInput::ReplaceText(input, IDC_BG_RECV_YEAR, "63"));
        ASSERT_TRUE(UserInput::ReplaceText(input, IDC_BG_RECV_MONTH, "12"));
        ASSERT_TRUE(UserInput::ReplaceText(input, IDC_BG_RECV_DAY, "24"));
        ASSERT_TRUE(UserInput::Click(input, IDOK));
    });
    Click(IDD_FDMENUBAR, IDC_FD_NUMBER);
    std::vector<std::string> groups = Groups(0);
    EXPECT_EQ(u8"B2 02-0-0-0|B2-2 02-0-0-0 issuer|12", groups[1]);
    EXPECT_EQ(u8"N3 01-1988-12-24|B3-2 02-0-0-0 issuer|3", groups[2]);
    // A Showa date is stored in its own year.
    EXPECT_EQ(u8"N3|B3-2|1988-12-24", Row(2));

    // Opened again, the fields show the stored numbers; Cancel changes nothing.
    std::string file = ReadFileBytes(Path("Ka002.160"));
    m_ui.ScriptModal([&](CDialog& dialog) {
        auto& input = dynamic_cast<ZnDlgAppBangouInput&>(dialog);
        CString era, year;
        input.m_comboRecvEra.GetLBText(input.m_comboRecvEra.GetCurSel(), era);
        input.GetDlgItemText(IDC_BG_RECV_YEAR, year);
        EXPECT_EQ(u8"昭和 63", Utf8(era + " " + year));
        ASSERT_TRUE(UserInput::ReplaceText(input, IDC_BG_RECV_NUMBER, "X"));
        ASSERT_TRUE(UserInput::PressEscape(input));
    });
    Click(IDD_FDMENUBAR, IDC_FD_NUMBER);
    EXPECT_EQ(file, ReadFileBytes(Path("Ka002.160")));
    EXPECT_EQ(u8"N3 01-1988-12-24|B3-2 02-0-0-0 issuer|3", Groups(0)[2]);

    // Without its day the reception date leaves the row's date alone; an empty year is none.
    m_ui.ScriptModal([&](CDialog& dialog) {
        ASSERT_TRUE(UserInput::ReplaceText(dialog, IDC_BG_RECV_DAY, ""));
        ASSERT_TRUE(UserInput::ReplaceText(dialog, IDC_BG_RECV_YEAR, ""));
        ASSERT_TRUE(UserInput::Click(dialog, IDOK));
    });
    Click(IDD_FDMENUBAR, IDC_FD_NUMBER);
    EXPECT_EQ(u8"N3 01-0-12-0|B3-2 02-0-0-0 issuer|3", Groups(0)[2]);
    EXPECT_EQ(u8"N3|B3-2|1988-12-24", Row(2));
    m_ui.ScriptModal([&](CDialog& dialog) {
        CString year, month;
        dialog.GetDlgItemText(IDC_BG_RECV_YEAR, year);
        dialog.GetDlgItemText(IDC_BG_RECV_MONTH, month);
        EXPECT_EQ("|12", year + "|" + month);
        dialog.EndDialog(IDCANCEL);
    });
    Click(IDD_FDMENUBAR, IDC_FD_NUMBER);
}

TEST_F(NumberEntry, AnAccessRegisterIsRefusedBeforeAnythingChanges)
{
    std::filesystem::rename(m_folder.Path("obj/APP_BUKKEN.mdb"), m_folder.Path("source.mdb"));
    CopyToJetFile(m_folder.Path("source.mdb"), m_folder.Path("obj/APP_BUKKEN.mdb"), JetVersion::Jet4);
    InsertFloppy("building_confirmation");
    OpenList();
    Detail(1);
    std::string file = ReadFileBytes(Path("Ka001.110"));
    const std::string readOnly = u8"データベースまたはオブジェクトが読み取り専用なので、更新できません。";
    OkRefused(IDC_FD_READ);
    EXPECT_EQ(readOnly, MessageTexts().back());
    ChooseNumberRow(0);
    OkRefused(IDC_FD_NUMBER,
              [](CDialog& dialog) { ASSERT_TRUE(UserInput::ReplaceText(dialog, IDC_BG_RECV_NUMBER, "R")); });
    EXPECT_EQ(readOnly, MessageTexts().back());
    EXPECT_EQ(u8"B1 02-0-0-0|B1-2 02-0-0-0 issuer|11", Groups(0)[0]);
    EXPECT_EQ(file, ReadFileBytes(Path("Ka001.110")));
    EXPECT_EQ(u8"U1||2004-4-1", Row(1));
}

TEST_F(NumberEntry, AFailedSaveKeepsTheRowAndTheDialog)
{
    OpenList();
    Detail(2);
    ChooseNumberRow(0);
    std::string file = ReadFileBytes(Path("Ka002.160"));
    // The save's temporary file cannot be made where a folder of its name stands.
    std::filesystem::create_directory(Path("Ka002.160.~sav"));
    OkRefused(IDC_FD_NUMBER,
              [](CDialog& dialog) { ASSERT_TRUE(UserInput::ReplaceText(dialog, IDC_BG_RECV_NUMBER, "R")); });
    EXPECT_EQ(1u, m_ui.messageBoxes.size());
    EXPECT_EQ(1, Frame().GetDataChanged());
    EXPECT_EQ(file, ReadFileBytes(Path("Ka002.160")));
    EXPECT_EQ(u8"|Z2|2004-5-2", Row(2));
}
