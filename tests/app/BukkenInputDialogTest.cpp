#include "tests/support/RecordsetRows.h"
#include "tests/support/ShellTestSupport.h"

#include "app/ZnDlgAppBukkenInput.h"
#include "platform/database/CDaoDatabase.h"
#include "platform/files/WinDrive.h"
#include "platform/wnd/Afxwin.h"
#include "platform/wnd/Imm.h"
#include "platform/wnd/Resources.h"
#include "platform/wnd/UserInput.h"
#include "res/MainFrameIds.h"
#include "storage/AppDatabaseSchemas.h"
#include "storage/PatchUserRegistMdb.h"
#include "storage/ZnAppBukkenKanriTblDAO.h"
#include "storage/ZnAppCheckoutTblDAO.h"
#include "storage/ZnAppChiikiShiteiTblDAO.h"
#include "tests/storage/AppDatabaseFixture.h"
#include "tests/writers/ZipTestSupport.h"
#include "tools/sampledata/SampleCodeDatabases.h"

#include <filesystem>

namespace {

// Three regions whose query order (by number) is not their sorted order; 関東 marked first.
const char kRegions[] = u8"INSERT INTO AppChiikiShiteiTbl VALUES (1, 1, '北海道', 1, '北海道', 0, NULL);\n"
                        u8"INSERT INTO AppChiikiShiteiTbl VALUES (2, 1, '東北', 2, '青森県', 0, NULL);\n"
                        u8"INSERT INTO AppChiikiShiteiTbl VALUES (2, 2, '東北', 3, '岩手県', 0, NULL);\n"
                        u8"INSERT INTO AppChiikiShiteiTbl VALUES (3, 1, '関東', 8, '茨城県', -1, NULL);\n"
                        u8"INSERT INTO AppChiikiShiteiTbl VALUES (3, 2, '関東', 9, '栃木県', -1, NULL);\n";

// A register with gaps in its indexes and the check-out row of the previous property, twice.
const char kGappedRegister[] =
    u8"INSERT INTO AppBukkenKanriTbl VALUES (2, '南町の家', '2010-09-03 00:00:00', 3, 0, 'X', NULL);\n"
    u8"INSERT INTO AppBukkenKanriTbl VALUES (7, '北町の家', '2011-01-20 00:00:00', 2, 1, 'X', NULL);\n"
    u8"INSERT INTO AppCheckoutTbl (BukkenKeyCode, BukkenKeyName) VALUES (0, '前の家');\n"
    u8"INSERT INTO AppCheckoutTbl (BukkenKeyCode, BukkenKeyName) VALUES (0, '前の家');\n";

COleDateTime FixedClock() { return COleDateTime(2026, 3, 4, 15, 16, 17); }

class BukkenInput : public ShellTest {
protected:
    BukkenInput()
    {
        MakeFolders({"app", "com", "obj", "obj2"});
        StoreFolders(Windows("app"), Windows("com"), Windows("obj"), Windows("dst"), "A:\\");
        MakeSampleDatabase(m_folder.Path("app/COM_CHIIKI.mdb"), comChiikiSchema, kRegions);
        DaoCreateDatabase(Windows("app/APP_BUKKEN.mdb"), appBukkenSchema);
        DaoCreateDatabase(Windows("app/APP_USER_REGIST.mdb"), appUserRegistSchema);
        m_previousClock = ZnDlgAppBukkenInput::SetClock(&FixedClock);
        Start();
    }
    ~BukkenInput() override { ZnDlgAppBukkenInput::SetClock(m_previousClock); }

