// What every variant of the test database gives for the system's SQL, filter and sort texts.
#include "tests/platform/database/DaoFixture.h"

namespace {

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

// Jet's text comparison without case, its Yes (-1) and No, its LIKE patterns and doubled quotes,
// null apart from empty text, and filters and sorts put around a table, a SQL text or a saved
// query. Cases on one source follow each other as Requery with the next filter.
TEST_P(DaoReading, GivesTheRowsOfEachSqlFilterAndSort)
{
    struct Case {
        const char* source;
        const char* filter;
        const char* sort;
        const char* column;
        Texts rows;
    };
    const char* const byFlag = "SELECT * FROM AppShinseishaTbl ORDER BY ShokisentakuFlg DESC, Shimei DESC";
    const Case cases[] = {
        // Yes is -1, so descending order puts the No rows first.
        {byFlag, "", "", "[Shimei]", {"Smith", "O'Brien", "CARTER", "Aoki", "adams", "十能表", "smythe", "baker"}},
        {"SELECT * FROM AppShinseishaTbl  ORDER BY Hyoujijun ASC", "", "", "[Shimei]",
         {"Aoki", "baker", "O'Brien", "十能表", "Smith", "smythe", "CARTER", "adams"}},
        {"SELECT * FROM AppShinseishaTbl WHERE Shimei = 'O''Brien'", "", "", "[Shimei]", {"O'Brien"}},
        {"SELECT * FROM AppShinseishaTbl WHERE Shimei = '十能表'", "", "", "[Furigana]", {"①～髙"}},
        {"[AppShinseishaTbl]", "[Furigana] = '①～髙'", "", "[Shimei]", {"十能表"}},
        {"[AppShinseishaTbl]", "Bikou IS NULL", "Hyoujijun", "[Shimei]", {"Aoki", "Smith", "CARTER"}},
        {"[AppShinseishaTbl]", "Bikou = ''", "Hyoujijun", "[Shimei]", {"baker"}},
        {"[AppShinseishaTbl]", "Shimei = 'SMITH'", "Hyoujijun", "[Shimei]", {"Smith"}},
        {"[AppShinseishaTbl]", "Shimei LIKE 'SM*'", "Hyoujijun", "[Shimei]", {"Smith", "smythe"}},
        {"[AppShinseishaTbl]", "Shimei LIKE '?AKER'", "Hyoujijun", "[Shimei]", {"baker"}},
        {"[AppShinseishaTbl]", "Shimei <> 'smith' and ShokisentakuFlg = False", "Hyoujijun", "[Shimei]",
         {"Aoki", "O'Brien", "CARTER", "adams"}},
        // The same in text columns, beside memo columns.
        {"[AppBukkenKanriTbl]", "Bikou IS NULL", "BukkenIndex", "[Bukkenmei]", {"物件Ａ", "no date"}},
        {"[AppBukkenKanriTbl]", "HozonDirectory = '' AND Bikou IS NULL", "BukkenIndex", "[Bukkenmei]", {"no date"}},
        {"[CodeTbl]", "HyoujiFlgApp = True", "Hyoujijun ASC", "[Code]", {"02", "01", "04", "06", "07"}},
        {"[CodeTbl]", "[Bangou]<6", "Hyoujijun ASC", "[Code]", {"03", "06"}},
        {"[CodeTbl]", "[Bangou]>=11", "Hyoujijun ASC", "[Code]", {"02", "01", "05", "07"}},
        {"[CodeTbl]", "[Bangou]=13 or [Bangou]=9999", "Hyoujijun ASC", "[Code]", {"02", "01"}},
        {"[CodeTbl]", "[Bangou]<>13 and [Bangou]<>9999", "Hyoujijun ASC", "[Code]", {"03", "05", "04", "06", "07"}},
        {"[CodeTbl]", "HyoujiFlgApp = True AND [Bangou]<>9999", "Hyoujijun ASC", "[Code]", {"01", "04", "06", "07"}},
        {"[CodeTbl]", "", "", "[Code]", {"01", "02", "03", "04", "05", "06", "07"}},
        // The filter goes around the SQL, which keeps its own order.
        {"SELECT * FROM CodeTbl WHERE Bangou < 20 ORDER BY Code DESC;", "[Bangou]<>9999", "", "[Code]",
         {"06", "05", "04", "03", "01"}},
        {"AppCodeQ", "", "[Code] DESC", "[Code]", {"07", "06", "04", "02", "01"}},
    };
    CDaoDatabase database;
    database.Open(m_database.c_str());
    ColumnSet set(&database, "");
    const Case* previous = nullptr;
    for (const Case& c : cases) {
        set.m_strFilter = c.filter;
        set.m_strSort = c.sort;
        if (previous && !strcmp(previous->source, c.source) && !strcmp(previous->column, c.column)) {
            set.Requery();
        } else {
            set.m_column = c.column;
            set.Open(dbOpenDynaset, c.source, 0);
        }
        previous = &c;
        EXPECT_EQ(c.rows, set.Rows()) << c.source << " / " << c.filter;
    }
    EXPECT_FALSE(set.CanUpdate()); // a saved query
    EXPECT_EQ(daoErrReadOnly, DaoErrorOf([&] { set.Edit(); }));

    ShinseishaSet hard(m_database);
    hard.m_strFilter = "Hyoujijun = 4";
    hard.Open();
    EXPECT_EQ(testsupport::Hex(testsupport::ReadHexFixture("dao/hard-characters.hex")),
              testsupport::Hex((hard.m_Shimei + "\n" + hard.m_Furigana).Bytes()));
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
    EXPECT_EQ(daoErrItemNotFound, DaoErrorOf([&] { table.GetFieldInfo("TourokuBangou", info); }));
}

} // namespace
