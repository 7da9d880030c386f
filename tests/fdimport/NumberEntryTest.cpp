// Number entry in the main frame: the application list in its form view over a register, the
// floppy panel's two dialogs, and what their OK leaves in the document, its file and its row.
#include "tests/storage/AppDatabaseFixture.h"
#include "tests/support/ShellTestSupport.h"

#include "fdimport/ZnDlgAppBangouInput.h"
#include "fdimport/ZnDlgAppShinseishoList.h"
#include "fdimport/ZnDlgAppUketukeConfirm.h"
#include "model/ZnModelApp.h"
#include "model/ZnModelDocKinds.h"
#include "platform/core/Cp932.h"
#include "platform/database/CDaoDatabase.h"
#include "platform/wnd/UserInput.h"
#include "res/NumberEntryIds.h"
#include "storage/AppDatabaseSchemas.h"
#include "storage/ZnAppBukkenShousaiTblDAO.h"

#include <filesystem>

using testsupport::ReadFileBytes;
using testsupport::Utf8;
using testsupport::WriteFileBytes;

namespace {

const char kBukkenFolder[] = u8"obj/南町の家/";

// The register: property 5 with its documents, property 8 with one of its own.
const char kRows[] = u8"INSERT INTO AppBukkenKanriTbl VALUES (5, '南町の家', '2004-04-01 00:00:00', 3, 0, 'X', NULL);\n"
                     u8"INSERT INTO AppBukkenShousaiTbl VALUES (1, 5, '確認申請書（建築物）', 100001, 1, 2, "
                     u8"'2004-04-01 10:00:00', 'U1', '', 'G1', 'Ka001.110', NULL);\n"
                     u8"INSERT INTO AppBukkenShousaiTbl VALUES (2, 5, '確認申請書（昇降機）', 100002, 0, 1, "
                     u8"'2004-05-02 00:00:00', '', 'Z2', 'G2', 'Ka002.160', NULL);\n"
                     u8"INSERT INTO AppBukkenShousaiTbl VALUES (3, 5, '計画変更確認申請書（昇降機）', 100302, 0, 1, "
                     u8"'2004-06-03 00:00:00', 'U3', '', '', 'Ka003.420', NULL);\n"
                     u8"INSERT INTO AppBukkenShousaiTbl VALUES (4, 5, '完了報告書', 100501, 0, 1, "
                     u8"'2004-07-04 00:00:00', '', '', '', 'Ka004.501', NULL);\n"
                     u8"INSERT INTO AppBukkenShousaiTbl VALUES (5, 5, '確認申請書（昇降機）', 100002, 0, 1, "
                     u8"'2004-08-05 00:00:00', '', '', '', 'Ka005.160', NULL);\n"
                     u8"INSERT INTO AppBukkenShousaiTbl VALUES (6, 5, '建築工事届', 100801, 0, 1, "
                     u8"'2004-09-06 00:00:00', 'U6', '', '', 'Ke006.240', NULL);\n"
                     u8"INSERT INTO AppBukkenShousaiTbl VALUES (7, 5, '完了検査申請書（建築物）', 100201, 0, 1, "
                     u8"'2004-10-07 00:00:00', 'U7', '', '', 'Ka007.211', NULL);\n"
                     u8"INSERT INTO AppBukkenShousaiTbl VALUES (1, 8, '別の物件の書類', 100002, 0, 1, "
                     u8"'2004-04-01 00:00:00', '', '', '', 'x.160', NULL);\n";

// A document file of a kind whose five lists hold the numbers of groups named after the list
// ("B1", "L2", ...), each with its second number ("B1-2") and an item number of 10 + its place.
std::string DocumentFile(int code, std::vector<int> counts)
{
    auto* app = new ZnModelApp;
    ZnModelAppLocalData& local = app->m_header.m_localData;
    local.m_documentKind.SetCode(std::to_string(code).c_str());
    ZnModelNumGroupList* lists[] = {&local.m_buildingNumGroups, &local.m_liftNumGroups, &local.m_equipmentNumGroups,
                                    &local.m_secondLiftNumGroups, &local.m_structureNumGroups};
    const char* names[] = {"B", "L", "E", "Q", "S"};
    for (size_t list = 0; list < counts.size(); ++list)
        for (int i = 1; i <= counts[list]; ++i) {
            ZnModelNumGroup group;
            CString text;
            text.Format("%s%d", names[list], i);
            group.m_firstNumber.SetNumber(text);
            group.m_secondNumber.SetNumber(text + "-2");
            group.m_secondNumber.SetFurtherText("issuer");
            group.m_itemNumber = 10 + i;
            lists[list]->AddCopy(group);
        }
    CZnAppProDoc document;
    document.ReplaceModel(CZnAppProDoc::appModel, app);
    const ZnModelDocKind* kind = ZnModelDocKinds::Find(code);
    document.ReplaceModel(CZnAppProDoc::formModel, ZnModelDocKinds::CreateSlotObject(kind->formClass));
    document.ReplaceModel(CZnAppProDoc::subFormModel, ZnModelDocKinds::CreateSlotObject(kind->subFormClass));
    return testsupport::StoreToBytes([&](CArchive& ar) { document.Serialize(ar); });
}

// Each row of a list: its columns and item data joined by "|", UTF-8.
std::vector<std::string> ListRows(CListCtrl& list)
{
    std::vector<std::string> rows = ListRowTexts(list);
    for (int i = 0; i < static_cast<int>(rows.size()); ++i)
        rows[i] += std::to_string(list.GetItemData(i));
    return rows;
}

class NumberEntry : public ShellTest {
protected:
    NumberEntry()
    {
        MakeFolders({"app", "com", "obj", kBukkenFolder, "fd"});
        DaoCreateDatabase(Windows("obj/APP_BUKKEN.mdb"), std::string(appBukkenSchema) + kRows);
        WriteFileBytes(Path("Ka001.110"), DocumentFile(100001, {5, 2, 0, 0, 1}));
        WriteFileBytes(Path("Ka002.160"), DocumentFile(100002, {2}));
        WriteFileBytes(Path("Ka003.420"), DocumentFile(100302, {1}));
        WriteFileBytes(Path("Ka004.501"), DocumentFile(100501, {1}));
        WriteFileBytes(Path("Ke006.240"), DocumentFile(100801, {2}));
        WriteFileBytes(Path("Ka007.211"), DocumentFile(100201, {1}));
        StoreFolders(Windows("app"), Windows("com"), Windows("obj"), Windows("dst"), Windows("fd") + "\\");
    }