    // Opens the dialog as the main frame's command does and runs script in it; a dialog that the
    // script leaves open is cancelled.
    void Open(UINT command, std::function<void(ZnDlgAppBukkenInput&)> script)
    {
        // The menu offers the command only while no screen is open: a property made before left
        // its screen.
        Frame().SetScreenFlag(0);
        m_ui.ScriptModal([script](CDialog& dialog) {
            auto& input = dynamic_cast<ZnDlgAppBukkenInput&>(dialog);
            script(input);
            if (input.ContinueModal())
                input.EndDialog(IDCANCEL);
        });
        Command(command);
    }
    // Types the name and presses OK; a message box, when one is expected, is answered.
    static void Accept(CDialog& dialog, LPCTSTR name)
    {
        ASSERT_TRUE(UserInput::Type(dialog, IDC_BI_EDIT_NAME, name));
        ASSERT_TRUE(UserInput::Click(dialog, IDOK));
    }
    // Runs the dialog with a name and OK, expecting a refusal with that text (or none).
    void Refused(LPCTSTR name, const char* text, std::function<void(ZnDlgAppBukkenInput&)> before = {})
    {
        size_t shown = m_ui.messageBoxes.size();
        if (text)
            m_ui.AnswerMessageBox(IDOK);
        Open(ID_NEW_ZADAZEZ, [&](ZnDlgAppBukkenInput& dialog) {
            if (before)
                before(dialog);
            Accept(dialog, name);
            EXPECT_TRUE(dialog.ContinueModal()) << name;
        });
        std::vector<std::string> texts = MessageTexts();
        ASSERT_EQ(shown + (text ? 1 : 0), texts.size()) << name;
        if (text) {
            EXPECT_EQ(text, texts.back()) << name;
        }
    }

    std::vector<std::string> CheckoutRows(const std::string& relative)
    {
        ZnAppCheckoutTblDAO set;
        set.SetDBPath(Windows(relative));
        return ReadRows(set, [](ZnAppCheckoutTblDAO& s) { return Line(s.m_BukkenKeyCode, s.m_BukkenKeyName); });
    }
    std::vector<std::string> RegionMarks()
    {
        ZnAppChiikiShiteiTblDAO set;
        return ReadRows(set, [](ZnAppChiikiShiteiTblDAO& s) { return Line(s.m_Todoufuken, s.m_ShokiSentakuFlg); });
    }

    ZnDlgAppBukkenInput::Clock m_previousClock = nullptr;
};

std::vector<CString> ComboItems(CWnd& dialog, int id)
{
    auto* combo = static_cast<CComboBox*>(dialog.GetDlgItem(id));
    std::vector<CString> items(combo->GetCount());
    for (int i = 0; i < combo->GetCount(); ++i)
        combo->GetLBText(i, items[i]);
    return items;
}

CString Text(CWnd& dialog, int id)
{
    CString text;
    dialog.GetDlgItemText(id, text);
    return text;
}

} // namespace

TEST(BukkenInputTemplate, HasTheControlsOfTheScreen)
{
    const DialogResource* dialog = AfxFindDialogResource(IDD_BUKKEN_INPUT);
    ASSERT_NE(nullptr, dialog);
    EXPECT_STREQ(u8"■ 物件情報入力", dialog->caption);
    EXPECT_EQ(363, dialog->cx);
    EXPECT_EQ(159, dialog->cy);
    EXPECT_EQ(0u, dialog->style & WS_SYSMENU);
    EXPECT_EQ(u8"-1:地 域 指 定 ：:10,10,44,10\n12006::55,10,110,145:sorted\n-1:書 類 種 別 ：:10,30,44,10\n"
              u8"12007::55,30,110,65:sorted:disabled\n12008:物件データ:10,60,50,15\n12010::65,60,290,15:readonly\n"
              u8"12009:共通データ:10,80,50,15\n12017::65,80,290,15:readonly\n-1:物 件 名 ：:10,110,34,10\n"
              u8"12011::45,110,310,15\n1:OK:250,135,50,15:default\n2:ｷｬﾝｾﾙ:305,135,50,15\n",
              TemplateControls(IDD_BUKKEN_INPUT));
}

