// The code lists of the designer and constructor editors on the sample code databases (codes of
// several regions): the formal names by region, the codes stored and loaded by name, the codes that
// survive an edit, no code database; and an Access reference database, which refuses every change.
// What every editor does is tested over all of them (EditorModesTest and its sisters).
#include "tests/storage/AppDatabaseFixture.h"
#include "tests/support/ReferenceDataFolders.h"
#include "tests/support/ScriptedUi.h"

#include "editors/ZnDlgAppCMSekkeisha.h"
#include "editors/ZnDlgAppCMSekousha.h"
#include "platform/core/Cp932.h"
#include "platform/wnd/Afxwin.h"
#include "platform/wnd/UserInput.h"
#include "res/CommonDataIds.h"
#include "storage/AppDatabaseSchemas.h"

#include <cstdio>

using testsupport::ReadFileBytes;

namespace {

CString Cp932(const std::string& utf8) { return CString(cp932::FromUtf8(utf8).c_str()); }

// Two designers: one with codes of the code tables, one with a qualification code that no table
// bears; a constructor.
const char kRows[] = u8R"(
INSERT INTO AppSekkeishaTbl VALUES (7, -1, '00102', '00211', '2-55', '佐藤', '00302', '00413', 'J-9', '佐藤設計', '330', '0001', 11, '埼玉県さいたま市', '048', '1', '2', '備考A');
INSERT INTO AppSekkeishaTbl VALUES (8, 0, '09999', '00200', '1-1', '鈴木', '', '', '', '', '', '', -1, '', '', '', '', NULL);
INSERT INTO AppSekoushaTbl VALUES (4, 0, '田中建設', '00527', 'K-7', '田中工務店', '530', '0001', 27, '大阪府大阪市', '06', '7', '8', NULL);
)";

std::string Designer(ZnAppSekkeishaTblDAO& r)
{
    return Line(r.m_Hyoujijun, r.m_ShokisentakuFlg, r.m_KenchikushiShikaku, r.m_SekkeishaTourokuShubetsu,
                r.m_KenchikushiTourokuBangou, r.m_Shimei, r.m_JimushoShikaku, r.m_JimushoTourokuShubetsu,
                r.m_JImushoTourokuBangou, r.m_Meishou, r.m_YuubinBangou1, r.m_YuubinBangou2, r.m_TodoufukenmeiBangou,
                r.m_Shozaoti, r.m_DenwaBangou1, r.m_DenwaBangou2, r.m_DenwaBangou3, r.m_Bikou);
}
std::string Constructor(ZnAppSekoushaTblDAO& r)
{
    return Line(r.m_Hyoujijun, r.m_ShokisentakuFlg, r.m_Shimei, r.m_KensetsugyouKyokaShubetsu, r.m_TourokuBangou,
                r.m_Meishou, r.m_YuubinBangou1, r.m_YuubinBangou2, r.m_TodoufukenmeiBangou, r.m_Shozaiti,
                r.m_DenwaBangou1, r.m_DenwaBangou2, r.m_DenwaBangou3, r.m_Bikou);
}

// The rows of a table of folder/APP_USER_REGIST.mdb in table order, each as describe gives it.
template <typename DAO>
std::vector<std::string> TableRows(const CString& folder, std::string (*describe)(DAO&), const char* table)
{
    DAO rows;
    rows.SetDBPath(folder + "\\APP_USER_REGIST.mdb");
    return ReadRows(rows, describe, (std::string("SELECT * FROM ") + table).c_str());
}

// The reference data with the sample code databases of the variant; the editors run on a frame.
class CodeListEditors : public ::testing::TestWithParam<AppDatabaseVariant> {
protected:
    CodeListEditors() : m_data(GetParam(), true)
    {
        mkdir(m_data.folder.Path("other").c_str(), 0777);
        MakeLike(GetParam(), m_data.folder.Path("app/COM_CHIIKI.mdb"),
                 [](const std::string& path) { MakeSampleComChiiki(path); });
        // The empty template that 他ﾃﾞｨﾚｸﾄﾘへｺﾋﾟｰ copies into a folder without a database.
        DaoCreateDatabase(m_data.Windows("app/APP_USER_REGIST.mdb"), appUserRegistSchema);
        DaoCreateDatabase(m_data.Windows("com/APP_USER_REGIST.mdb"), std::string(appUserRegistSchema) + kRows);
        m_data.shell.comFolder = m_data.Windows("com");
        m_data.shell.chiikiBangou = 3;
        m_host = new CFrameWnd;
        m_host->Create(nullptr, "host");
    }
    ~CodeListEditors() override { m_host->DestroyWindow(); }

