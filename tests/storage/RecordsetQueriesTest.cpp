// The recordsets' key forms, their particular queries and lookups, and how they fail.
#include "tests/storage/AppDatabaseFixture.h"

#include "platform/wnd/CComboBox.h"
#include "storage/AppDatabaseSchemas.h"
#include "storage/ZnAppBukkenKanriTblDAO.h"
#include "storage/ZnAppBukkenShousaiTblDAO.h"
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

namespace {

// The key member of every row that the key form of Set finds for key.
template <typename Set> Rows FindByKey(const CString& key, CString Set::*member)
{
    Set set;
    set.SetKeyFilter(key);
    return ReadRows(set, [member](Set& s) { return Field(s.*member); });
}

std::string Utf8(const CString& text) { return Field(text); }

} // namespace

class RecordsetQueries : public AppDatabaseSuite {};

// The key form of each class finds the row of its own key column; quotes in the key are doubled
// and text compares without case.
TEST_P(RecordsetQueries, KeyFormsFindTheirRow)
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
    // A quote after a lead byte belongs to its pair, which the statement carries as one character.
    EXPECT_EQ(Rows{}, FindByKey("\x81'", &ZnAppShinseishaTblDAO::m_Shimei));

    // An empty key lists the whole table again, in the class's order.
    ZnAppShinseishaTblDAO set;
    set.SetKeyFilter("O'Brien");
    set.SetKeyFilter("");
    EXPECT_EQ((Rows{"baker", "Aoki", u8"表札", "O'Brien"}),
              ReadRows(set, [](ZnAppShinseishaTblDAO& s) { return Utf8(s.m_Shimei); }));
}

TEST_P(RecordsetQueries, PropertyListsAndDocumentNumbers)
{
    ZnAppBukkenKanriTblDAO register_;
    EXPECT_EQ((Rows{u8"3|O'Hara 表", u8"2|南町の家", "1|Plant A"}),
              ReadRows(
                  register_, [](ZnAppBukkenKanriTblDAO& s) { return Line(s.m_BukkenIndex, s.m_Bukkenmei); },
                  ZnAppBukkenKanriTblDAO::GetSortedSQL()));

    ZnAppBukkenShousaiTblDAO documents;
    EXPECT_EQ(-1, documents.GetMaxShousaiIndex());
    EXPECT_EQ((Rows{"3|100001", "5|100101", "7|100301"}),
              ReadRows(
                  documents,
                  [](ZnAppBukkenShousaiTblDAO& s) { return Line(s.m_BukkenShousaiIndex, s.m_ShinseiShubetuCode); },
                  ZnAppBukkenShousaiTblDAO::GetSQLByBukkenIndex(1)));

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
TEST_P(RecordsetQueries, PrefectureLookupsAndComboBox)
{
    ZnAppChiikiShiteiTblDAO regions;
    EXPECT_EQ(u8"大阪府", Utf8(regions.GetTodoufuken(27)));
    EXPECT_EQ("", Utf8(regions.GetTodoufuken(99)));
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
    Rows items;
    for (int i = 0; i < combo.GetCount(); ++i) {
        CString text;
        combo.GetLBText(i, text);
        items.push_back(Utf8(text) + "=" + std::to_string(combo.GetItemData(i)));
    }
    EXPECT_EQ((Rows{"=0", u8"北海道=1", u8"埼玉県=11", u8"東京都=13", u8"京都府=26", u8"大阪府=27"}), items);
    EXPECT_EQ(CB_ERR, combo.GetCurSel());

    // No prefectures: one empty item.
    mkdir(m_folder.Path("empty").c_str(), 0777);
    Make(m_folder.Path("empty/COM_CHIIKI.mdb"), comChiikiSchema, "storage/NoRows.sql");
    m_shell.appFolder = Windows(m_folder.Path("empty"));
    prefectures.FillCombo(&combo);
    ASSERT_EQ(1, combo.GetCount());
    CString text = "x";
    combo.GetLBText(0, text);
    EXPECT_EQ("", text);
}

// A failed open leaves the recordset closed and without a connection, ready to be opened again;
// opening an open recordset starts it afresh; an open recordset may be destroyed.
TEST_P(RecordsetQueries, OpenFailsCleanlyAndReopens)
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
    EXPECT_EQ(u8"工事は完了しました。", Utf8(phrases.m_Tanbun));

    auto open = std::make_unique<ZnAppSekoushaTblDAO>();
    open->Open(dbOpenDynaset, nullptr, 0);
    open.reset(); // the leak check of the test build fails if the connection stays behind
}

INSTANTIATE_TEST_SUITE_P(Variants, RecordsetQueries, ::testing::ValuesIn(AppDatabaseVariants()),
                         [](const auto& info) { return info.param.name; });