TEST_F(BukkenInput, ShowsTheRegionsInTheQuerysOrderTheFramesKindAndTheFolders)
{
    Open(ID_NEW_KEIKAKU, [&](ZnDlgAppBukkenInput& dialog) {
        EXPECT_EQ((std::vector<CString>{"北海道", "東北", "関東"}), ComboItems(dialog, IDC_BI_COMBO_CHIIKI));
        EXPECT_EQ("北海道", Text(dialog, IDC_BI_COMBO_CHIIKI));
        EXPECT_EQ((std::vector<CString>{"確認申請書", "計画通知書"}), ComboItems(dialog, IDC_BI_COMBO_SHUBETSU));
        EXPECT_EQ("計画通知書", Text(dialog, IDC_BI_COMBO_SHUBETSU));
        EXPECT_FALSE(dialog.GetDlgItem(IDC_BI_COMBO_SHUBETSU)->IsWindowEnabled());
        EXPECT_EQ(Windows("obj"), Text(dialog, IDC_BI_EDIT_BUKKEN));
        EXPECT_EQ(Windows("com"), Text(dialog, IDC_BI_EDIT_COM));

        // A chosen folder replaces its edit; a cancelled picker changes nothing.
        m_ui.AnswerFolder(Windows("obj2"));
        ASSERT_TRUE(UserInput::Click(dialog, IDC_BI_BTN_BUKKEN));
        EXPECT_EQ(Windows("obj2"), Text(dialog, IDC_BI_EDIT_BUKKEN));
        m_ui.AnswerFolder(std::nullopt);
        ASSERT_TRUE(UserInput::Click(dialog, IDC_BI_BTN_COM));
        EXPECT_EQ(Windows("com"), Text(dialog, IDC_BI_EDIT_COM));
        m_ui.AnswerFolder(Windows("obj2"));
        ASSERT_TRUE(UserInput::Click(dialog, IDC_BI_BTN_COM));
        EXPECT_EQ(Windows("obj2"), Text(dialog, IDC_BI_EDIT_COM));
        m_ui.AnswerFolder(std::nullopt);
        ASSERT_TRUE(UserInput::Click(dialog, IDC_BI_BTN_BUKKEN));
        EXPECT_EQ(Windows("obj2"), Text(dialog, IDC_BI_EDIT_BUKKEN));
    });
    // Nothing is stored until OK.
    EXPECT_EQ(Windows("obj"), m_app.GetObjFolder());
    EXPECT_EQ(Windows("com"), m_app.GetComFolder());
}

TEST_F(BukkenInput, TheNameTakesNoFileNameSeparatorsAndAtMostSixtyBytes)
{
    AfxImmReset();
    Open(ID_NEW_ZADAZEZ, [&](ZnDlgAppBukkenInput& dialog) {
        ASSERT_TRUE(UserInput::Type(dialog, IDC_BI_EDIT_NAME, "a\\b/c:d,e;f*g?h\"i<j>k|l"));
        EXPECT_EQ("abcdefghijkl", Text(dialog, IDC_BI_EDIT_NAME));
        EXPECT_EQ(11u, m_ui.beeps.size());
        EXPECT_TRUE(ImmGetOpenStatus(ImmGetContext(dialog.m_hWnd)));

        m_ui.beeps.clear();
        ASSERT_TRUE(UserInput::EditText(*dialog.GetDlgItem(IDC_BI_EDIT_NAME), "<表|ポ>"));
        EXPECT_EQ("表ポ", Text(dialog, IDC_BI_EDIT_NAME));
        EXPECT_EQ(1u, m_ui.beeps.size());

        CString thirtyOne;
        for (int i = 0; i < 31; ++i)
            thirtyOne += "漢";
        ASSERT_TRUE(UserInput::ReplaceText(dialog, IDC_BI_EDIT_NAME, thirtyOne));
        EXPECT_EQ(60, Text(dialog, IDC_BI_EDIT_NAME).GetLength());
    });
    AfxImmReset();
}