    // Creates the editor on the host and shows it.
    void Open(CDialog& editor, UINT id)
    {
        ASSERT_TRUE(editor.Create(id, m_host));
        editor.ShowWindow(SW_SHOW);
    }
    static CComboBox& Combo(CDialog& editor, int id) { return *static_cast<CComboBox*>(editor.GetDlgItem(id)); }
    static std::string Shown(CDialog& editor, int id)
    {
        CString text;
        CComboBox& combo = Combo(editor, id);
        if (combo.GetCurSel() >= 0)
            combo.GetLBText(combo.GetCurSel(), text);
        return Field(text);
    }
    // Picks the entry of name as a person does.
    static void Pick(CDialog& editor, int id, const std::string& name)
    {
        CComboBox& combo = Combo(editor, id);
        int index = combo.FindStringExact(-1, Cp932(name));
        ASSERT_GE(index, 0) << name;
        ASSERT_TRUE(UserInput::SelectComboItem(combo, index));
    }
    static void Type(CDialog& editor, int id, const std::string& text)
    {
        ASSERT_TRUE(UserInput::ReplaceText(editor, id, Cp932(text)));
    }
    static void Press(CDialog& editor, int id) { ASSERT_TRUE(UserInput::Click(editor, id)); }
    // Selects the list row with that key.
    static void Select(ZnDlgAppCMEditor& editor, const std::string& key)
    {
        CListCtrl& list = editor.GetList();
        for (int i = 0; i < list.GetItemCount(); ++i)
            if (Field(list.GetItemText(i, 0)) == key) {
                ASSERT_TRUE(UserInput::ClickListItem(list, i));
                return;
            }
        FAIL() << "no row " << key;
    }
    std::vector<std::string> Messages()
    {
        std::vector<std::string> texts;
        for (const MessageBoxRequest& request : m_ui.messageBoxes)
            texts.push_back(Field(request.text));
        m_ui.messageBoxes.clear();
        return texts;
    }

    ReferenceDataFolders m_data;
    ScriptedUi m_ui;
    CFrameWnd* m_host = nullptr;
};

const std::string kArchitectKinds =
    u8"|国土交通大臣|埼玉県知事|東京都知事|神奈川県知事|北海道知事|京都府知事|大阪府知事|福岡県知事";

} // namespace

TEST_P(CodeListEditors, DesignerListsTheFormalNamesAndTheRegionsKindsFirst)
{
    ZnDlgAppCMSekkeisha editor;
    Open(editor, IDD_CM_SEKKEISHA);
    EXPECT_EQ(u8"|一級建築士|二級建築士|木造建築士", ComboTexts(Combo(editor, IDC_CD_KENCHIKUSHI_SHIKAKU)));
    EXPECT_EQ(kArchitectKinds, ComboTexts(Combo(editor, IDC_CD_KENCHIKUSHI_SHUBETSU)));
    EXPECT_EQ(u8"|一級建築士事務所|二級建築士事務所|木造建築士事務所",
              ComboTexts(Combo(editor, IDC_CD_JIMUSHO_SHIKAKU)));
    EXPECT_EQ(u8"|埼玉県知事|東京都知事|神奈川県知事|北海道知事|大阪府知事|その他",
              ComboTexts(Combo(editor, IDC_CD_JIMUSHO_SHUBETSU)));
    // One column, the initially selected designer first.
    CListCtrl& list = editor.GetList();
    ASSERT_EQ(1, list.GetColumnCount());
    EXPECT_EQ(u8"氏名", Field(list.GetColumnHeading(0)));
    CRect client;
    list.GetClientRect(&client);
    EXPECT_EQ(client.Width() - GetSystemMetrics(SM_CXHTHUMB), list.GetColumnWidth(0));
    EXPECT_EQ(u8"佐藤", Field(list.GetItemText(0, 0)));
    EXPECT_EQ(u8"鈴木", Field(list.GetItemText(1, 0)));

    // Another region puts its own kinds first.
    editor.DestroyWindow();
    m_data.shell.chiikiBangou = 5;
    Open(editor, IDD_CM_SEKKEISHA);
    EXPECT_EQ(u8"|国土交通大臣|京都府知事|大阪府知事|北海道知事|埼玉県知事|東京都知事|神奈川県知事|福岡県知事",
              ComboTexts(Combo(editor, IDC_CD_KENCHIKUSHI_SHUBETSU)));
}

