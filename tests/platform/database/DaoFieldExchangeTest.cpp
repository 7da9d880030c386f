// Cells into members: date texts in the form the database layer stores and in the others a date
// column may hold, numbers read as text, and text with every byte kept.
#include "tests/platform/database/DaoFixture.h"
#include "tests/support/TabbedCases.h"

namespace {

class DaoFieldExchange : public DaoSuite {
protected:
    void SetUp() override
    {
        DaoSuite::SetUp();
        m_db.Open(m_database.c_str());
    }

    CDaoDatabase m_db;
};

INSTANTIATE_TEST_SUITE_P(Variants, DaoFieldExchange, ::testing::ValuesIn(WritableDaoVariants()),
                         ::testing::PrintToStringParamName());

// The column D of a query, as a date.
class DateSet : public CDaoRecordset {
public:
    explicit DateSet(CDaoDatabase* database) : CDaoRecordset(database) { m_nFields = 1; }
    void DoFieldExchange(CDaoFieldExchange* pFX) override
    {
        pFX->SetFieldType(CDaoFieldExchange::outputColumn);
        DFX_DateTime(pFX, "[D]", m_D);
    }

    COleDateTime m_D;
};

// The date of the query's first row as "YYYY-MM-DD HH:MM:SS", or the number of the error.
CString FirstDate(CDaoDatabase& database, const CString& sql)
{
    DateSet set(&database);
    CString text;
    LONG error = DaoErrorOf([&] { set.Open(dbOpenSnapshot, sql, 0); });
    if (error)
        text.Format("%ld", static_cast<long>(error));
    else if (set.m_D.GetStatus() != COleDateTime::valid)
        text = "not valid";
    else
        text.Format("%04d-%02d-%02d %02d:%02d:%02d", set.m_D.GetYear(), set.m_D.GetMonth(), set.m_D.GetDay(),
                    set.m_D.GetHour(), set.m_D.GetMinute(), set.m_D.GetSecond());
    return text;
}

// The cases of tests/data/platform/dao_date_texts.tsv; then numbers and null in a date column.
TEST_P(DaoFieldExchange, ReadsDateTextsInTheStoredFormAndInTheOthersAsBefore)
{
    for (const std::vector<CString>& c : testsupport::ReadTabbedCases("platform/dao_date_texts.tsv"))
        EXPECT_EQ(c[1], FirstDate(m_db, "SELECT '" + c[0] + "' AS D")) << c[0];
    EXPECT_EQ(CString("2023-03-15 12:00:00"), FirstDate(m_db, "SELECT 45000.5 AS D"));
    EXPECT_EQ(CString("1899-12-29 06:00:00"), FirstDate(m_db, "SELECT -1.25 AS D"));
    EXPECT_EQ(CString("3421"), FirstDate(m_db, "SELECT 2958466 AS D"));
    DateSet set(&m_db);
    set.Open(dbOpenSnapshot, "SELECT NULL AS D", 0);
    EXPECT_EQ(COleDateTime::null, set.m_D.GetStatus());
}

// The cases of tests/data/platform/dao_number_texts.tsv; then texts of falling length through one
// member, null among them, and a text with a zero byte.
TEST_P(DaoFieldExchange, ReadsNumbersAsPrintfWritesThemAndTextWithEveryByte)
{
    ColumnSet set(&m_db, "[V]");
    for (const std::vector<CString>& c : testsupport::ReadTabbedCases("platform/dao_number_texts.tsv")) {
        set.Open(dbOpenSnapshot, "SELECT " + c[0] + " AS V", 0);
        EXPECT_EQ(c[1], set.m_value) << c[0];
    }
    set.Open(dbOpenSnapshot,
             "SELECT column1 AS V FROM (VALUES ('東京都千代田区'), ('ab'), (''), (NULL), ('c'), ('①～'))", 0);
    EXPECT_EQ((Texts{"東京都千代田区", "ab", "", "", "c", "①～"}), set.Rows());
    set.Open(dbOpenSnapshot, "SELECT 'a' || char(0) || 'b' AS V", 0);
    EXPECT_EQ(std::string("a\0b", 3), set.m_value.Bytes());
}

} // namespace