TEST_F(BukkenInput, RefusesEachFailedCheckWithItsTextAndWritesNothing)
{
    MakeFolders({"obj/Existing"});
    testsupport::WriteFileBytes(m_folder.Path("obj/afile"), "x");
    Refused("", u8"物件名を入力してください。");
    Refused("x", u8"地域指定を選択してください。", [](ZnDlgAppBukkenInput& dialog) {
        static_cast<CComboBox*>(dialog.GetDlgItem(IDC_BI_COMBO_CHIIKI))->SetCurSel(-1);
    });
    Refused(".", u8"物件名に「.」や「..」は使えません。");
    Refused("..", u8"物件名に「.」や「..」は使えません。");
    Refused("existing", u8"指定の物件は既に存在しています。");
    Refused("AFILE", u8"指定の物件は既に存在しています。");
    DaoCreateDatabase(Windows("obj/APP_BUKKEN.mdb"), std::string(appBukkenSchema) + kGappedRegister);
    Refused("前の家", u8"指定の物件は現在使用中のため、選択できません。");
    EXPECT_FALSE(Exists(u8"obj/前の家"));
    EXPECT_EQ(2u, RegisterRows("obj/APP_BUKKEN.mdb").size());
    EXPECT_EQ(0, Frame().GetBukkenDataFlag());
    EXPECT_EQ(CString(), m_app.GetBukkenName());
}

TEST_F(BukkenInput, ADriveRootIsReplacedByItsDocumentFolderOnceConfirmed)
{
    MakeFolders({"drive"});
    SetDriveFolder('D', m_folder.Path("drive"));
    // The confirmation that follows is answered with answer.
    auto onDriveRoot = [this](ZnDlgAppBukkenInput& dialog, int answer) {
        dialog.SetDlgItemText(IDC_BI_EDIT_BUKKEN, "D:");
        m_ui.ScriptModal([answer](CDialog& confirm) { confirm.EndDialog(answer); });
    };
    // Cancelled: nothing is made, and no message.
    Refused("家", nullptr, [&](ZnDlgAppBukkenInput& dialog) { onDriveRoot(dialog, IDCANCEL); });
    EXPECT_FALSE(Exists("drive/App_Doc1"));
    // Confirmed: the folder is made, then the property in it.
    Open(ID_NEW_ZADAZEZ, [&](ZnDlgAppBukkenInput& dialog) {
        onDriveRoot(dialog, IDOK);
        Accept(dialog, "家");
        EXPECT_FALSE(dialog.ContinueModal());
    });
    EXPECT_TRUE(Exists(u8"drive/App_Doc1/家"));
    EXPECT_EQ("D:\\App_Doc1", m_app.GetObjFolder());
    // An existing App_Doc1 is asked about with 5607, and reused.
    Open(ID_NEW_ZADAZEZ, [&](ZnDlgAppBukkenInput& dialog) {
        dialog.SetDlgItemText(IDC_BI_EDIT_BUKKEN, "D:\\");
        m_ui.ScriptModal([](CDialog& confirm) { confirm.EndDialog(IDOK); });
        Accept(dialog, "庭");
    });
    EXPECT_EQ((std::vector<UINT>{IDD_BUKKEN_INPUT, IDD_ROOT_DIR_CONFIRM, IDD_BUKKEN_INPUT, IDD_ROOT_DIR_CONFIRM,
                                 IDD_BUKKEN_INPUT, IDD_DOC_DIR_CONFIRM}),
              m_ui.modalTemplates);
    EXPECT_TRUE(Exists(u8"drive/App_Doc1/庭"));
    // Cancelled in 5607 too: no message, nothing made.
    Refused("池", nullptr, [&](ZnDlgAppBukkenInput& dialog) { onDriveRoot(dialog, IDCANCEL); });
    EXPECT_EQ(static_cast<UINT>(IDD_DOC_DIR_CONFIRM), m_ui.modalTemplates.back());
    EXPECT_FALSE(Exists(u8"drive/App_Doc1/池"));

    // A drive whose folder is gone: App_Doc1 cannot be made.
    SetDriveFolder('D', m_folder.Path("gone"));
    Refused("家", u8"申請用ディレクトリの作成に失敗しました。",
            [&](ZnDlgAppBukkenInput& dialog) { onDriveRoot(dialog, IDOK); });
    EXPECT_FALSE(Exists("gone"));
    EXPECT_EQ("D:\\App_Doc1", m_app.GetObjFolder());
    SetDriveFolder('D', "");
}

