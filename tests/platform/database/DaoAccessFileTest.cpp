// Access files behind the database classes: read-only, imported once and table by table, saved
// queries rebuilt, and damaged files refused with Jet's errors.
#include "platform/database/JetDeclaredKeys.h"
#include "tests/platform/database/DaoFixture.h"
#include "tests/support/TabbedCases.h"
#include "tools/jetwriter/JetCatalog.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <random>

namespace {

class DaoAccessFile : public ::testing::TestWithParam<JetVersion> {
protected:
    // The test database in this version, with what extend adds, written as name.
    std::string Write(const std::string& name, const std::function<void(JetDatabase&)>& extend = {})
    {
        JetDatabase database = JetTestDatabase(GetParam(), m_folder.Path());
        if (extend)
            extend(database);
        std::string path = m_folder.Path() + "/" + name;
        WriteJetFile(database, path);
        return path;
    }

    TempFolder m_folder;
};

INSTANTIATE_TEST_SUITE_P(Versions, DaoAccessFile, ::testing::Values(JetVersion::Jet4, JetVersion::Jet3),
                         ::testing::PrintToStringParamName());

// The names of the code rows, in the file's order.
Texts CodeNames(CDaoDatabase& database)
{
    ColumnSet codes(&database, "[SeishikiMeishou]");
    codes.Open();
    return codes.Rows();
}

// A saved query of tests/data/platform/saved_query_rows.tsv, as Access stores it.
JetQuery SavedQuery(const char* name)
{
    std::vector<JetQueryRow> rows;
    auto field = [](const CString& text) { return text.IsEmpty() ? std::nullopt : std::optional(text.Bytes()); };
    for (std::vector<CString> c : testsupport::ReadTabbedCases("platform/saved_query_rows.tsv")) {
        c.resize(6);
        if (c[0] == name)
            rows.push_back({std::stoi(c[1].Bytes()),
                            c[2].IsEmpty() ? std::nullopt : std::optional(std::stoi(c[2].Bytes())), field(c[3]),
                            field(c[4]), field(c[5])});
    }
    return JetQuery(name, rows);
}

TEST_P(DaoAccessFile, RebuildsSavedQueryWithJoinAndSortOrder)
{
    std::string path = Write("COM_CHIIKI.mdb", [&](JetDatabase& database) {
        std::string source = m_folder.Path() + "/region.db";
        DaoCreateDatabase(source.c_str(), ReadFileBytes(testsupport::DataPath("platform/region_file.sql")));
        AddSqliteTables(database, source);
        database.AddQuery(SavedQuery("AppChiikiShiteiQ2Tbl"));
    });
    CDaoDatabase database;
    database.Open(path.c_str());
    ColumnSet regions(&database, "[ChiikiMei]");
    regions.Open(dbOpenDynaset, "[AppChiikiShiteiQ2Tbl]", 0);
    EXPECT_FALSE(regions.CanUpdate());
    // Yes is -1, so the descending sort puts the No rows first, as Jet does; then number and serial.
    EXPECT_EQ((Texts{"札幌", "函館", "横浜①", "東京都"}), regions.Rows());
    regions.m_strFilter = "[ChiikiMei] LIKE '*①'";
    regions.Requery();
    EXPECT_EQ(Texts{"横浜①"}, regions.Rows());
}

TEST_P(DaoAccessFile, QueryThatCannotBeRebuiltFailsWhenOpenedAndNotBefore)
{
    std::string path = Write("APP_BUKKEN.mdb", [](JetDatabase& database) {
        database.AddQuery(SavedQuery("ParamQ"));
        database.AddQuery(JetQuery::Select("NaiQ", "CodeTbl", {"[CodeTbl].[Nai]"}, "", {}));
    });
    CDaoDatabase database;
    database.Open(path.c_str());
    ColumnSet query(&database);
    for (int attempt = 0; attempt < 2; ++attempt) {
        CString description;
        EXPECT_EQ(daoErrGeneric, DaoErrorOf([&] { query.Open(dbOpenDynaset, "[ParamQ]", 0); }, &description));
        EXPECT_EQ(
            CString("データベース エンジンでエラーが発生しました (保存されたクエリ 'ParamQ' を組み立て直せません: "
                    "パラメータ クエリです)。"),
            description);
        EXPECT_EQ(daoErrGeneric, DaoErrorOf([&] { query.Open(dbOpenDynaset, "SELECT * FROM NaiQ", 0); }, &description));
        EXPECT_EQ(CString("データベース エンジンでエラーが発生しました (保存されたクエリ 'NaiQ' を組み立て直せません: "
                          "パラメータが少なすぎます。フィールド 'CodeTbl.Nai' が見つかりません。)。"),
                  description);
        EXPECT_FALSE(query.IsOpen());
    }
    query.m_strSort = "[Code]";
    query.Open(dbOpenSnapshot, "AppCodeQ", 0);
    EXPECT_EQ((Texts{"01", "02", "04", "06", "07"}), query.Rows());
}

// Updates a row of CodeTbl to that name as Access does when the row no longer fits its place: it
// moves to a new place.
void MoveCode(JetDatabase& database, size_t row, const char* name)
{
    JetTable& codes = database.Table("CodeTbl");
    std::vector<JetValue> values = codes.Rows().at(row);
    for (size_t i = 0; i < values.size(); ++i)
        if (codes.Columns()[i].name == "SeishikiMeishou")
            values[i] = JetValue::Text(name);
    codes.MoveRow(row, values);
}

// Where the first data page of CodeTbl, the second user table, starts in the file.
size_t CodePage(const std::string& bytes, const JetFormat& format)
{
    const char dataPage = 0x01;
    const std::string definition{static_cast<char>(JetCatalog::kFirstUserTablePage + 1), 0, 0, 0};
    for (size_t page = 0; page + format.pageSize <= bytes.size(); page += format.pageSize)
        if (bytes[page] == dataPage && bytes.compare(page + 4, 4, definition) == 0)
            return page;
    throw std::logic_error("CodeTbl has no data page");
}

// Rows as Access leaves them after updates and deletes: a moved row reads once, with its new
// values, where it was; a deleted row never, nor one moved and then deleted. A table that gives
// more or fewer rows than its definition counts is damaged.
TEST_P(DaoAccessFile, ReadsMovedRowsOnceInTheirPlaceAndDeletedRowsNever)
{
    std::string path = Write("COM_CODE.mdb", [](JetDatabase& database) {
        MoveCode(database, 2, "秋田県知事（仙北地域振興局長）");
        database.Table("CodeTbl").DeleteRow(1);
        MoveCode(database, 4, "埼玉県知事（さいたま市長）");
        database.Table("CodeTbl").DeleteRow(4);
        MoveCode(database, 6, "長野県知事（長野地域振興局長）");
    });
    CDaoDatabase database;
    database.Open(path.c_str());
    EXPECT_EQ((Texts{"東京都知事", "秋田県知事（仙北地域振興局長）", "山形県知事", "北海道知事",
                     "長野県知事（長野地域振興局長）"}),
              CodeNames(database));

    // The definition of CodeTbl, the second user table, counts five rows.
    const JetFormat& format = JetFormat::For(GetParam());
    size_t count = (JetCatalog::kFirstUserTablePage + 1) * format.pageSize + format.tdefRowCountOffset;
    std::string bytes = ReadFileBytes(path);
    ASSERT_EQ(5, bytes[count]);
    for (char miscounted : {4, 6}) {
        bytes[count] = miscounted;
        path = m_folder.Path() + "/miscounted" + std::to_string(miscounted) + ".mdb";
        WriteFileBytes(path, bytes);
        CDaoDatabase again;
        again.Open(path.c_str());
        EXPECT_EQ(daoErrCorrupt, DaoErrorOf([&] { CodeNames(again); })) << int(miscounted);
    }
}

// Rows that share bytes are damage, though the definition's count still holds: two live rows at
// one offset (the first read twice, the second lost), and two moved rows whose pointers lead to
// one place (its values read for both, the other new place lost).
TEST_P(DaoAccessFile, RefusesRowsThatShareBytes)
{
    std::string path = Write("COM_CODE.mdb", [](JetDatabase& database) {
        MoveCode(database, 2, "岩手県知事");
        MoveCode(database, 4, "茨城県知事");
    });
    {
        CDaoDatabase database;
        database.Open(path.c_str());
        EXPECT_EQ(
            (Texts{"東京都知事", "国土交通大臣", "岩手県知事", "山形県知事", "茨城県知事", "北海道知事", "長野県知事"}),
            CodeNames(database));
    }

    const JetFormat& format = JetFormat::For(GetParam());
    const std::string bytes = ReadFileBytes(path);
    size_t page = CodePage(bytes, format);
    auto entry = [&](int row) { return page + format.dataHeaderSize + 2 * row; };
    auto start = [&](int row) {
        return page + ((static_cast<unsigned char>(bytes[entry(row) + 1]) & 0x1F) << 8 |
                       static_cast<unsigned char>(bytes[entry(row)]));
    };
    std::string oneOffset = bytes;
    oneOffset.replace(entry(1), 2, bytes, entry(0), 2);
    std::string onePlace = bytes;
    onePlace.replace(start(4), 4, bytes, start(2), 4);
    for (const auto& [name, damaged] : {std::pair{"one_offset.mdb", oneOffset}, std::pair{"one_place.mdb", onePlace}}) {
        path = m_folder.Path() + "/" + name;
        WriteFileBytes(path, damaged);
        CDaoDatabase database;
        database.Open(path.c_str());
        EXPECT_EQ(daoErrCorrupt, DaoErrorOf([&] { CodeNames(database); })) << path;
    }
}

// A table deleted in Access leaves its catalog row flagged as deleted: the table is gone.
TEST_P(DaoAccessFile, TableWhoseCatalogRowIsDeletedIsGone)
{
    std::string path = Write("APP_USER_REGIST.mdb");
    const JetFormat& format = JetFormat::For(GetParam());
    std::string bytes = ReadFileBytes(path);
    // The catalog's rows follow the definitions of the catalog, its query table and the four user
    // tables; AppSetsubishaTbl, the last user table, is its sixth row.
    size_t entry = (JetCatalog::kFirstUserTablePage + 4) * format.pageSize + format.dataHeaderSize + 2 * 5;
    bytes[entry + 1] = static_cast<char>(bytes[entry + 1] | 0x80);
    size_t count = JetCatalog::kObjectsPage * format.pageSize + format.tdefRowCountOffset;
    ASSERT_EQ(7, bytes[count]);
    bytes[count] = 6;
    WriteFileBytes(path, bytes);

    CDaoDatabase database;
    database.Open(path.c_str());
    CDaoRecordset designers(&database);
    EXPECT_EQ(daoErrInputNotFound, DaoErrorOf([&] { designers.Open(dbOpenSnapshot, "[AppSetsubishaTbl]", 0); }));
    EXPECT_EQ(7u, CodeNames(database).size());
}

// Dates come in as the text that SQL compares and sorts, from the first day of the year 100 to the
// last second of 9999, before the OLE epoch too; a text member reads that text.
TEST_P(DaoAccessFile, ImportsDatesAtTheLimitsAsTheTextThatSqlCompares)
{
    const COleDateTime dates[] = {COleDateTime(9999, 12, 31, 23, 59, 59), COleDateTime(100, 1, 1, 0, 0, 0),
                                  COleDateTime(1899, 12, 29, 6, 0, 0), COleDateTime(1899, 12, 30, 0, 0, 0),
                                  COleDateTime(2024, 2, 29, 12, 34, 56)};
    std::string path = Write("dates.mdb", [&](JetDatabase& database) {
        JetTable& table = database.AddTable("DateTbl");
        table.AddColumn("N", JetColumnType::Long).AddColumn("D", JetColumnType::DateTime);
        for (size_t i = 0; i < std::size(dates); ++i)
            table.AddRow({JetValue::Integer(static_cast<int64_t>(i)), JetValue::Date(dates[i])});
        table.AddRow({JetValue::Integer(9), JetValue::Null()});
    });
    CDaoDatabase database;
    database.Open(path.c_str());
    ColumnSet texts(&database, "[D]");
    texts.m_strFilter = "D >= '1899-12-30'";
    texts.m_strSort = "D DESC";
    texts.Open(dbOpenSnapshot, "[DateTbl]", 0);
    EXPECT_EQ((Texts{"9999-12-31 23:59:59", "2024-02-29 12:34:56", "1899-12-30 00:00:00"}), texts.Rows());

    class DateSet : public CDaoRecordset {
    public:
        using CDaoRecordset::CDaoRecordset;
        void DoFieldExchange(CDaoFieldExchange* pFX) override
        {
            pFX->SetFieldType(CDaoFieldExchange::outputColumn);
            DFX_DateTime(pFX, "[D]", m_D);
        }
        COleDateTime m_D;
    } set(&database);
    set.m_strSort = "N";
    set.Open(dbOpenSnapshot, "[DateTbl]", 0);
    for (const COleDateTime& date : dates) {
        EXPECT_EQ(date, set.m_D);
        set.MoveNext();
    }
    EXPECT_EQ(COleDateTime::null, set.m_D.GetStatus());
}

// A recordset reads its rows as it moves onto them, and they stay the rows it opened on: through
// a change to what the process read of the file, and through the import of other tables, the
// import that fails among them. Requery shows the change.
TEST_P(DaoAccessFile, OpenRecordsetKeepsItsRowsThroughChangesUntilRequery)
{
    std::string path = Write("COM_CODE.mdb");
    std::string bytes = ReadFileBytes(path); // the last page holds the rows of the last table alone
    WriteFileBytes(path, bytes.substr(0, bytes.size() - (GetParam() == JetVersion::Jet4 ? 4096 : 2048)));
    CDaoDatabase database;
    database.Open(path.c_str());
    ColumnSet codes(&database, "[SeishikiMeishou]");
    codes.m_strSort = "Code";
    codes.Open(dbOpenDynaset, "[CodeTbl]", 0);
    codes.MoveNext();
    DaoExecuteOnAccessCopy(database, "UPDATE CodeTbl SET SeishikiMeishou = '知事' WHERE Code <> '02'");
    EXPECT_EQ(daoErrCorrupt, DaoErrorOf([&] { database.Execute("SELECT * FROM AppSetsubishaTbl"); }));
    ShinseishaSet applicants(path);
    applicants.Open();
    const Texts opened = {"東京都知事", "国土交通大臣", "秋田県知事", "山形県知事",
                          "埼玉県知事", "北海道知事",   "長野県知事"};
    EXPECT_EQ(Texts(opened.begin() + 1, opened.end()), codes.Rows());
    codes.MoveFirst();
    EXPECT_EQ(opened, codes.Rows());
    codes.Requery();
    EXPECT_EQ((Texts{"知事", "国土交通大臣", "知事", "知事", "知事", "知事", "知事"}), codes.Rows());
}

// A row whose value the engine cannot compute fails when the recordset reaches it, after the rows
// before it, also where the rows were read ahead of a change.
TEST_P(DaoAccessFile, RowThatCannotBeComputedFailsWhenReached)
{
    std::string path = Write("COM_CODE.mdb");
    CDaoDatabase database;
    database.Open(path.c_str());
    const char* overflow =
        "SELECT Code, abs(CASE WHEN Code = '03' THEN -9223372036854775807 - 1 ELSE 0 END) AS V FROM CodeTbl";
    for (bool readAhead : {false, true}) {
        ColumnSet codes(&database);
        codes.Open(dbOpenSnapshot, overflow, 0);
        if (readAhead)
            DaoExecuteOnAccessCopy(database, "UPDATE CodeTbl SET Code = Code");
        EXPECT_EQ(CString("01"), codes.m_value);
        codes.MoveNext();
        EXPECT_EQ(CString("02"), codes.m_value);
        CString description;
        EXPECT_EQ(daoErrGeneric, DaoErrorOf([&] { codes.MoveNext(); }, &description));
        EXPECT_NE(-1, description.Find("integer overflow")) << description;
    }
}

// Sets the file's modification time, in whole seconds from the one it has.
void ShiftModified(const std::string& path, const struct stat& original, int seconds)
{
    struct timespec times[2] = {original.st_atim, original.st_mtim};
    times[1].tv_sec += seconds;
    ASSERT_EQ(0, utimensat(AT_FDCWD, path.c_str(), times, 0));
}

TEST_P(DaoAccessFile, ImportsOncePerProcessUntilTheFileChangesOnDisk)
{
    std::string path = Write("first.mdb");
    std::string renamed = Write("second.mdb", [](JetDatabase& database) {
        JetTable& codes = const_cast<JetTable&>(database.Tables()[1]);
        const_cast<std::vector<std::vector<JetValue>>&>(codes.Rows())[6][5] = JetValue::Text("長野県庁舎");
    });
    std::string changed = ReadFileBytes(renamed);
    ASSERT_EQ(ReadFileBytes(path).size(), changed.size()); // the same length of text, in a file of the same size
    struct stat original;
    ASSERT_EQ(0, stat(path.c_str(), &original));

    CDaoDatabase first;
    first.Open(path.c_str());
    EXPECT_EQ(CString("長野県知事"), CodeNames(first).back());
    // New bytes under the same name, size and time: opening again reads nothing of the file.
    WriteFileBytes(path, changed);
    ShiftModified(path, original, 0);
    CDaoDatabase again;
    again.Open(path.c_str());
    EXPECT_EQ(CString("長野県知事"), CodeNames(again).back());
    // A file changed on disk is imported again; databases already open keep what they read.
    ShiftModified(path, original, 1);
    CDaoDatabase changedDatabase;
    changedDatabase.Open(path.c_str());
    EXPECT_EQ(CString("長野県庁舎"), CodeNames(changedDatabase).back());
    EXPECT_EQ(CString("長野県知事"), CodeNames(first).back());
}

TEST_P(DaoAccessFile, ImportsTableByTableAsStatementsNameThem)
{
    std::string path = Write("APP_USER_REGIST.mdb");
    // The last page holds the rows of the last table alone.
    std::string bytes = ReadFileBytes(path);
    WriteFileBytes(path, bytes.substr(0, bytes.size() - (GetParam() == JetVersion::Jet4 ? 4096 : 2048)));
    CDaoDatabase database;
    database.Open(path.c_str());
    EXPECT_EQ(7u, CodeNames(database).size());
    CString description;
    EXPECT_EQ(daoErrCorrupt, DaoErrorOf([&] { database.Execute("SELECT * FROM AppSetsubishaTbl"); }, &description));
    EXPECT_EQ(CString("データベース '") + path.c_str() + "' を開けません。ファイルが破損している可能性があります。",
              description);
    ShinseishaSet applicants(path);
    applicants.m_strFilter = "Hyoujijun = 4";
    applicants.Open();
    EXPECT_EQ(Texts{"十能表"}, Walk(applicants, [&] { return applicants.m_Shimei; }));
}

// A table gets, as indexes, the keys that a schema declares for a table of its name, where it has
// their columns; a key that would break the file's rows is no constraint.
TEST_P(DaoAccessFile, ImportedTablesAreIndexedByTheKeysThatASchemaDeclares)
{
    JetDeclaredKeys::Declare("CREATE TABLE keyedtbl (Bangou INTEGER, Eda INTEGER, Mei TEXT UNIQUE, Gone TEXT,"
                             " PRIMARY KEY (Bangou, Eda));"
                             " CREATE INDEX ByGone ON keyedtbl (Gone); CREATE INDEX ByMei ON keyedtbl (Mei, Eda);"
                             " CREATE TABLE Other (Id INTEGER PRIMARY KEY)");
    std::string path = Write("APP_BUKKEN.mdb", [](JetDatabase& database) {
        JetTable& table = database.AddTable("KeyedTbl");
        table.AddColumn("Bangou", JetColumnType::Long)
            .AddColumn("Eda", JetColumnType::Long)
            .AddColumn("Mei", JetColumnType::Text, 20);
        for (int row = 0; row < 2; ++row)
            table.AddRow({JetValue::Integer(1), JetValue::Integer(1), JetValue::Text("同じ")});
    });
    CDaoDatabase database;
    database.Open(path.c_str());
    ColumnSet keyed(&database, "[Mei]");
    keyed.Open(dbOpenSnapshot, "SELECT Mei FROM KeyedTbl WHERE Bangou = 1 AND Eda = 1");
    EXPECT_EQ((Texts{"同じ", "同じ"}), keyed.Rows());
    ColumnSet indexes(&database, "[sql]");
    indexes.Open(dbOpenSnapshot, "SELECT sql FROM sqlite_master WHERE type = 'index' ORDER BY name");
    EXPECT_EQ((Texts{"CREATE INDEX \"KeyedTbl.key1\" ON \"KeyedTbl\" (\"Bangou\", \"Eda\")",
                     "CREATE INDEX \"KeyedTbl.key2\" ON \"KeyedTbl\" (\"Mei\", \"Eda\")",
                     "CREATE INDEX \"KeyedTbl.key3\" ON \"KeyedTbl\" (\"Mei\")"}),
              indexes.Rows());
}

TEST_P(DaoAccessFile, HeaderDecidesWhatOpens)
{
    std::string path = Write("APP_BUKKEN.mdb");
    std::string bytes = ReadFileBytes(path);
    int pageSize = GetParam() == JetVersion::Jet4 ? 4096 : 2048;
    CString description;
    auto openError = [&](const std::string& content) {
        WriteFileBytes(path, content);
        CDaoDatabase database;
        return DaoErrorOf([&] { database.Open(path.c_str()); }, &description);
    };
    std::string newer = bytes;
    newer[0x14] = 2; // a later version of the format
    EXPECT_EQ(daoErrUnrecognizedFormat, openError(newer));
    EXPECT_EQ(daoErrUnrecognizedFormat, openError(bytes.substr(0, 100)));
    EXPECT_EQ(daoErrCorrupt, openError(bytes.substr(0, pageSize)));
    EXPECT_EQ(0, openError(bytes));
}

// An Access file, even opened for writing, and any database opened read-only refuse every change
// and stay as they were (a refused new column: the application's schema-patch tests).
class DaoReadOnly : public DaoSuite {};

INSTANTIATE_TEST_SUITE_P(Variants, DaoReadOnly, ::testing::ValuesIn(AllDaoVariants()),
                         ::testing::PrintToStringParamName());

TEST_P(DaoReadOnly, RefusesEveryChangeAndLeavesTheFileAsItWas)
{
    std::string before = ReadFileBytes(m_database);
    CDaoDatabase database;
    database.Open(m_database.c_str(), FALSE, GetParam().name == "Sqlite");
    EXPECT_FALSE(database.CanUpdate());
    for (const char* change : {"UPDATE CodeTbl SET Code = 'x'", "DELETE FROM AppShinseishaTbl",
                               "INSERT INTO CodeTbl (Code) VALUES ('99')", "CREATE TABLE Extra (X INTEGER)",
                               "DROP TABLE CodeTbl", "CREATE VIEW Extra AS SELECT 1", "DROP VIEW AppCodeQ"})
        EXPECT_EQ(daoErrReadOnly, DaoErrorOf([&] { database.Execute(change); })) << change;

    ColumnSet codes(&database);
    codes.Open(dbOpenDynaset, "[CodeTbl]", 0);
    EXPECT_FALSE(codes.CanUpdate());
    EXPECT_EQ(daoErrReadOnly, DaoErrorOf([&] { codes.Edit(); }));
    EXPECT_EQ(daoErrReadOnly, DaoErrorOf([&] { codes.AddNew(); }));
    EXPECT_EQ(daoErrReadOnly, DaoErrorOf([&] { codes.Delete(); }));
    EXPECT_EQ(daoErrReadOnly, DaoErrorOf([&] { codes.Open(dbOpenDynaset, "DELETE FROM CodeTbl", 0); }));
    EXPECT_EQ(7u, CodeNames(database).size());
    database.Close();
    EXPECT_EQ(before, ReadFileBytes(m_database));
}

// Database files truncated, with bytes changed and with a page of garbage, opened and read
// whole: a failure is always a database error, never a crash, and nothing is printed.
class DaoDamagedFile : public DaoSuite {};

INSTANTIATE_TEST_SUITE_P(Variants, DaoDamagedFile, ::testing::ValuesIn(AllDaoVariants()),
                         ::testing::PrintToStringParamName());

TEST_P(DaoDamagedFile, GivesDatabaseErrorsQuietly)
{
    std::string original = ReadFileBytes(m_database);
    std::string extension = m_database.substr(m_database.rfind('.'));
    int pageSize = GetParam().name == "Jet3" ? 2048 : 4096;
    std::mt19937 random(20070401);
    const int rounds = 60;
    int failures = 0;
    ::testing::internal::CaptureStdout();
    ::testing::internal::CaptureStderr();
    for (int round = 0; round < rounds; ++round) {
        std::string bytes = original;
        if (round % 3 == 0) {
            bytes.resize(random() % bytes.size());
        } else if (round % 3 == 1) {
            for (int flips = 1 + random() % 8; flips > 0; --flips)
                bytes[random() % bytes.size()] ^= static_cast<char>(1 + random() % 255);
        } else {
            size_t page = random() % (bytes.size() / pageSize);
            for (int i = 0; i < pageSize; ++i)
                bytes[page * pageSize + i] = static_cast<char>(random());
        }
        // Each copy under a name of its own: a file rewritten within the file system's clock tick
        // would look unchanged.
        std::string path = m_folder.Path() + "/damaged" + std::to_string(round) + extension;
        WriteFileBytes(path, bytes);
        failures += DaoErrorOf([&] { ReadEveryTable(path); }) != 0;
    }
    EXPECT_EQ("", ::testing::internal::GetCapturedStdout() + ::testing::internal::GetCapturedStderr());
    EXPECT_GE(failures, rounds / 3); // at least every truncation
}

} // namespace