TEST_P(CodeListEditors, DesignerStoresCodesAndLoadsTheirNamesInAnyRegion)
{
    ZnDlgAppCMSekkeisha editor;
    Open(editor, IDD_CM_SEKKEISHA);
    Press(editor, IDC_CD_NEW);
    EXPECT_EQ(editor.GetDlgItem(IDC_CD_SEKKEISHA_SHIMEI), CWnd::GetFocus());
    Pick(editor, IDC_CD_KENCHIKUSHI_SHIKAKU, u8"一級建築士");
    Pick(editor, IDC_CD_KENCHIKUSHI_SHUBETSU, u8"神奈川県知事");
    Type(editor, IDC_CD_KENCHIKUSHI_BANGOU, "12345");
    Type(editor, IDC_CD_SEKKEISHA_SHIMEI, u8"山本");
    Pick(editor, IDC_CD_JIMUSHO_SHIKAKU, u8"木造建築士事務所");
    Pick(editor, IDC_CD_JIMUSHO_SHUBETSU, u8"その他");
    Type(editor, IDC_CD_JIMUSHO_BANGOU, "J-1");
    Type(editor, IDC_CD_MEISHOU, u8"山本工房");
    Type(editor, IDC_CD_YUUBIN1, "2310");
    Type(editor, IDC_CD_YUUBIN2, "0023");
    Pick(editor, IDC_CD_TODOUFUKEN, u8"神奈川県");
    Type(editor, IDC_CD_DENWA1, "045");
    Type(editor, IDC_CD_DENWA2, "1");
    Type(editor, IDC_CD_DENWA3, "2");
    Press(editor, IDC_CD_REGISTER);
    // The prefecture chosen into the empty address; the postcode cut to its three bytes.
    const std::string stored = u8"0|0|00101|00214|12345|山本|00303|00499|J-1|山本工房|231|0023|14|神奈川県|045|1|2|";
    EXPECT_EQ((std::vector<std::string>{u8"7|1|00102|00211|2-55|佐藤|00302|00413|J-9|佐藤設計|330|0001|11|"
                                        u8"埼玉県さいたま市|048|1|2|備考A",
                                        u8"8|0|09999|00200|1-1|鈴木|||||||-1|||||", stored}),
              TableRows(m_data.Windows("com"), Designer, "AppSekkeishaTbl"));

    // Loaded in another region's order, the same names; stored again unchanged.
    editor.DestroyWindow();
    m_data.shell.chiikiBangou = 8;
    Open(editor, IDD_CM_SEKKEISHA);
    Select(editor, u8"山本");
    Press(editor, IDC_CD_EDIT);
    EXPECT_EQ(editor.GetDlgItem(IDC_CD_SEKKEISHA_SHIMEI), CWnd::GetFocus());
    EXPECT_EQ(u8"一級建築士|神奈川県知事|木造建築士事務所|その他|神奈川県",
              Shown(editor, IDC_CD_KENCHIKUSHI_SHIKAKU) + "|" + Shown(editor, IDC_CD_KENCHIKUSHI_SHUBETSU) + "|" +
                  Shown(editor, IDC_CD_JIMUSHO_SHIKAKU) + "|" + Shown(editor, IDC_CD_JIMUSHO_SHUBETSU) + "|" +
                  Shown(editor, IDC_CD_TODOUFUKEN));
    Press(editor, IDC_CD_REGISTER);
    EXPECT_EQ(stored, TableRows(m_data.Windows("com"), Designer, "AppSekkeishaTbl")[2]);

    // Blank entries store "".
    Select(editor, u8"山本");
    Press(editor, IDC_CD_EDIT);
    for (int id :
         {IDC_CD_KENCHIKUSHI_SHIKAKU, IDC_CD_KENCHIKUSHI_SHUBETSU, IDC_CD_JIMUSHO_SHIKAKU, IDC_CD_JIMUSHO_SHUBETSU})
        Pick(editor, id, "");
    Press(editor, IDC_CD_REGISTER);
    EXPECT_EQ(u8"0|0|||12345|山本|||J-1|山本工房|231|0023|14|神奈川県|045|1|2|",
              TableRows(m_data.Windows("com"), Designer, "AppSekkeishaTbl")[2]);
    EXPECT_EQ(std::vector<std::string>{}, Messages());
}

