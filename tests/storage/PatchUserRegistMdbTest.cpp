// The schema patch of APP_USER_REGIST.mdb, and the recordset that needs it.
#include "tests/storage/AppDatabaseFixture.h"

#include "storage/AppDatabaseSchemas.h"
#include "storage/PatchUserRegistMdb.h"
#include "storage/ZnAppSetsubishaTblDAO.h"
#include "tests/support/ScriptedUi.h"

#include <sys/stat.h>

using Rows = std::vector<std::string>;
using testsupport::ReadFileBytes;

namespace {

Rows EquipmentDesigners()
{
    ZnAppSetsubishaTblDAO set;
    return ReadRows(set, [](ZnAppSetsubishaTblDAO& s) {
        return Line(s.m_Hyoujijun, s.m_ShokisentakuFlg, s.m_Shimei, s.m_TourokuBangou, s.m_Kinmusaki, s.m_YuubinBangou1,
                    s.m_YuubinBangou2, s.m_TodoufukenmeiBangou, s.m_Shozaiti, s.m_DenwaBangou1, s.m_DenwaBangou2,
                    s.m_DenwaBangou3, s.m_Bikou);
    });
}

// The message boxes shown while body runs, as CP932 texts; each must have the one OK button.
std::vector<std::string> MessagesOf(const std::function<void()>& body)
{
    RecordingUi ui;
    body();
    std::vector<std::string> texts;
    for (const MessageBoxRequest& box : ui.messageBoxes) {
        EXPECT_EQ(static_cast<UINT>(MB_OK), box.type & MB_TYPEMASK);
        texts.push_back(box.text.Bytes());
    }
    return texts;
}

} // namespace

class PatchUserRegist : public AppDatabaseSuite {
protected:
    // An older APP_USER_REGIST.mdb in the common-data folder, in place of the current one.
    void MakeOldLayout()
    {
        m_path = m_folder.Path("old");
        mkdir(m_path.c_str(), 0777);
        Make(m_path + "/APP_USER_REGIST.mdb", "", "storage/OldAppSetsubishaTbl.sql");
        m_shell.comFolder = Windows(m_path);
        m_path += "/APP_USER_REGIST.mdb";
    }

    std::string m_path;
};

// The recordset fails on the older layout with an error that names the column; the patch adds
// the column and keeps every row; afterwards it finds the column and changes nothing.
TEST_P(PatchUserRegist, AddsTheMissingColumnOnce)
{
    MakeOldLayout();
    CString description;
    EXPECT_EQ(daoErrItemNotFound, DaoErrorOf([] { EquipmentDesigners(); }, &description));
    EXPECT_EQ("要求された名前 'TourokuBangou' に対応する項目がこのコレクションにありません。", description);

    std::string before = ReadFileBytes(m_path);
    int result = 0;
    std::vector<std::string> messages = MessagesOf([&] { result = PatchUserRegistMdb(Windows(m_path)); });
    if (!GetParam().writable) {
        EXPECT_EQ(-1, result);
        EXPECT_EQ(std::vector<std::string>{"Couldn't create field--Exception: "
                                           "データベースまたはオブジェクトが読み取り専用なので、更新できません。"},
                  messages);
        EXPECT_EQ(before, ReadFileBytes(m_path));
        return;
    }
    EXPECT_EQ(1, result);
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ((Rows{u8"2|0|D'Arcy||Arcy Eng|980|0811|4|宮城県仙台市青葉区|022|234|5678|x",
                    u8"1|1|設備 三郎||三郎設備事務所|810|0001|40|福岡県福岡市中央区|092|123|4567|"}),
              EquipmentDesigners());

    CDaoDatabase database;
    database.Open(Windows(m_path));
    CDaoTableDef table(&database);
    table.Open("AppSetsubishaTbl");
    CDaoFieldInfo info;
    table.GetFieldInfo("TourokuBangou", info, AFX_DAO_SECONDARY_INFO);
    EXPECT_EQ(dbText, info.m_nType);
    EXPECT_EQ(60, info.m_lSize);
    EXPECT_EQ(FALSE, info.m_bRequired);
    EXPECT_EQ(TRUE, info.m_bAllowZeroLength);
    table.Close();
    database.Close();

    std::string patched = ReadFileBytes(m_path);
    for (int run = 0; run < 2; ++run) {
        EXPECT_TRUE(MessagesOf([&] { EXPECT_EQ(0, PatchUserRegistMdb(Windows(m_path))); }).empty());
        EXPECT_EQ(patched, ReadFileBytes(m_path));
    }
}