TEST_F(BukkenInput, OkMakesAndRegistersTheProperty)
{
    Open(ID_NEW_ZADAZEZ, [&](ZnDlgAppBukkenInput& dialog) {
        ASSERT_TRUE(UserInput::SelectComboItem(*static_cast<CComboBox*>(dialog.GetDlgItem(IDC_BI_COMBO_CHIIKI)), 1));
        Accept(dialog, "前の家");
        EXPECT_FALSE(dialog.ContinueModal());
    });
    EXPECT_TRUE(m_ui.messageBoxes.empty());
    EXPECT_TRUE(Exists(u8"obj/前の家"));
    EXPECT_TRUE(Exists("com/APP_USER_REGIST.mdb"));
    std::string obj = Field(Windows("obj"));
    EXPECT_EQ(std::vector<std::string>{u8"1|前の家|2026-03-04 00:00:00|2|0|" + obj + "|"},
              RegisterRows("obj/APP_BUKKEN.mdb"));
    EXPECT_EQ(std::vector<std::string>{u8"0|前の家"}, CheckoutRows("obj/APP_BUKKEN.mdb"));
    EXPECT_EQ((std::vector<std::string>{u8"北海道|0", u8"青森県|1", u8"岩手県|1", u8"茨城県|0", u8"栃木県|0"}),
              RegionMarks());
    EXPECT_EQ("東北", m_app.GetChiikiShitei());
    EXPECT_EQ(2, m_app.GetChiikiBangou());
    EXPECT_EQ("確認申請書", m_app.GetShoruiShubetsu());
    EXPECT_EQ("前の家", m_app.GetBukkenName());
    EXPECT_EQ("2026/3/4", m_app.GetSakuseibi());
    CMainFrame& frame = Frame();
    EXPECT_EQ(DOCMODE_ZADAZEZ, frame.GetDocMode(0));
    EXPECT_EQ(1, frame.GetBukkenIndex());
    EXPECT_EQ("前の家", Text(*frame.GetPanelById(IDD_MAINMENUBAR), IDC_TOP_BUKKENNAME));
    EXPECT_EQ("2026/3/4", Text(*frame.GetPanelById(IDD_MAINMENUBAR), IDC_TOP_SAKUSEIBI));
    EXPECT_EQ(1, frame.GetBukkenSelected());
    EXPECT_EQ(1, frame.GetScreenFlag());
    EXPECT_EQ(1, frame.GetBukkenDataFlag());

    // A second property in another register with gaps: the largest index + 1; the previous
    // property's check-out goes from its own register, once; a notification is kind 1.
    DaoCreateDatabase(Windows("obj2/APP_BUKKEN.mdb"), std::string(appBukkenSchema) + kGappedRegister);
    std::string legacy = appUserRegistSchema;
    legacy.erase(legacy.find("    TourokuBangou VARCHAR(60) COLLATE NOCASE,\n"), 46);
    MakeFolders({"com2"});
    DaoCreateDatabase(Windows("com2/APP_USER_REGIST.mdb"), legacy);
    Open(ID_NEW_KEIKAKU, [&](ZnDlgAppBukkenInput& dialog) {
        dialog.SetDlgItemText(IDC_BI_EDIT_BUKKEN, Windows("obj2"));
        dialog.SetDlgItemText(IDC_BI_EDIT_COM, Windows("com2"));
        ASSERT_TRUE(UserInput::SelectComboItem(*static_cast<CComboBox*>(dialog.GetDlgItem(IDC_BI_COMBO_CHIIKI)), 2));
        Accept(dialog, "新しい家");
    });
    EXPECT_EQ(u8"8|新しい家|2026-03-04 00:00:00|3|1|" + Field(Windows("obj2")) + "|",
              RegisterRows("obj2/APP_BUKKEN.mdb").back());
    EXPECT_EQ(std::vector<std::string>{}, CheckoutRows("obj/APP_BUKKEN.mdb"));
    EXPECT_EQ((std::vector<std::string>{u8"0|前の家", u8"0|前の家", u8"0|新しい家"}),
              CheckoutRows("obj2/APP_BUKKEN.mdb"));
    EXPECT_EQ(0, PatchUserRegistMdb(Windows("com2/APP_USER_REGIST.mdb"))); // the column is there now
    EXPECT_EQ((std::vector<std::string>{u8"北海道|0", u8"青森県|0", u8"岩手県|0", u8"茨城県|1", u8"栃木県|1"}),
              RegionMarks());
    EXPECT_EQ(DOCMODE_KEIKAKU, Frame().GetDocMode(0));
    EXPECT_EQ(8, Frame().GetBukkenIndex());
    EXPECT_EQ(Windows("com2"), m_app.GetComFolder());
}

