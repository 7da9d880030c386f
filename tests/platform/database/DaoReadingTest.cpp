// What every variant of the test database gives for the system's SQL, filter and sort texts.
#include "tests/platform/database/DaoFixture.h"
#include "tests/support/TabbedCases.h"

namespace {

class DaoReading : public DaoSuite {};

INSTANTIATE_TEST_SUITE_P(Variants, DaoReading, ::testing::ValuesIn(AllDaoVariants()),
                         ::testing::PrintToStringParamName());

// The cases of tests/data/platform/dao_reading.tsv, each on the set left by the one before.
TEST_P(DaoReading, GivesTheRowsOfEachSqlFilterAndSort)
{
    CDaoDatabase database;
    database.Open(m_database.c_str());
    ColumnSet set(&database, "");
    std::vector<CString> previous(4);
    for (const std::vector<CString>& c : testsupport::ReadTabbedCases("platform/dao_reading.tsv")) {
        set.m_strFilter = c[1];
        set.m_strSort = c[2];
        if (c[0] == previous[0] && c[3] == previous[3]) {
            set.Requery();
        } else {
            set.m_column = c[3];
            set.Open(dbOpenDynaset, c[0], 0);
        }
        previous = c;
        CString rows;
        for (const CString& row : set.Rows())
            rows += (rows.IsEmpty() ? "" : "|") + row;
        EXPECT_EQ(c[4], rows) << c[0] << " / " << c[1];
    }
    EXPECT_FALSE(set.CanUpdate()); // a saved query
    EXPECT_EQ(daoErrReadOnly, DaoErrorOf([&] { set.Edit(); }));

    ShinseishaSet hard(m_database);
    hard.m_strFilter = "Hyoujijun = 4";
    hard.Open();
    EXPECT_EQ(testsupport::Hex(testsupport::ReadHexFixture("dao/hard-characters.hex")),
              testsupport::Hex((hard.m_Shimei + "\n" + hard.m_Furigana).Bytes()));
}

// Column types, and recordsets that own their database: left to the application's recordset tests.

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