TEST_P(CodeListEditors, AnUnknownCodeShowsBlankAndSurvivesUntilTheUserChangesIt)
{
    ZnDlgAppCMSekkeisha editor;
    Open(editor, IDD_CM_SEKKEISHA);
    Select(editor, u8"鈴木");
    Press(editor, IDC_CD_EDIT);
    EXPECT_EQ("", Shown(editor, IDC_CD_KENCHIKUSHI_SHIKAKU));
    EXPECT_EQ(u8"国土交通大臣", Shown(editor, IDC_CD_KENCHIKUSHI_SHUBETSU));
    Type(editor, IDC_CD_KENCHIKUSHI_BANGOU, "1-2");
    Press(editor, IDC_CD_REGISTER);
    EXPECT_EQ(u8"8|0|09999|00200|1-2|鈴木|||||||-1|||||",
              TableRows(m_data.Windows("com"), Designer, "AppSekkeishaTbl")[1]);

    // Chosen by the user, the name's code replaces it.
    Select(editor, u8"鈴木");
    Press(editor, IDC_CD_EDIT);
    Pick(editor, IDC_CD_KENCHIKUSHI_SHIKAKU, u8"二級建築士");
    Press(editor, IDC_CD_REGISTER);
    EXPECT_EQ(u8"8|0|00102|00200|1-2|鈴木|||||||-1|||||",
              TableRows(m_data.Windows("com"), Designer, "AppSekkeishaTbl")[1]);
}

TEST_P(CodeListEditors, ConstructorStoresThePermitKindsCode)
{
    ZnDlgAppCMSekousha editor;
    Open(editor, IDD_CM_SEKOUSHA);
    EXPECT_EQ(u8"|国土交通大臣許可|埼玉県知事許可|東京都知事許可|大阪府知事許可|福岡県知事許可",
              ComboTexts(Combo(editor, IDC_CD_KYOKA_SHUBETSU)));
    EXPECT_EQ(1, editor.GetList().GetColumnCount());

    Select(editor, u8"田中建設");
    Press(editor, IDC_CD_EDIT);
    EXPECT_EQ(editor.GetDlgItem(IDC_CD_SEKKEISHA_SHIMEI), CWnd::GetFocus());
    EXPECT_EQ(u8"大阪府知事許可", Shown(editor, IDC_CD_KYOKA_SHUBETSU));
    Press(editor, IDC_CD_CANCEL);

    Press(editor, IDC_CD_NEW);
    EXPECT_EQ(editor.GetDlgItem(IDC_CD_SEKKEISHA_SHIMEI), CWnd::GetFocus());
    // 登録 without a name: the key label's message and the focus on the name.
    m_ui.AnswerMessageBox(IDOK);
    Press(editor, IDC_CD_REGISTER);
    EXPECT_EQ(std::vector<std::string>{u8"氏名を入力してください。"}, Messages());
    EXPECT_EQ(editor.GetDlgItem(IDC_CD_SEKKEISHA_SHIMEI), CWnd::GetFocus());
    Type(editor, IDC_CD_SEKKEISHA_SHIMEI, u8"伊藤組");
    Pick(editor, IDC_CD_KYOKA_SHUBETSU, u8"東京都知事許可");
    Type(editor, IDC_CD_TOUROKU_BANGOU, "12");
    Type(editor, IDC_CD_MEISHOU, u8"伊藤");
    Press(editor, IDC_CD_REGISTER);
    EXPECT_EQ((std::vector<std::string>{u8"4|0|田中建設|00527|K-7|田中工務店|530|0001|27|大阪府大阪市|06|7|8|",
                                        u8"0|0|伊藤組|00513|12|伊藤|||-1|||||"}),
              TableRows(m_data.Windows("com"), Constructor, "AppSekoushaTbl"));

    Select(editor, u8"田中建設");
    m_ui.AnswerFolder(m_data.Windows("other"));
    m_ui.AnswerMessageBox(IDOK);
    Press(editor, IDC_CD_COPY_TO_DIR);
    EXPECT_EQ(std::vector<std::string>{u8"0|0|田中建設|00527|K-7|田中工務店|530|0001|27|大阪府大阪市|06|7|8|"},
              TableRows(m_data.Windows("other"), Constructor, "AppSekoushaTbl"));
}

INSTANTIATE_TEST_SUITE_P(CodeDatabases, CodeListEditors, ::testing::ValuesIn(AppDatabaseVariants()),
                         [](const auto& info) { return info.param.name; });