TEST_F(BukkenInput, ARegionThatNoRegionRowNamesIsNumberOne)
{
    // The region query gives a name that no row of the table carries.
    Open(ID_NEW_ZADAZEZ, [&](ZnDlgAppBukkenInput& dialog) {
        auto* combo = static_cast<CComboBox*>(dialog.GetDlgItem(IDC_BI_COMBO_CHIIKI));
        combo->SetCurSel(combo->InsertString(-1, "沖縄"));
        Accept(dialog, "家");
        EXPECT_FALSE(dialog.ContinueModal());
    });
    EXPECT_EQ(std::vector<std::string>{u8"1|家|2026-03-04 00:00:00|1|0|" + Field(Windows("obj")) + "|"},
              RegisterRows("obj/APP_BUKKEN.mdb"));
    EXPECT_EQ((std::vector<std::string>{u8"北海道|0", u8"青森県|0", u8"岩手県|0", u8"茨城県|0", u8"栃木県|0"}),
              RegionMarks());
    EXPECT_EQ("沖縄", m_app.GetChiikiShitei());
    EXPECT_EQ(1, m_app.GetChiikiBangou());
}

// The templates that the build puts into the program's application folder: SQLite databases of
// the project's schemas, without rows, the reference database with the registration number.
TEST(BukkenInputTemplates, TheBuildsApplicationFolderHoldsEmptyDatabases)
{
    for (const char* name : {"APP_BUKKEN.mdb", "APP_USER_REGIST.mdb"}) {
        std::string bytes = testsupport::ReadFileBytes(std::string(ZN_APP_DIR) + "/" + name);
        EXPECT_EQ("SQLite format 3", bytes.substr(0, 15)) << name;
    }
    CString folder(LinuxPathToWin(ZN_APP_DIR).c_str());
    ZnAppBukkenKanriTblDAO properties;
    properties.SetDBPath(folder + "\\APP_BUKKEN.mdb");
    EXPECT_TRUE(ReadRows(properties, [](ZnAppBukkenKanriTblDAO& s) { return Line(s.m_BukkenIndex); }).empty());
    ZnAppCheckoutTblDAO checkouts;
    checkouts.SetDBPath(folder + "\\APP_BUKKEN.mdb");
    EXPECT_TRUE(ReadRows(checkouts, [](ZnAppCheckoutTblDAO& s) { return Line(s.m_BukkenKeyName); }).empty());
    CDaoDatabase* database = nullptr;
    CDaoTableDef* tableDef = nullptr;
    ASSERT_TRUE(OpenMdb(&database, folder + "\\APP_USER_REGIST.mdb", 1));
    EXPECT_TRUE(OpenTableDef(database, &tableDef, "AppSetsubishaTbl") && FieldExists(tableDef, "TourokuBangou"));
    CloseTableDef(&tableDef);
    CloseMdb(&database);
}

TEST_F(BukkenInput, CancelWritesNothing)
{
    Open(ID_NEW_ZADAZEZ, [&](ZnDlgAppBukkenInput& dialog) {
        ASSERT_TRUE(UserInput::Type(dialog, IDC_BI_EDIT_NAME, "家"));
        ASSERT_TRUE(UserInput::Click(dialog, IDCANCEL));
    });
    EXPECT_FALSE(Exists(u8"obj/家"));
    EXPECT_FALSE(Exists("obj/APP_BUKKEN.mdb"));
    EXPECT_EQ(0, Frame().GetBukkenDataFlag());
}

