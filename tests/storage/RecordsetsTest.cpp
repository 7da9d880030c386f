// The recordsets over the application's three files: rows, key forms, queries, failures, patch.

#include "tests/storage/AppDatabaseFixture.h"
#include "tests/support/ScriptedUi.h"
#include "tests/support/TabbedCases.h"
#include "tests/support/TestSupport.h"

#include "platform/wnd/CComboBox.h"
#include "storage/AppDatabaseSchemas.h"
#include "storage/DoubleQuoteChars.h"
#include "storage/PatchUserRegistMdb.h"
#include "storage/ZnAppBukkenKanriTblDAO.h"
#include "storage/ZnAppBukkenShousaiTblDAO.h"
#include "storage/ZnAppCheckoutTblDAO.h"
#include "storage/ZnAppChiikiShiteiQ2TblDAO.h"
#include "storage/ZnAppChiikiShiteiTblDAO.h"
#include "storage/ZnAppChimeiChibanTblDAO.h"
#include "storage/ZnAppGaihekiTblDAO.h"
#include "storage/ZnAppKenchikunushiTblDAO.h"
#include "storage/ZnAppSekkeishaTblDAO.h"
#include "storage/ZnAppSekoushaTblDAO.h"
#include "storage/ZnAppSetsubishaTblDAO.h"
#include "storage/ZnAppShinseishaTblDAO.h"
#include "storage/ZnAppTanbunTblDAO.h"
#include "storage/ZnAppTodoufukenQTblDAO.h"
#include "storage/ZnAppTokuteiKouteiTblDAO.h"
#include "storage/ZnAppYaneTblDAO.h"

#include <memory>
#include <sys/stat.h>

using Rows = std::vector<std::string>;
using testsupport::ReadFileBytes;