    std::string Path(const std::string& file) const { return m_folder.Path(kBukkenFolder + file); }

    // Starts the program and opens the application list of property 5.
    void OpenList()
    {
        Start();
        m_app.SetBukkenName("南町の家");
        Frame().SetBukkenIndex(5);
        Frame().SetDocMode(DOCMODE_ZADAZEZ);
        Frame().SetBukkenSelected(1);
        Command(ID_NUMBER_INPUT);
        ASSERT_EQ("ZnFvAppCAHJ0100", ActiveViewClass());
    }
    ZnDlgAppShinseishoList& List() const { return Frame().GetShinseishoList(); }
    CFdMenuBar& Bar() const { return *static_cast<CFdMenuBar*>(Frame().GetDlgItem(IDD_FDMENUBAR)); }
    // Presses a floppy-panel button whose dialog must refuse OK with a message box (after type
    // has filled it, when given); the dialog is then cancelled.
    void OkRefused(int button, std::function<void(CDialog&)> type = {})
    {
        m_ui.ScriptModal([this, type](CDialog& dialog) {
            if (type)
                type(dialog);
            m_ui.AnswerMessageBox(IDOK);
            ASSERT_TRUE(UserInput::Click(dialog, IDOK));
            EXPECT_TRUE(dialog.ContinueModal());
            dialog.EndDialog(IDCANCEL);
        });
        Click(IDD_FDMENUBAR, button);
    }