TEST_F(BukkenInput, AccessFilesAreRefusedWhereTheyWouldBeWritten)
{
    auto writeJet = [&](const char* schema, const std::string& rows, const std::string& relative) {
        std::filesystem::remove(m_folder.Path("source.mdb"));
        DaoCreateDatabase(Windows("source.mdb"), std::string(schema) + rows);
        CopyToJetFile(m_folder.Path("source.mdb"), m_folder.Path(relative), JetVersion::Jet4);
    };
    writeJet(appBukkenSchema, "", "obj/APP_BUKKEN.mdb");
    Refused("家", (u8"物件の登録先のデータベースは書き込めません。\n" + Field(Windows("obj/APP_BUKKEN.mdb"))).c_str());
    EXPECT_FALSE(Exists(u8"obj/家"));

    std::string legacy = appUserRegistSchema;
    legacy.erase(legacy.find("    TourokuBangou VARCHAR(60) COLLATE NOCASE,\n"), 46);
    writeJet(legacy.c_str(), "", "com/APP_USER_REGIST.mdb");
    Refused("家",
            (u8"共通データのデータベースは書き込めないため、登録番号の列を追加できません。\n" +
             Field(Windows("com/APP_USER_REGIST.mdb")))
                .c_str(),
            [&](ZnDlgAppBukkenInput& dialog) { dialog.SetDlgItemText(IDC_BI_EDIT_BUKKEN, Windows("obj2")); });
    EXPECT_FALSE(Exists(u8"obj2/家"));

    // An Access COM_CHIIKI.mdb keeps its mark; the property is made and the run log warned.
    std::filesystem::remove(m_folder.Path("com/APP_USER_REGIST.mdb"));
    std::filesystem::remove(m_folder.Path("app/COM_CHIIKI.mdb"));
    std::filesystem::remove(m_folder.Path("source.mdb"));
    MakeSampleDatabase(m_folder.Path("source.mdb"), comChiikiSchema, kRegions);
    CopyToJetFile(m_folder.Path("source.mdb"), m_folder.Path("app/COM_CHIIKI.mdb"), JetVersion::Jet4);
    Open(ID_NEW_ZADAZEZ, [&](ZnDlgAppBukkenInput& dialog) {
        dialog.SetDlgItemText(IDC_BI_EDIT_BUKKEN, Windows("obj2"));
        Accept(dialog, "家");
    });
    EXPECT_TRUE(Exists(u8"obj2/家"));
    EXPECT_EQ((std::vector<std::string>{u8"北海道|0", u8"青森県|0", u8"岩手県|0", u8"茨城県|1", u8"栃木県|1"}),
              RegionMarks());
    std::string log = testsupport::ReadFileBytes(m_folder.Path("ravuRivo.log"));
    EXPECT_NE(std::string::npos, log.find("UpdateChiikiShitei")) << log;
}

TEST_F(BukkenInput, TemplatesAreCopiedOrMadeFromTheSchema)
{
    // A missing template refuses with its path.
    std::filesystem::remove(m_folder.Path("app/APP_BUKKEN.mdb"));
    Refused("家", (u8"データベースの雛形がありません。\n" + Field(Windows("app\\APP_BUKKEN.mdb"))).c_str());
    EXPECT_TRUE(Exists("com/APP_USER_REGIST.mdb"));
    EXPECT_FALSE(Exists(u8"obj/家"));

    // An Access template gives a database made from the schema, which can be written.
    DaoCreateDatabase(Windows("source.mdb"), appBukkenSchema);
    CopyToJetFile(m_folder.Path("source.mdb"), m_folder.Path("app/APP_BUKKEN.mdb"), JetVersion::Jet4);
    Open(ID_NEW_ZADAZEZ, [&](ZnDlgAppBukkenInput& dialog) { Accept(dialog, "家"); });
    EXPECT_EQ(1u, RegisterRows("obj/APP_BUKKEN.mdb").size());
    EXPECT_EQ("SQLite format 3", testsupport::ReadFileBytes(m_folder.Path("obj/APP_BUKKEN.mdb")).substr(0, 15));
}