namespace {

template <typename Set, typename Describe> Rows DefaultRows(Describe describe)
{
    Set set;
    return ReadRows(set, describe);
}

// A class's rows with the members given, in the order of its table's columns.
#define ROWS(Set, ...) {#Set, DefaultRows<Set>([](Set& s) { return Line(__VA_ARGS__); })}
#define ITEM_ROWS(Set) ROWS(Set, s.m_Hyoujijun, s.m_ShokisentakuFlg, s.m_KoumokuMei, s.m_Bikou)

Rows EquipmentDesigners()
{
    return DefaultRows<ZnAppSetsubishaTblDAO>([](ZnAppSetsubishaTblDAO& s) {
        return Line(s.m_Hyoujijun, s.m_ShokisentakuFlg, s.m_Shimei, s.m_TourokuBangou, s.m_Kinmusaki, s.m_YuubinBangou1,
                    s.m_YuubinBangou2, s.m_TodoufukenmeiBangou, s.m_Shozaiti, s.m_DenwaBangou1, s.m_DenwaBangou2,
                    s.m_DenwaBangou3, s.m_Bikou);
    });
}

std::map<std::string, Rows> RowsOfEveryClass()
{
    return {
        ROWS(ZnAppBukkenKanriTblDAO, s.m_BukkenIndex, s.m_Bukkenmei, s.m_Koushinbi, s.m_ChikiShiteiCode,
             s.m_ShinseiKubun, s.m_HozonDirectory, s.m_Bikou),
        ROWS(ZnAppBukkenShousaiTblDAO, s.m_BukkenShousaiIndex, s.m_BukkenIndex, s.m_ShinseiShoruiName,
             s.m_ShinseiShubetuCode, s.m_HeiganCode, s.m_ShinseiKaisuu, s.m_Koushinbi, s.m_UketukeBangou,
             s.m_ZadazezBangou, s.m_GoukakuBangou, s.m_FileName, s.m_Bikou),
        ROWS(ZnAppCheckoutTblDAO, s.m_BukkenKeyCode, s.m_BukkenKeyName, s.m_CheckoutSubsystem, s.m_ShiyoushaID,
             s.m_ShiyoushaCode, s.m_ShiyoushaName, s.m_ShiyoushaFirstName, s.m_ShiyoushaTanmatsu, s.m_Bikou),
        ROWS(ZnAppChiikiShiteiQ2TblDAO, s.m_ShokiSentakuFlg, s.m_ChiikiMei, s.m_ChiikiBangou),
        ROWS(ZnAppChiikiShiteiTblDAO, s.m_ChiikiBangou, s.m_ChiikiRenban, s.m_ChiikiMei, s.m_TodoufukenBangou,
             s.m_Todoufuken, s.m_ShokiSentakuFlg, s.m_Bikou),
        ROWS(ZnAppTodoufukenQTblDAO, s.m_Todoufuken, s.m_TodoufukenBangou, s.m_ShokiSentakuFlg, s.m_ChiikiBangou,
             s.m_ChiikiRenban),
        ROWS(ZnAppKenchikunushiTblDAO, s.m_Houjijun, s.m_ShokisentakuFlg, s.m_Furigana, s.m_Shimei, s.m_YuubinBangou1,
             s.m_YuubinBangou2, s.m_TodoufukenmeiBangou, s.m_Juusho, s.m_DenwaBangou1, s.m_DenwaBangou2,
             s.m_DenwaBangou3, s.m_Bikou),
        ROWS(ZnAppShinseishaTblDAO, s.m_Hyoujijun, s.m_ShokisentakuFlg, s.m_Furigana, s.m_Shimei, s.m_Bikou),
        ROWS(ZnAppSekkeishaTblDAO, s.m_Hyoujijun, s.m_ShokisentakuFlg, s.m_KenchikushiShikaku,
             s.m_SekkeishaTourokuShubetsu, s.m_KenchikushiTourokuBangou, s.m_Shimei, s.m_JimushoShikaku,
             s.m_JimushoTourokuShubetsu, s.m_JImushoTourokuBangou, s.m_Meishou, s.m_YuubinBangou1, s.m_YuubinBangou2,
             s.m_TodoufukenmeiBangou, s.m_Shozaoti, s.m_DenwaBangou1, s.m_DenwaBangou2, s.m_DenwaBangou3, s.m_Bikou),
        ROWS(ZnAppSekoushaTblDAO, s.m_Hyoujijun, s.m_ShokisentakuFlg, s.m_Shimei, s.m_KensetsugyouKyokaShubetsu,
             s.m_TourokuBangou, s.m_Meishou, s.m_YuubinBangou1, s.m_YuubinBangou2, s.m_TodoufukenmeiBangou,
             s.m_Shozaiti, s.m_DenwaBangou1, s.m_DenwaBangou2, s.m_DenwaBangou3, s.m_Bikou),
        {"ZnAppSetsubishaTblDAO", EquipmentDesigners()},
        ROWS(ZnAppChimeiChibanTblDAO, s.m_Hyoujijun, s.m_ShokisentakuFlg, s.m_YuubinBangou1, s.m_YuubinBangou2,
             s.m_TodoufukenmeiBangou, s.m_Juusho, s.m_ChimeiChibanCode, s.m_Bikou),
        ITEM_ROWS(ZnAppGaihekiTblDAO),
        ITEM_ROWS(ZnAppTokuteiKouteiTblDAO),
        ITEM_ROWS(ZnAppYaneTblDAO),
        ROWS(ZnAppTanbunTblDAO, s.m_Tanbun),
    };
}

// The key member of every row that the key form of Set finds for key.
template <typename Set> Rows FindByKey(const CString& key, CString Set::*member)
{
    Set set;
    set.SetKeyFilter(key);
    return ReadRows(set, [member](Set& s) { return Field(s.*member); });
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

// The text after DoubleQuoteChars, and its result.
std::pair<std::string, int> Doubled(const std::string& text, LPCTSTR chars)
{
    CString value(text);
    int result = DoubleQuoteChars(&value, chars);
    return {value.Bytes(), result};
}

} // namespace

class Recordsets : public AppDatabaseSuite {};

// Each class reads its own folder's file (rows differ), each column into its own member.
TEST_P(Recordsets, EveryClassReadsItsRowsInItsOrder)
{
    EXPECT_EQ(testsupport::ReadKeyedLines("storage/recordset_rows.txt"), RowsOfEveryClass());
}

// A key form finds its key column's row; quotes are doubled and text compares without case.
TEST_P(Recordsets, KeyFormsFindTheirRow)
{
    EXPECT_EQ(Rows{"O'Hara"}, FindByKey("O'Hara", &ZnAppKenchikunushiTblDAO::m_Shimei));
    EXPECT_EQ(Rows{"O'Brien"}, FindByKey("O'Brien", &ZnAppShinseishaTblDAO::m_Shimei));
    EXPECT_EQ(Rows{"Aoki"}, FindByKey("aoki", &ZnAppShinseishaTblDAO::m_Shimei));
    EXPECT_EQ(Rows{u8"表札"}, FindByKey("表札", &ZnAppShinseishaTblDAO::m_Shimei));
    EXPECT_EQ(Rows{}, FindByKey("Nobody", &ZnAppShinseishaTblDAO::m_Shimei));
    EXPECT_EQ(Rows{"Carter"}, FindByKey("Carter", &ZnAppSekkeishaTblDAO::m_Shimei));
    EXPECT_EQ(Rows{u8"施工 次郎"}, FindByKey("施工 次郎", &ZnAppSekoushaTblDAO::m_Shimei));
    EXPECT_EQ(Rows{"D'Arcy"}, FindByKey("D'Arcy", &ZnAppSetsubishaTblDAO::m_Shimei));
    EXPECT_EQ(Rows{u8"永田町1-7-1"}, FindByKey("永田町1-7-1", &ZnAppChimeiChibanTblDAO::m_Juusho));
    EXPECT_EQ(Rows{"ALC"}, FindByKey("alc", &ZnAppGaihekiTblDAO::m_KoumokuMei));
    EXPECT_EQ(Rows{u8"屋根の小屋組の工事"}, FindByKey("屋根の小屋組の工事", &ZnAppTokuteiKouteiTblDAO::m_KoumokuMei));
    EXPECT_EQ(Rows{"Metal 'G'"}, FindByKey("Metal 'G'", &ZnAppYaneTblDAO::m_KoumokuMei));
    EXPECT_EQ(Rows{"It's"}, FindByKey("It's", &ZnAppTanbunTblDAO::m_Tanbun));
    // A quote after a lead byte is a character of its own, doubled like any other: it never ends
    // the literal, whatever follows it.
    EXPECT_EQ(Rows{}, FindByKey("\x81'", &ZnAppShinseishaTblDAO::m_Shimei));
    EXPECT_EQ(Rows{}, FindByKey("\x81' OR 'a' = 'a", &ZnAppShinseishaTblDAO::m_Shimei));

    // An empty key lists the whole table again, in the class's order.
    ZnAppShinseishaTblDAO set;
    set.SetKeyFilter("O'Brien");
    set.SetKeyFilter("");
    EXPECT_EQ((Rows{"baker", "Aoki", u8"表札", "O'Brien"}),
              ReadRows(set, [](ZnAppShinseishaTblDAO& s) { return Field(s.m_Shimei); }));
}

TEST_P(Recordsets, PropertyListsAndDocumentNumbers)
{
    ZnAppBukkenKanriTblDAO register_;
    auto property = [](ZnAppBukkenKanriTblDAO& s) { return Line(s.m_BukkenIndex, s.m_Bukkenmei); };
    EXPECT_EQ((Rows{u8"3|O'Hara 表", u8"2|南町の家", "1|Plant A"}),
              ReadRows(register_, property, ZnAppBukkenKanriTblDAO::GetSortedSQL()));

    ZnAppBukkenShousaiTblDAO documents;
    EXPECT_EQ(-1, documents.GetMaxShousaiIndex());
    auto document = [](ZnAppBukkenShousaiTblDAO& s) { return Line(s.m_BukkenShousaiIndex, s.m_ShinseiShubetuCode); };
    EXPECT_EQ((Rows{"3|100001", "5|100101", "7|100301"}),
              ReadRows(documents, document, ZnAppBukkenShousaiTblDAO::GetSQLByBukkenIndex(1)));

    // The largest number of the open documents, whatever row is current; an empty set gives 0.
    documents.Open(dbOpenDynaset, ZnAppBukkenShousaiTblDAO::GetSQLByBukkenIndex(1), 0);
    documents.MoveNext();
    EXPECT_EQ(7, documents.GetMaxShousaiIndex());
    EXPECT_TRUE(documents.IsEOF());
    documents.Open(dbOpenDynaset, ZnAppBukkenShousaiTblDAO::GetSQLByBukkenIndex(3), 0);
    EXPECT_EQ(0, documents.GetMaxShousaiIndex());
    documents.Close();
    EXPECT_EQ(-1, documents.GetMaxShousaiIndex());
}

// The lookups and the combo box open the recordset themselves and leave it closed.
TEST_P(Recordsets, PrefectureLookupsAndComboBox)
{
    ZnAppChiikiShiteiTblDAO regions;
    EXPECT_EQ(u8"大阪府", Field(regions.GetTodoufuken(27)));
    EXPECT_EQ("", Field(regions.GetTodoufuken(99)));
    EXPECT_EQ(26, regions.GetTodoufukenBangou("京都府"));
    EXPECT_EQ(-1, regions.GetTodoufukenBangou("京都"));
    EXPECT_EQ(-1, regions.GetTodoufukenBangou(""));
    EXPECT_FALSE(regions.IsOpen());

    CComboBox combo;
    combo.AddString("stale");
    combo.SetCurSel(0);
    ZnAppTodoufukenQTblDAO prefectures;
    prefectures.FillCombo(&combo);
    EXPECT_FALSE(prefectures.IsOpen());
    EXPECT_EQ(u8"=0|北海道=1|埼玉県=11|東京都=13|京都府=26|大阪府=27", ComboTexts(combo, true));
    EXPECT_EQ(CB_ERR, combo.GetCurSel());

    // No prefectures: one empty item.
    mkdir(m_folder.Path("empty").c_str(), 0777);
    Make(m_folder.Path("empty/COM_CHIIKI.mdb"), comChiikiSchema, "storage/NoRows.sql");
    m_shell.appFolder = Windows(m_folder.Path("empty"));
    prefectures.FillCombo(&combo);
    EXPECT_EQ("=0", ComboTexts(combo, true));
}

// A failed open leaves the recordset closed and reusable; an open recordset reopens or goes.
TEST_P(Recordsets, OpenFailsCleanlyAndReopens)
{
    CString comFolder = m_shell.comFolder;
    m_shell.comFolder = Windows(m_folder.Path("missing"));
    ZnAppTanbunTblDAO phrases;
    LONG error = DaoErrorOf([&] { phrases.Open(dbOpenDynaset, nullptr, 0); });
    EXPECT_TRUE(error == daoErrFileNotFound || error == daoErrInvalidPath) << error;
    EXPECT_FALSE(phrases.IsOpen());
    EXPECT_EQ(nullptr, phrases.m_pDatabase);

    m_shell.comFolder = comFolder;
    EXPECT_EQ(0, DaoErrorOf([&] { phrases.Open(dbOpenDynaset, nullptr, 0); }));
    EXPECT_NE(0, DaoErrorOf([&] { phrases.Open(dbOpenDynaset, "SELECT * FROM NoSuchTbl", 0); }));
    EXPECT_FALSE(phrases.IsOpen());

    phrases.Open(dbOpenDynaset, nullptr, 0);
    phrases.MoveNext();
    phrases.Open(dbOpenDynaset, nullptr, 0);
    EXPECT_EQ(u8"工事は完了しました。", Field(phrases.m_Tanbun));

    auto open = std::make_unique<ZnAppSekoushaTblDAO>();
    open->Open(dbOpenDynaset, nullptr, 0);
    open.reset(); // the leak check of the test build fails if the connection stays behind

    // A path set instead of the folder's file is used exactly as given; an empty one brings the default back.
    ZnAppCheckoutTblDAO checkout;
    checkout.SetDBPath("E:\\別\\register.db");
    EXPECT_EQ("E:\\別\\register.db", checkout.GetDefaultDBName());
    checkout.SetDBPath("");
    EXPECT_EQ(m_shell.objFolder + "\\APP_BUKKEN.mdb", checkout.GetDefaultDBName());
}

// The older layout fails naming the column; the patch adds it once, keeping every row.
TEST_P(Recordsets, PatchAddsTheMissingColumnOnce)
{
    mkdir(m_folder.Path("old").c_str(), 0777);
    std::string path = m_folder.Path("old/APP_USER_REGIST.mdb");
    Make(path, "", "storage/OldAppSetsubishaTbl.sql");
    m_shell.comFolder = Windows(m_folder.Path("old"));
    CString description;
    EXPECT_EQ(daoErrItemNotFound, DaoErrorOf([] { EquipmentDesigners(); }, &description));
    EXPECT_EQ("要求された名前 'TourokuBangou' に対応する項目がこのコレクションにありません。", description);

    std::string before = ReadFileBytes(path);
    int result = 0;
    std::vector<std::string> messages = MessagesOf([&] { result = PatchUserRegistMdb(Windows(path)); });
    if (!GetParam().writable) {
        EXPECT_EQ(-1, result);
        EXPECT_EQ(std::vector<std::string>{"Couldn't create field--Exception: "
                                           "データベースまたはオブジェクトが読み取り専用なので、更新できません。"},
                  messages);
        EXPECT_EQ(before, ReadFileBytes(path));
        return;
    }
    EXPECT_EQ(1, result);
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ((Rows{u8"2|0|D'Arcy||Arcy Eng|980|0811|4|宮城県仙台市青葉区|022|234|5678|x",
                    u8"1|1|設備 三郎||三郎設備事務所|810|0001|40|福岡県福岡市中央区|092|123|4567|"}),
              EquipmentDesigners());

    CDaoDatabase database;
    database.Open(Windows(path));
    CDaoTableDef table(&database);
    table.Open("AppSetsubishaTbl");
    CDaoFieldInfo info;
    table.GetFieldInfo("TourokuBangou", info, AFX_DAO_SECONDARY_INFO);
    EXPECT_EQ(Line(dbText, 60, FALSE, TRUE), Line(info.m_nType, int(info.m_lSize), info.m_bRequired, info.m_bAllowZeroLength));
    table.Close();
    database.Close();

    std::string patched = ReadFileBytes(path);
    for (int run = 0; run < 2; ++run) {
        EXPECT_TRUE(MessagesOf([&] { EXPECT_EQ(0, PatchUserRegistMdb(Windows(path))); }).empty());
        EXPECT_EQ(patched, ReadFileBytes(path));
    }
}

// The current layout is left alone; each failure gives -1, its message, and an unchanged file.
TEST_P(Recordsets, PatchLeavesTheCurrentLayoutAloneAndReportsEachFailure)
{
    testsupport::WriteFileBytes(m_folder.Path("com/notes.mdb"), "not a database\r\n");
    const std::string text = Windows(m_folder.Path("com/notes.mdb")).Bytes();
    const std::string missing = Windows(m_folder.Path("com/NONE.mdb")).Bytes();
    const std::pair<std::string, std::string> cases[] = {
        {"com/APP_USER_REGIST.mdb", ""},
        {"com/APP_USER_REGIST.mdb", ""},
        {"", ""},
        {"com/NONE.mdb", "MDBのオープンに失敗しました。\nファイル '" + missing + "' が見つかりません。"},
        {"obj/APP_BUKKEN.mdb", "Couldn't open tabledef--Exception: 要求された名前 'AppSetsubishaTbl' "
                               "に対応する項目がこのコレクションにありません。"},
        {"com/notes.mdb", "MDBのオープンに失敗しました。\nデータベースの形式 '" + text + "' を認識できません。"},
    };
    for (const auto& [file, message] : cases) {
        std::string path = file.empty() ? "" : m_folder.Path(file);
        std::string before = ReadFileBytes(path);
        std::vector<std::string> messages = MessagesOf([&] {
            EXPECT_EQ(file == "com/APP_USER_REGIST.mdb" ? 0 : -1, PatchUserRegistMdb(file.empty() ? "" : Windows(path)));
        });
        EXPECT_EQ(message.empty() ? std::vector<std::string>{} : std::vector<std::string>{message}, messages) << file;
        EXPECT_EQ(before, ReadFileBytes(path)) << file;
    }
}

INSTANTIATE_TEST_SUITE_P(Variants, Recordsets, ::testing::ValuesIn(AppDatabaseVariants()),
                         [](const auto& info) { return info.param.name; });

// The helpers own one object each through the pointer they are given.
TEST(PatchHelpers, OwnTheirObjectsAndReportAsAsked)
{
    testsupport::TempFolder folder;
    CDaoDatabase* database = nullptr;
    EXPECT_TRUE(MessagesOf([&] { EXPECT_EQ(0, OpenMdb(&database, folder.Path("none.mdb").c_str(), 0)); }).empty());
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
    for (const auto& [name, type, message] :
         {std::tuple{"TourokuBangou", int(dbText), "A field by that name already exists."},
          std::tuple{"Strange", 99, "Couldn't create field--Exception: フィールド 'Strange' のデータ型が正しくありません。"}}) {
        info.m_strName = name;
        info.m_nType = type;
        info.m_lSize = 60;
        EXPECT_EQ(std::vector<std::string>{std::string(message)}, MessagesOf([&] { EXPECT_EQ(0, CreateFieldChecked(table, info)); }));
    }
    for (int round = 0; round < 2; ++round) {
        CloseTableDef(&table);
        CloseMdb(&database);
        EXPECT_EQ(nullptr, table);
        EXPECT_EQ(nullptr, database);
    }
}

TEST(DoubleQuoteChars, DoublesSingleByteCharactersOfTheSetOnly)
{
    using Result = std::pair<std::string, int>;
    EXPECT_EQ(Result("O''Brien''s", 1), Doubled("O'Brien's", "'"));
    EXPECT_EQ(Result("''''", 1), Doubled("''", "'"));
    EXPECT_EQ(Result("a\\\\b''", 1), Doubled("a\\b'", "'\\")); // 表 and ソ below end in 5C, yet are no backslash
    EXPECT_EQ(Result("\x95\x5C\x83\x5C", 0), Doubled("\x95\x5C\x83\x5C", "\\"));
    EXPECT_EQ(Result("\x95\x5C\\\\", 1), Doubled("\x95\x5C\\", "\\"));
    EXPECT_EQ(Result("\xB1''\x95", 1), Doubled("\xB1'\x95", "'")); // ｱ is one byte; a last lead byte stays alone
    // A quote cannot follow a lead byte in a pair and is doubled; 81 5C (―) is one character.
    EXPECT_EQ(Result("\x81''\x81\\", 1), Doubled("\x81'\x81\\", "'\\"));
    EXPECT_EQ(Result("\x95", 0), Doubled("\x95", "\x95"));
    EXPECT_EQ(Result("It's", 0), Doubled("It's", ""));
    EXPECT_EQ(Result("It's", 0), Doubled("It's", nullptr));
    EXPECT_EQ(Result("plain", 0), Doubled("plain", "'"));
    EXPECT_EQ(Result("", 0), Doubled("", "'"));
    EXPECT_EQ(0, DoubleQuoteChars(nullptr, "'"));
}