// The current layout already has the column: nothing changes, however often the patch runs.
// Each failure gives -1 with its message (none for an empty path) and leaves the file as it was.
TEST_P(PatchUserRegist, LeavesTheCurrentLayoutAloneAndReportsEachFailure)
{
    std::string path = m_folder.Path("com/APP_USER_REGIST.mdb");
    std::string current = ReadFileBytes(path);
    for (int run = 0; run < 2; ++run) {
        EXPECT_TRUE(MessagesOf([&] { EXPECT_EQ(0, PatchUserRegistMdb(Windows(path))); }).empty());
        EXPECT_EQ(current, ReadFileBytes(path));
    }
    EXPECT_TRUE(MessagesOf([] { EXPECT_EQ(-1, PatchUserRegistMdb("")); }).empty());

    CString missing = Windows(m_folder.Path("com/NONE.mdb"));
    EXPECT_EQ(std::vector<std::string>{"MDBのオープンに失敗しました。\nファイル '" + missing.Bytes() +
                                       "' が見つかりません。"},
              MessagesOf([&] { EXPECT_EQ(-1, PatchUserRegistMdb(missing)); }));

    std::string bukken = m_folder.Path("obj/APP_BUKKEN.mdb");
    std::string before = ReadFileBytes(bukken);
    EXPECT_EQ(std::vector<std::string>{"Couldn't open tabledef--Exception: 要求された名前 'AppSetsubishaTbl' "
                                       "に対応する項目がこのコレクションにありません。"},
              MessagesOf([&] { EXPECT_EQ(-1, PatchUserRegistMdb(Windows(bukken))); }));
    EXPECT_EQ(before, ReadFileBytes(bukken));

    std::string text = m_folder.Path("com/notes.mdb");
    testsupport::WriteFileBytes(text, "not a database\r\n");
    CString notDatabase = Windows(text);
    EXPECT_EQ(std::vector<std::string>{"MDBのオープンに失敗しました。\nデータベースの形式 '" + notDatabase.Bytes() +
                                       "' を認識できません。"},
              MessagesOf([&] { EXPECT_EQ(-1, PatchUserRegistMdb(notDatabase)); }));
    EXPECT_EQ("not a database\r\n", ReadFileBytes(text));
}

INSTANTIATE_TEST_SUITE_P(Variants, PatchUserRegist, ::testing::ValuesIn(AppDatabaseVariants()),
                         [](const auto& info) { return info.param.name; });

// The helpers own one object each through the pointer they are given.
TEST(PatchHelpers, OwnTheirObjectsAndReportAsAsked)
{
    testsupport::TempFolder folder;
    CString missing = CString(folder.Path("none.mdb").c_str());
    CDaoDatabase* database = nullptr;
    EXPECT_TRUE(MessagesOf([&] { EXPECT_EQ(0, OpenMdb(&database, missing, 0)); }).empty());
    EXPECT_EQ(nullptr, database);

    std::string path = folder.Path("APP_USER_REGIST.mdb");
    DaoCreateDatabase(path.c_str(), appUserRegistSchema);
    ASSERT_EQ(1, OpenMdb(&database, path.c_str(), 1));
    ASSERT_EQ(1, OpenMdb(&database, path.c_str(), 1)); // the first object is closed and deleted
    CDaoTableDef* table = nullptr;
    EXPECT_EQ(0, OpenTableDef(nullptr, &table, "AppSetsubishaTbl"));
    ASSERT_EQ(1, OpenTableDef(database, &table, "AppSetsubishaTbl"));
    EXPECT_EQ(1, FieldExists(table, "tourokubangou"));
    EXPECT_EQ(0, FieldExists(table, "Nai"));
    EXPECT_EQ(0, FieldExists(nullptr, "TourokuBangou"));

    CDaoFieldInfo info;
    info.m_strName = "TourokuBangou";
    info.m_nType = dbText;
    info.m_lSize = 60;
    EXPECT_EQ(std::vector<std::string>{"A field by that name already exists."},
              MessagesOf([&] { EXPECT_EQ(0, CreateFieldChecked(table, info)); }));
    info.m_nType = 99;
    info.m_strName = "Strange";
    EXPECT_EQ(
        std::vector<std::string>{
            "Couldn't create field--Exception: フィールド 'Strange' のデータ型が正しくありません。"},
        MessagesOf([&] { EXPECT_EQ(0, CreateFieldChecked(table, info)); }));

    CloseTableDef(&table);
    CloseMdb(&database);
    EXPECT_EQ(nullptr, table);
    EXPECT_EQ(nullptr, database);
    CloseTableDef(&table);
    CloseMdb(&database);
}