TEST_F(BukkenInput, ATemplateCopyCutShortLeavesNoDatabaseBehind)
{
    // The disk fills while the reference database's template is copied.
    {
        ziptest::FileSizeLimit limit(1024);
        Refused(
            "家",
            (u8"データベースの雛形をコピーできませんでした。\n" + Field(Windows("com\\APP_USER_REGIST.mdb"))).c_str());
    }
    EXPECT_EQ(std::vector<std::string>{}, ziptest::FolderNames(m_folder.Path("com")));
    EXPECT_EQ(std::vector<std::string>{}, ziptest::FolderNames(m_folder.Path("obj")));
    EXPECT_EQ(CString(), m_app.GetBukkenName());
}

TEST_F(BukkenInput, ARegisterRowThatCannotBeAddedLeavesNothingBehind)
{
    // The register refuses every new property row, as a full disk would.
    DaoCreateDatabase(Windows("obj/APP_BUKKEN.mdb"),
                      std::string(appBukkenSchema) + kGappedRegister +
                          "CREATE TRIGGER Refuse BEFORE INSERT ON AppBukkenKanriTbl BEGIN SELECT RAISE(ABORT, 'full'); "
                          "END;\n");
    Refused("家", u8"物件の登録に失敗しました。");
    EXPECT_FALSE(Exists(u8"obj/家"));
    EXPECT_EQ(2u, RegisterRows("obj/APP_BUKKEN.mdb").size());
    EXPECT_EQ((std::vector<std::string>{u8"0|前の家", u8"0|前の家"}), CheckoutRows("obj/APP_BUKKEN.mdb"));
    EXPECT_EQ((std::vector<std::string>{u8"北海道|0", u8"青森県|0", u8"岩手県|0", u8"茨城県|1", u8"栃木県|1"}),
              RegionMarks());
    EXPECT_EQ(CString(), m_app.GetBukkenName());
    EXPECT_EQ(Windows("obj"), m_app.GetObjFolder());
    EXPECT_EQ(0, Frame().GetBukkenIndex());
}

namespace {
// The work folder's path of the file that another program makes, for the clock below.
std::string g_takenPath;

// The clock, read after every check: meanwhile another program takes the property's name.
COleDateTime ClockWhileTheNameIsTaken()
{
    testsupport::WriteFileBytes(g_takenPath, "taken");
    return FixedClock();
}
} // namespace

TEST_F(BukkenInput, AFolderThatCannotBeMadeLeavesEverythingAsItWas)
{
    DaoCreateDatabase(Windows("obj/APP_BUKKEN.mdb"), std::string(appBukkenSchema) + kGappedRegister);
    g_takenPath = m_folder.Path(u8"obj/家");
    ZnDlgAppBukkenInput::SetClock(&ClockWhileTheNameIsTaken);
    Refused("家", u8"物件の初期生成に失敗しました。", [](ZnDlgAppBukkenInput& dialog) {
        ASSERT_TRUE(UserInput::SelectComboItem(*static_cast<CComboBox*>(dialog.GetDlgItem(IDC_BI_COMBO_CHIIKI)), 1));
    });
    ZnDlgAppBukkenInput::SetClock(&FixedClock);
    EXPECT_EQ("taken", testsupport::ReadFileBytes(g_takenPath));
    EXPECT_EQ(2u, RegisterRows("obj/APP_BUKKEN.mdb").size());
    EXPECT_EQ((std::vector<std::string>{u8"0|前の家", u8"0|前の家"}), CheckoutRows("obj/APP_BUKKEN.mdb"));
    EXPECT_EQ((std::vector<std::string>{u8"北海道|0", u8"青森県|0", u8"岩手県|0", u8"茨城県|1", u8"栃木県|1"}),
              RegionMarks());
    EXPECT_EQ(CString(), m_app.GetBukkenName());
    EXPECT_EQ(CString(), m_app.GetChiikiShitei());
    EXPECT_EQ(Windows("obj"), m_app.GetObjFolder());
    EXPECT_EQ(0, Frame().GetBukkenIndex());
    EXPECT_EQ(0, Frame().GetBukkenDataFlag());
}