    // Chooses the document row with that item data and presses 詳細.
    void Detail(int shousai)
    {
        for (int i = 0; i < List().m_listShinseisho.GetItemCount(); ++i)
            if (static_cast<int>(List().m_listShinseisho.GetItemData(i)) == shousai) {
                ASSERT_TRUE(UserInput::ClickListItem(List().m_listShinseisho, i));
            }
        ASSERT_TRUE(UserInput::Click(List(), IDC_SL_BTN_DETAIL));
    }
    // Clicks the number row with that item data.
    void ChooseNumberRow(int row)
    {
        for (int i = 0; i < List().m_listShousai.GetItemCount(); ++i)
            if (static_cast<int>(List().m_listShousai.GetItemData(i)) == row) {
                ASSERT_TRUE(UserInput::ClickListItem(List().m_listShousai, i));
            }
    }
    // Copies a fixture floppy into fd/.
    void InsertFloppy(const std::string& name) { CopyFloppy(name, "fd"); }

    // The register row of a document of property 5: number, issued number and date.
    std::string Row(int shousai)
    {
        ZnAppBukkenShousaiTblDAO rows;
        rows.SetDBPath(Windows("obj/APP_BUKKEN.mdb"));
        rows.Open(dbOpenDynaset, ZnAppBukkenShousaiTblDAO::GetSQLByBukkenIndex(5), 0);
        std::string found;
        for (; !rows.IsEOF(); rows.MoveNext())
            if (rows.m_BukkenShousaiIndex == shousai) {
                CString text;
                text.Format("%s|%s|%d-%d-%d", LPCTSTR(rows.m_UketukeBangou), LPCTSTR(rows.m_ZadazezBangou),
                            rows.m_Koushinbi.GetYear(), rows.m_Koushinbi.GetMonth(), rows.m_Koushinbi.GetDay());
                found = Utf8(text);
            }
        rows.Close();
        return found;
    }

    // The groups of the active document's lists: "first date|second date issuer|item number".
    std::vector<std::string> Groups(int list)
    {
        auto* app = dynamic_cast<ZnModelApp*>(Document().GetAppModel());
        ZnModelAppLocalData& local = app->m_header.m_localData;
        ZnModelNumGroupList* lists[] = {&local.m_buildingNumGroups, &local.m_liftNumGroups, &local.m_equipmentNumGroups,
                                        &local.m_secondLiftNumGroups, &local.m_structureNumGroups};
        std::vector<std::string> groups;
        for (POSITION pos = lists[list]->GetHeadPosition(); pos;) {
            const ZnModelNumGroup* group = lists[list]->GetNext(pos);
            auto number = [](const ZnModelNum& n) {
                CString text;
                const ZnModelDate& d = n.GetDate();
                text.Format("%s %s-%d-%d-%d", LPCTSTR(n.GetNumber()), LPCTSTR(d.GetYearCode().GetCode()),
                            d.GetYearCode().m_year, d.GetMonth(), d.GetDay());
                return text;
            };
            CString text;
            text.Format("%s|%s %s|%d", LPCTSTR(number(group->m_firstNumber)), LPCTSTR(number(group->m_secondNumber)),
                        LPCTSTR(group->m_secondNumber.GetFurtherText()), group->m_itemNumber);
            groups.push_back(Utf8(text));
        }
        return groups;
    }
    // The active document as its file holds it.
    std::string DocumentBytes() const
    {
        return testsupport::StoreToBytes([&](CArchive& ar) { Document().Serialize(ar); });
    }
};

const std::vector<std::string> kDocuments = {
    u8"完了検査申請書（建築物）|2004/10/7|U7||7",
    u8"建築工事届|2004/9/6|U6||6",
    u8"確認申請書（昇降機）|2004/8/5|||5",
    u8"完了報告書|2004/7/4|||4",
    u8"計画変更確認申請書（昇降機）|2004/6/3|U3||3",
    u8"確認申請書（昇降機）|2004/5/2||Z2|2",
    u8"確認申請書（建築物） 併願アリ 2回目|2004/4/1|U1|G1|1",
};

} // namespace

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
