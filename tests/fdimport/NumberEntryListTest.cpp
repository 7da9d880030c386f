// Number entry in the main frame: the application list of a property, its detail and number
// lists, and the choice of the output folder.
#include "tests/fdimport/NumberEntryTestSupport.h"

using namespace numberentrytest;

TEST_F(NumberEntry, TheListShowsThePropertysDocumentsAndTheOutputFolder)
{
    OpenList();
    EXPECT_EQ(kDocuments, ListRows(List().m_listShinseisho));
    EXPECT_EQ(4, List().m_listShinseisho.GetColumnCount());
    EXPECT_EQ(3, List().m_listShousai.GetColumnCount());
    EXPECT_EQ(0, List().m_listShousai.GetItemCount());
    CString drive;
    List().GetDlgItemText(IDC_SL_EDIT_DRIVE, drive);
    EXPECT_EQ(Windows("fd") + "\\", drive);
    // The floppy panel gets the folder without its final backslash, and the property.
    EXPECT_EQ(Windows("fd"), Bar().m_strFloppyRoot);
    EXPECT_EQ(5, Bar().m_nBukkenIndex);
    EXPECT_EQ(-9999, Bar().m_nSelectedRow);
    EXPECT_EQ(-9999, Bar().m_nShousaiIndex);
}

TEST_F(NumberEntry, DetailLoadsTheDocumentAndListsItsNumbers)
{
    OpenList();
    m_ui.AnswerMessageBox(IDOK);
    ASSERT_TRUE(UserInput::Click(List(), IDC_SL_BTN_DETAIL));
    EXPECT_EQ(std::vector<std::string>{u8"申請書を選択してください。"}, MessageTexts());
    EXPECT_EQ(static_cast<UINT>(MB_ICONERROR), m_ui.messageBoxes.back().type);

    Detail(1);
    EXPECT_EQ(1, Bar().m_nShousaiIndex);
    EXPECT_EQ(100001, m_app.m_nDocKindCode);
    EXPECT_EQ((std::vector<std::string>{u8"工作物(法88条1項) 01|S1|S1-2|3", u8"昇降機 02|L2|L2-2|2",
                                        u8"昇降機 01|L1|L1-2|1", u8"建築物|B1|B1-2|0"}),
              ListRows(List().m_listShousai));
    // A click on a row chooses it; a click on empty space keeps the choice.
    ChooseNumberRow(2);
    EXPECT_EQ(2, Bar().m_nSelectedRow);
    ASSERT_TRUE(UserInput::ClickListItem(List().m_listShousai, -1));
    EXPECT_EQ(2, Bar().m_nSelectedRow);

    Detail(2);
    EXPECT_EQ(-9999, Bar().m_nSelectedRow);
    EXPECT_EQ((std::vector<std::string>{u8"昇降機 02|L2|L2-2|1", u8"昇降機 01|B1|B1-2|0"}).size(),
              ListRows(List().m_listShousai).size());
    EXPECT_EQ(u8"昇降機 02|B2|B2-2|1", ListRows(List().m_listShousai)[0]);
    for (int nothing : {4, 5}) { // a completion report; a document without its file
        Detail(nothing);
        EXPECT_TRUE(ListRows(List().m_listShousai).empty()) << nothing;
    }
}

TEST_F(NumberEntry, AClickInTheDocumentListDropsTheDocumentAndBothChoices)
{
    OpenList();
    Detail(1);
    ChooseNumberRow(1);
    ASSERT_TRUE(UserInput::ClickListItem(List().m_listShinseisho, 0));
    EXPECT_EQ(-9999, List().m_nSelectedDoc);
    EXPECT_EQ(-9999, Bar().m_nSelectedRow);
    EXPECT_EQ(-9999, Bar().m_nShousaiIndex);
    EXPECT_EQ(0, List().m_listShousai.GetItemCount());
    auto* app = dynamic_cast<ZnModelApp*>(Document().GetAppModel());
    ASSERT_NE(nullptr, app);
    EXPECT_EQ(0, app->m_header.m_localData.m_buildingNumGroups.GetCount());
    // Both floppy buttons now ask for a choice.
    m_ui.AnswerMessageBox(IDOK);
    Click(IDD_FDMENUBAR, IDC_FD_READ);
    EXPECT_EQ(u8"詳細ボタンを押してください。", MessageTexts().back());
}

TEST_F(NumberEntry, BrowseChoosesTheOutputFolderAndTheFloppysRoot)
{
    OpenList();
    m_ui.AnswerFolder(std::nullopt);
    ASSERT_TRUE(UserInput::Click(List(), IDC_SL_BTN_BROWSE));
    EXPECT_EQ(Windows("fd"), Bar().m_strFloppyRoot);
    EXPECT_EQ(Windows("fd") + "\\", m_app.GetOutputFolder());

    m_ui.AnswerFolder(Windows("obj"));
    ASSERT_TRUE(UserInput::Click(List(), IDC_SL_BTN_BROWSE));
    CString drive;
    List().GetDlgItemText(IDC_SL_EDIT_DRIVE, drive);
    EXPECT_EQ(Windows("obj"), drive);
    EXPECT_EQ(Windows("obj"), m_app.GetOutputFolder());
    EXPECT_EQ(Windows("obj"), Bar().m_strFloppyRoot);
}
