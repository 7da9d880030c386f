// Opening and creating database files: what a file holds decides, and a bad file never crashes.
#include "tests/platform/database/DaoFixture.h"

#include <filesystem>

namespace {

LONG OpenError(const std::string& path, CString* description = nullptr)
{
    CDaoDatabase database;
    return DaoErrorOf([&] { database.Open(path.c_str()); }, description);
}

TEST(DaoFile, OpenNamesTheFileThatIsMissingOrNotADatabase)
{
    TempFolder folder;
    CString description;
    std::string missing = folder.Path() + "\\APP_BUKKEN.mdb"; // a Windows path
    EXPECT_EQ(daoErrFileNotFound, OpenError(missing, &description));
    EXPECT_EQ(CString("ファイル '") + missing.c_str() + "' が見つかりません。", description);
    EXPECT_EQ(daoErrInvalidPath, OpenError(folder.Path() + "\\無い\\APP_BUKKEN.mdb"));

    WriteFileBytes(folder.Path() + "/text.mdb", "Standard text, not a database\r\n");
    EXPECT_EQ(daoErrUnrecognizedFormat, OpenError(folder.Path() + "/text.mdb"));
    WriteFileBytes(folder.Path() + "/empty.mdb", "");
    EXPECT_EQ(daoErrUnrecognizedFormat, OpenError(folder.Path() + "/empty.mdb"));
    EXPECT_EQ(daoErrCannotOpen, OpenError(folder.Path()));
}

TEST(DaoFile, CreatesUnderJapaneseNamesButNeverOverAnExistingFile)
{
    TempFolder folder;
    std::string path = folder.Path() + "\\物件.db";
    DaoCreateDatabase(path.c_str(), "CREATE TABLE T (Shimei VARCHAR(20) COLLATE NOCASE);");
    ASSERT_TRUE(std::filesystem::exists(folder.Path() + u8"/物件.db"));
    std::string created = ReadFileBytes(folder.Path() + u8"/物件.db");
    EXPECT_EQ(daoErrDatabaseExists,
              DaoErrorOf([&] { DaoCreateDatabase(path.c_str(), "CREATE TABLE U (X INTEGER);"); }));
    EXPECT_EQ(created, ReadFileBytes(folder.Path() + u8"/物件.db"));

    CDaoDatabase database;
    database.Open(path.c_str());
    EXPECT_TRUE(database.CanUpdate());
    EXPECT_EQ(CString(path.c_str()), database.GetName());
}

TEST(DaoFile, RefusesSchemasOutsideTheColumnTypesAndLeavesNoFile)
{
    TempFolder folder;
    std::string path = folder.Path() + "/bad.db";
    CString description;
    // A text column that would compare with case.
    EXPECT_EQ(
        daoErrInvalidFieldType,
        DaoErrorOf([&] { DaoCreateDatabase(path.c_str(), "CREATE TABLE T (Shimei VARCHAR(20));"); }, &description));
    EXPECT_EQ(CString("フィールド 'T.Shimei' のデータ型が正しくありません。"), description);
    EXPECT_EQ(daoErrInvalidFieldType,
              DaoErrorOf([&] { DaoCreateDatabase(path.c_str(), "CREATE TABLE T (Shimei TEXT COLLATE NOCASE);"); }));
    EXPECT_EQ(daoErrSyntax, DaoErrorOf([&] { DaoCreateDatabase(path.c_str(), "CREATE TABLE T (;"); }));
    EXPECT_TRUE(std::filesystem::is_empty(folder.Path()));
}

size_t CodeRows(CDaoDatabase& database)
{
    ColumnSet codes(&database);
    codes.Open();
    return codes.Rows().size();
}

// Databases opened on one path share the file; a file moved over the path later is a new one.
TEST(DaoFile, ADatabaseOpenedAfterTheFileWasReplacedReadsTheNewFile)
{
    TempFolder folder;
    std::string path = WritableDaoVariants()[0].make(folder.Path());
    CDaoDatabase first, second;
    first.Open(path.c_str());
    second.Open(path.c_str());
    second.Execute("DELETE FROM CodeTbl WHERE Code = '01'");
    second.Close();
    EXPECT_EQ(6u, CodeRows(first));

    std::filesystem::create_directory(folder.Path() + "/new");
    std::filesystem::rename(WritableDaoVariants()[0].make(folder.Path() + "/new"), path);
    CDaoDatabase third;
    third.Open(path.c_str());
    third.Execute("DELETE FROM CodeTbl WHERE Code = '02'");
    EXPECT_EQ(6u, CodeRows(third));
    EXPECT_EQ(6u, CodeRows(first)); // still the file it opened
    third.Close();
    CDaoDatabase fourth;
    fourth.Open(path.c_str());
    EXPECT_EQ(6u, CodeRows(fourth));
    fourth.Execute("DELETE FROM CodeTbl WHERE Code = '03'");
    EXPECT_EQ(5u, CodeRows(fourth));
    EXPECT_EQ(6u, CodeRows(first));
}

} // namespace
