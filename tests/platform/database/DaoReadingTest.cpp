// What every variant of the test database gives for the system's SQL, filter and sort texts.
#include "tests/platform/database/DaoFixture.h"

namespace {

using Texts = std::vector<CString>;

class DaoReading : public DaoSuite {};

INSTANTIATE_TEST_SUITE_P(Variants, DaoReading, ::testing::ValuesIn(AllDaoVariants()),
                         [](const ::testing::TestParamInfo<DaoVariant>& info) { return info.param.name; });

CString DateText(const COleDateTime& date)
{
    if (date.GetStatus() == COleDateTime::null)
        return "null";
    CString text;
    text.Format("%04d-%02d-%02d %02d:%02d:%02d", date.GetYear(), date.GetMonth(), date.GetDay(), date.GetHour(),
                date.GetMinute(), date.GetSecond());
    return text;
}

TEST_P(DaoReading, OrdersYesBeforeNoDescendingAsJetDoesAndTextWithoutCase)
{
    ShinseishaSet set(m_database);
    set.Open(dbOpenDynaset, "SELECT * FROM AppShinseishaTbl ORDER BY ShokisentakuFlg DESC, Shimei DESC", 0);
    // Yes is -1, so descending order puts the No rows first.
    EXPECT_EQ((Texts{"Smith 0", "O'Brien 0", "CARTER 0", "Aoki 0", "adams 0", "十能表 1", "smythe 1", "baker 1"}),
              Walk(set, [&] { return set.m_Shimei + (set.m_ShokisentakuFlg == TRUE ? " 1" : " 0"); }));
    set.Open(dbOpenDynaset, "SELECT * FROM AppShinseishaTbl  ORDER BY Hyoujijun ASC", 0);
    EXPECT_EQ((Texts{"Aoki", "baker", "O'Brien", "十能表", "Smith", "smythe", "CARTER", "adams"}),
              Walk(set, [&] { return set.m_Shimei; }));
    set.Close();
}

TEST_P(DaoReading, FindsKeysWithDoubledQuotesAndHardCharacters)
{
    ShinseishaSet set(m_database);
    set.Open(dbOpenDynaset, "SELECT * FROM AppShinseishaTbl WHERE Shimei = 'O''Brien'", 0);
    EXPECT_EQ(Texts{"O'Brien"}, Walk(set, [&] { return set.m_Shimei; }));

    set.Open(dbOpenDynaset, "SELECT * FROM AppShinseishaTbl WHERE Shimei = '十能表'", 0);
    ASSERT_FALSE(set.IsEOF());
    EXPECT_EQ(testsupport::Hex(testsupport::ReadHexFixture("dao/hard-characters.hex")),
              testsupport::Hex((set.m_Shimei + "\n" + set.m_Furigana).Bytes()));
    set.MoveNext();
    EXPECT_TRUE(set.IsEOF());

    set.m_strFilter = "[Furigana] = '①～髙'";
    set.Open();
    EXPECT_EQ(Texts{"十能表"}, Walk(set, [&] { return set.m_Shimei; }));
    set.Close();
}

TEST_P(DaoReading, KeepsNullApartFromEmptyText)
{
    ShinseishaSet set(m_database);
    set.m_strSort = "Hyoujijun";
    set.m_strFilter = "Bikou IS NULL";
    set.Open();
    auto row = [&] { return set.m_Shimei + "[" + set.m_Bikou + "]"; };
    EXPECT_EQ((Texts{"Aoki[]", "Smith[]", "CARTER[]"}), Walk(set, row));
    set.m_strFilter = "Bikou = ''";
    set.Requery();
    EXPECT_EQ(Texts{"baker[]"}, Walk(set, row));
    set.Close();

    // The same in text columns, beside memo columns.
    BukkenSet properties(m_database);
    properties.m_strSort = "BukkenIndex";
    properties.m_strFilter = "Bikou IS NULL";
    properties.Open();
    EXPECT_EQ((Texts{"物件Ａ", "no date"}), Walk(properties, [&] { return properties.m_Bukkenmei; }));
    properties.m_strFilter = "HozonDirectory = '' AND Bikou IS NULL";
    properties.Requery();
    EXPECT_EQ(Texts{"no date"}, Walk(properties, [&] { return properties.m_Bukkenmei; }));
}

TEST_P(DaoReading, ComparesTextWithoutCase)
{
    ShinseishaSet set(m_database);
    set.m_strSort = "Hyoujijun";
    auto names = [&](LPCTSTR filter) {
        set.m_strFilter = filter;
        set.Open();
        return Walk(set, [&] { return set.m_Shimei; });
    };
    EXPECT_EQ(Texts{"Smith"}, names("Shimei = 'SMITH'"));
    EXPECT_EQ((Texts{"Smith", "smythe"}), names("Shimei LIKE 'SM*'"));
    EXPECT_EQ(Texts{"baker"}, names("Shimei LIKE '?AKER'"));
    EXPECT_EQ((Texts{"Aoki", "O'Brien", "CARTER", "adams"}), names("Shimei <> 'smith' and ShokisentakuFlg = False"));
    set.Close();
}

TEST_P(DaoReading, FiltersAndSortsCodeTablesOnRequery)
{
    CDaoDatabase database;
    database.Open(m_database.c_str());
    CodeSet codes(&database);
    codes.Open(AFX_DAO_USE_DEFAULT_TYPE, "[CodeTbl]", 0);
    auto listing = [&](LPCTSTR filter) {
        codes.m_strFilter = filter;
        codes.Requery();
        return Walk(codes, [&] { return codes.m_Code; });
    };
    codes.m_strSort = "Hyoujijun ASC";
    EXPECT_EQ((Texts{"02", "01", "04", "06", "07"}), listing("HyoujiFlgApp = True"));
    EXPECT_EQ((Texts{"03", "06"}), listing("[Bangou]<6"));
    EXPECT_EQ((Texts{"02", "01", "05", "07"}), listing("[Bangou]>=11"));
    EXPECT_EQ((Texts{"02", "01"}), listing("[Bangou]=13 or [Bangou]=9999"));
    EXPECT_EQ((Texts{"03", "05", "04", "06", "07"}), listing("[Bangou]<>13 and [Bangou]<>9999"));
    EXPECT_EQ((Texts{"01", "04", "06", "07"}), listing("HyoujiFlgApp = True AND [Bangou]<>9999"));

    listing("[Bangou]=9999");
    codes.MoveFirst();
    EXPECT_EQ(9999, codes.m_Bangou);
    EXPECT_EQ(1, codes.m_Hyoujijun);
    EXPECT_EQ(TRUE, codes.m_HyoujiFlgApp);
    EXPECT_EQ(CString("国土交通大臣"), codes.m_SeishikiMeishou);

    codes.m_strSort.Empty();
    EXPECT_EQ(7u, listing("").size());
    codes.Close();
}

TEST_P(DaoReading, AppliesFilterAroundTheSqlKeepingItsOrder)
{
    CDaoDatabase database;
    database.Open(m_database.c_str());
    CodeSet codes(&database);
    codes.m_strFilter = "[Bangou]<>9999";
    codes.Open(dbOpenDynaset, "SELECT * FROM CodeTbl WHERE Bangou < 20 ORDER BY Code DESC;", 0);
    EXPECT_EQ((Texts{"06", "05", "04", "03", "01"}), Walk(codes, [&] { return codes.m_Code; }));
}

TEST_P(DaoReading, ReadsLongShortDateAndTextColumns)
{
    BukkenSet set(m_database);
    set.Open(dbOpenDynaset, "SELECT * FROM AppBukkenKanriTbl ORDER BY BukkenIndex DESC", 0);
    EXPECT_EQ((Texts{"3|no date|null|1|0||", "2|ビル 十|2008-12-31 00:00:00|27|1|D:\\表|memo",
                     "1|物件Ａ|2007-04-01 09:30:00|13|0|C:\\Zadazez\\Data|"}),
              Walk(set, [&] {
                  CString row;
                  row.Format("%d|%s|%s|%d|%d|%s|%s", set.m_BukkenIndex, static_cast<LPCTSTR>(set.m_Bukkenmei),
                             static_cast<LPCTSTR>(DateText(set.m_Koushinbi)), set.m_ChikiShiteiCode,
                             set.m_ShinseiKubun, static_cast<LPCTSTR>(set.m_HozonDirectory),
                             static_cast<LPCTSTR>(set.m_Bikou));
                  return row;
              }));
    set.Close();
}

TEST_P(DaoReading, OpensSavedQueriesReadOnly)
{
    CDaoDatabase database;
    database.Open(m_database.c_str());
    CodeQuerySet query(&database);
    query.m_strSort = "[Code] DESC";
    query.Open(dbOpenDynaset, "AppCodeQ", 0);
    EXPECT_FALSE(query.CanUpdate());
    EXPECT_EQ(daoErrReadOnly, DaoErrorOf([&] { query.Edit(); }));
    EXPECT_EQ((Texts{"07", "06", "04", "02", "01"}), Walk(query, [&] { return query.m_Code; }));
}

// A recordset that opens a database of its own before the base class opens, and closes it after.
TEST_P(DaoReading, ServesRecordsetsThatOwnTheirDatabase)
{
    struct OwningSet : ShinseishaSet {
        using ShinseishaSet::ShinseishaSet;
        void Open(int type, LPCTSTR sql, int options) override
        {
            m_own = new CDaoDatabase;
            m_own->Open(GetDefaultDBName());
            CDaoRecordset::Open(type, sql, options);
        }
        void Close() override
        {
            CDaoRecordset::Close();
            m_own->Close();
            delete m_own;
            m_own = nullptr;
        }
        CDaoDatabase* m_own = nullptr;
    } set(m_database);
    for (int round = 0; round < 2; ++round) {
        set.Open(dbOpenDynaset, "SELECT * FROM AppShinseishaTbl WHERE Shimei = 'CARTER'", 0);
        EXPECT_EQ(Texts{"CARTER"}, Walk(set, [&] { return set.m_Shimei; }));
        set.Close();
    }
}

TEST_P(DaoReading, HasNoCurrentRowInAnEmptyOrClosedRecordset)
{
    ShinseishaSet set(m_database);
    EXPECT_TRUE(set.IsBOF() && set.IsEOF());
    EXPECT_EQ(daoErrObjectInvalid, DaoErrorOf([&] { set.MoveNext(); }));
    set.Open(dbOpenSnapshot, "SELECT * FROM AppShinseishaTbl WHERE Shimei = 'nobody'", 0);
    EXPECT_TRUE(set.IsBOF() && set.IsEOF());
    EXPECT_EQ(daoErrNoCurrentRecord, DaoErrorOf([&] { set.MoveFirst(); }));
    EXPECT_EQ(daoErrNoCurrentRecord, DaoErrorOf([&] { set.MoveNext(); }));
    set.Close();
}

TEST_P(DaoReading, ReportsMissingTablesAndColumnsByName)
{
    ShinseishaSet set(m_database);
    CString description;
    EXPECT_EQ(daoErrInputNotFound,
              DaoErrorOf([&] { set.Open(dbOpenDynaset, "SELECT * FROM NoSuchTbl", 0); }, &description));
    EXPECT_EQ(CString("入力テーブルまたはクエリ 'NoSuchTbl' が見つかりません。"), description);
    EXPECT_FALSE(set.IsOpen());
    EXPECT_EQ(daoErrTooFewParameters,
              DaoErrorOf([&] { set.Open(dbOpenDynaset, "SELECT * FROM AppShinseishaTbl WHERE Nai = 1", 0); }));
    EXPECT_EQ(daoErrItemNotFound, DaoErrorOf([&] { set.Open(dbOpenDynaset, "[CodeTbl]", 0); }, &description));
    EXPECT_NE(-1, description.Find("'ShokisentakuFlg'"));

    CDaoDatabase database;
    database.Open(m_database.c_str());
    CDaoTableDef table(&database);
    EXPECT_EQ(daoErrItemNotFound, DaoErrorOf([&] { table.Open("NoSuchTbl"); }, &description));
    EXPECT_NE(-1, description.Find("'NoSuchTbl'"));
    table.Open("appshinseishatbl");
    EXPECT_EQ(CString("AppShinseishaTbl"), table.GetName());
    CDaoFieldInfo info;
    table.GetFieldInfo("SHIMEI", info);
    EXPECT_EQ(CString("Shimei"), info.m_strName);
    EXPECT_EQ(dbText, info.m_nType);
    EXPECT_EQ(255, info.m_lSize);
    EXPECT_EQ(daoErrItemNotFound, DaoErrorOf([&] { table.GetFieldInfo("TourokuBangou", info); }, &description));
    EXPECT_EQ(CString("要求された名前 'TourokuBangou' に対応する項目がこのコレクションにありません。"), description);
}

} // namespace