// Without COM_CODE.mdb the code lists stay empty; an edit keeps the stored codes.
TEST(CodeListEditorsWithoutCodes, ListsStayEmptyAndStoredCodesSurvive)
{
    ScriptedUi ui;
    testsupport::TempFolder folder;
    for (const char* name : {"com", "app"})
        mkdir(folder.Path(name).c_str(), 0777);
    testsupport::TestShellState shell;
    shell.appFolder = LinuxPathToWin(folder.Path("app")).c_str();
    shell.comFolder = LinuxPathToWin(folder.Path("com")).c_str();
    CString database = shell.comFolder + "\\APP_USER_REGIST.mdb";
    DaoCreateDatabase(database, std::string(appUserRegistSchema) + kRows);
    MakeSampleComChiiki(folder.Path("app/COM_CHIIKI.mdb"));
    ZnAppComTblAccess access;
    access.Init();
    shell.comTblAccess = &access;
    CFrameWnd* host = new CFrameWnd;
    host->Create(nullptr, "host");
    ZnDlgAppCMSekousha editor;
    ASSERT_TRUE(editor.Create(IDD_CM_SEKOUSHA, host));
    editor.ShowWindow(SW_SHOW);
    EXPECT_EQ(0, static_cast<CComboBox*>(editor.GetDlgItem(IDC_CD_KYOKA_SHUBETSU))->GetCount());
    ASSERT_TRUE(UserInput::ClickListItem(editor.GetList(), 0));
    ASSERT_TRUE(UserInput::Click(editor, IDC_CD_EDIT));
    ASSERT_TRUE(UserInput::ReplaceText(editor, IDC_CD_TOUROKU_BANGOU, "K-8"));
    ASSERT_TRUE(UserInput::Click(editor, IDC_CD_REGISTER));
    host->DestroyWindow();
    EXPECT_EQ(std::vector<std::string>{u8"4|0|田中建設|00527|K-8|田中工務店|530|0001|27|大阪府大阪市|06|7|8|"},
              TableRows(shell.comFolder, Constructor, "AppSekoushaTbl"));
}

// An Access reference database lists its rows; every change ends in Jet's read-only error with the
// file unchanged.
TEST_P(CodeListEditors, AnAccessReferenceDatabaseRefusesEveryChange)
{
    std::remove(m_data.folder.Path("com/APP_USER_REGIST.mdb").c_str());
    MakeLike(AppDatabaseVariants()[1], m_data.folder.Path("com/APP_USER_REGIST.mdb"), [](const std::string& path) {
        DaoCreateDatabase(path.c_str(), std::string(appUserRegistSchema) + kRows);
    });
    const std::string before = ReadFileBytes(m_data.folder.Path("com/APP_USER_REGIST.mdb"));
    const std::string readOnly = Field(DaoErrorDescription(daoErrReadOnly));
    ZnDlgAppCMSekkeisha editor;
    Open(editor, IDD_CM_SEKKEISHA);
    EXPECT_EQ(2, editor.GetList().GetItemCount());
    Select(editor, u8"佐藤");
    Press(editor, IDC_CD_EDIT);
    EXPECT_EQ(u8"二級建築士", Shown(editor, IDC_CD_KENCHIKUSHI_SHIKAKU));
    Pick(editor, IDC_CD_KENCHIKUSHI_SHIKAKU, u8"一級建築士");
    m_ui.AnswerMessageBox(IDOK);
    Press(editor, IDC_CD_REGISTER);
    EXPECT_EQ(std::vector<std::string>{readOnly}, Messages());
    EXPECT_EQ(2, editor.GetMode());
    Press(editor, IDC_CD_CANCEL);
    Press(editor, IDC_CD_NEW);
    Type(editor, IDC_CD_SEKKEISHA_SHIMEI, u8"新人");
    m_ui.AnswerMessageBox(IDOK);
    Press(editor, IDC_CD_REGISTER);
    EXPECT_EQ(std::vector<std::string>{readOnly}, Messages());
    Select(editor, u8"佐藤");
    m_ui.AnswerMessageBox(IDOK);
    m_ui.AnswerMessageBox(IDOK);
    Press(editor, IDC_CD_DELETE);
    EXPECT_EQ((std::vector<std::string>{u8"佐藤 を削除してもよろしいですか？", readOnly}), Messages());
    editor.DestroyWindow();
    EXPECT_EQ(before, ReadFileBytes(m_data.folder.Path("com/APP_USER_REGIST.mdb")));
}
