// Changes through the database classes: what survives closing and reopening, and what a
// failed change leaves.
#include "tests/platform/database/DaoFixture.h"
#include "tests/support/RecordsetRows.h"
#include "tests/support/SqliteRows.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

class DaoWriting : public DaoSuite {
protected:
    // The applicant rows that the filter selects, in display order: order, flag, reading, name and
    // remark, or only the name.
    Texts Applicants(LPCTSTR filter = "", bool namesOnly = false)
    {
        ShinseishaSet set(m_database);
        set.m_strSort = "Hyoujijun";
        set.m_strFilter = filter;
        set.Open();
        return Walk(set, [&] {
            CString row;
            row.Format("%d %d %s %s %s", set.m_Hyoujijun, set.m_ShokisentakuFlg, static_cast<LPCTSTR>(set.m_Furigana),
                       static_cast<LPCTSTR>(set.m_Shimei), static_cast<LPCTSTR>(set.m_Bikou));
            return namesOnly ? set.m_Shimei : row;
        });
    }
};

INSTANTIATE_TEST_SUITE_P(Variants, DaoWriting, ::testing::ValuesIn(WritableDaoVariants()),
                         ::testing::PrintToStringParamName());

TEST_P(DaoWriting, InsertEditAndDeleteSurviveReopening)
{
    ShinseishaSet set(m_database);
    set.m_strFilter = "Shimei = 'SMYTHE' or Shimei = 'aoki'";
    set.m_strSort = "Hyoujijun";
    set.Open();
    set.Edit(); // Aoki: a new reading; the null remark is not touched
    set.m_Furigana = "ｱｵｷﾞ";
    set.Update();
    set.MoveNext(); // smythe
    set.Delete();
    EXPECT_EQ(daoErrRecordDeleted, DaoErrorOf([&] { set.Edit(); }));
    set.AddNew();
    set.m_Hyoujijun = 9;
    set.m_ShokisentakuFlg = TRUE;
    set.m_Furigana = "ﾀﾞｲｸ";
    set.m_Shimei = "髙橋 ～十～";
    set.Update();
    set.MoveNext();
    EXPECT_EQ(Texts{"髙橋 ～十～"}, Walk(set, [&] { return set.m_Shimei; })); // added rows come last
    set.Close();

    EXPECT_EQ((Texts{"1 0 ｱｵｷﾞ Aoki ", "2 1 ﾍﾞｰｶｰ baker ", "3 0 ｵﾌﾞﾗｲｴﾝ O'Brien quote", "4 1 ①～髙 十能表 hard",
                     "5 0 ｽﾐｽ Smith ", "7 0 ｶｰﾀｰ CARTER ", "8 0 ｱﾀﾞﾑｽ adams lower", "9 1 ﾀﾞｲｸ 髙橋 ～十～ "}),
              Applicants());
    EXPECT_EQ((Texts{"Aoki", "Smith", "CARTER", "髙橋 ～十～"}), Applicants("Bikou IS NULL", true));
    EXPECT_EQ((Texts{"baker", "十能表", "髙橋 ～十～"}), Applicants("ShokisentakuFlg = -1", true));
}

TEST_P(DaoWriting, FailedUpdateLeavesTheRowAsItWas)
{
    Texts before = Applicants();
    ShinseishaSet set(m_database);
    set.Open(dbOpenDynaset, "SELECT * FROM AppShinseishaTbl WHERE Shimei = 'baker'", 0);
    set.Edit();
    set.m_Furigana = "ﾍﾞｲｶｰ";
    set.m_Shimei = "SMITH"; // the key is compared without case: a duplicate of Smith
    CString description;
    EXPECT_EQ(daoErrDuplicateKey, DaoErrorOf([&] { set.Update(); }, &description));
    EXPECT_NE(-1, description.Find("'AppShinseishaTbl'"));
    set.MoveFirst(); // abandons the edit and reads the row again
    EXPECT_EQ(CString("baker"), set.m_Shimei);
    EXPECT_EQ(CString("ﾍﾞｰｶｰ"), set.m_Furigana);
    EXPECT_EQ(daoErrUpdateWithoutEdit, DaoErrorOf([&] { set.Update(); }));

    set.AddNew();
    set.m_Shimei = "O'BRIEN";
    EXPECT_EQ(daoErrDuplicateKey, DaoErrorOf([&] { set.Update(); }));
    set.Close();
    EXPECT_EQ(before, Applicants());
}

TEST_P(DaoWriting, StoresDatesAndNullDates)
{
    BukkenSet set(m_database);
    set.Open();
    set.AddNew();
    set.m_BukkenIndex = 4;
    set.m_Bukkenmei = "新規";
    EXPECT_EQ(1, set.m_Koushinbi.SetDateTime(2024, 2, 29, 24, 0, 0)); // no hour 24
    EXPECT_EQ(COleDateTime::invalid, set.m_Koushinbi.GetStatus());
    set.m_Koushinbi.SetDateTime(2024, 2, 29, 23, 59, 59);
    set.m_ChikiShiteiCode = 1;
    set.Update();
    set.Close();

    set.m_strFilter = "BukkenIndex >= 3";
    set.m_strSort = "BukkenIndex";
    set.Open();
    EXPECT_EQ(COleDateTime::null, set.m_Koushinbi.GetStatus());
    set.MoveNext();
    EXPECT_EQ(COleDateTime(2024, 2, 29, 23, 59, 59), set.m_Koushinbi);
    EXPECT_EQ(CString("新規"), set.m_Bukkenmei);
    set.Edit();
    set.m_Koushinbi.SetStatus(COleDateTime::null);
    set.Update();
    set.Close();
    set.m_strFilter = "Koushinbi IS NULL";
    set.Open();
    EXPECT_EQ((Texts{"no date", "新規"}), Walk(set, [&] { return set.m_Bukkenmei; }));
}

// A new row holds every member assigned after AddNew, whatever its value (0, FALSE and "" too),
// and null in the others, as another program reading the file sees them; once it is written,
// the members left unassigned read as empty.
TEST_P(DaoWriting, ANewRowHoldsWhatWasAssignedWhateverItsValue)
{
    BukkenSet set(m_database);
    set.m_strFilter = "BukkenIndex > 100"; // no row: nothing is loaded back after a row is added
    set.Open();
    set.AddNew();
    set.m_BukkenIndex = 0;
    set.m_Bukkenmei = "";
    set.m_ShinseiKubun = 0;
    set.Update();
    EXPECT_EQ("0||null|0|0||", Line(set.m_BukkenIndex, set.m_Bukkenmei, set.m_Koushinbi, set.m_ChikiShiteiCode,
                                    set.m_ShinseiKubun, set.m_HozonDirectory, set.m_Bikou));
    EXPECT_EQ(0, set.m_Bikou.GetLength());
    set.AddNew();
    set.m_BukkenIndex = 9;
    set.m_ChikiShiteiCode = 0;
    set.m_HozonDirectory = "";
    set.m_Bikou = "x";
    set.Update();
    set.Close();

    ShinseishaSet applicants(m_database);
    applicants.Open();
    applicants.AddNew();
    applicants.m_Hyoujijun = 0;
    applicants.m_ShokisentakuFlg = FALSE;
    applicants.m_Shimei = "新";
    applicants.Update();
    applicants.Close();

    EXPECT_EQ((std::vector<std::string>{"0|''|NULL|NULL|0|NULL|NULL", "9|NULL|NULL|0|NULL|''|'x'"}),
              testsupport::SqliteRows(m_database, "SELECT quote(BukkenIndex), quote(Bukkenmei), quote(Koushinbi), "
                                                  "quote(ChikiShiteiCode), quote(ShinseiKubun), "
                                                  "quote(HozonDirectory), quote(Bikou) FROM AppBukkenKanriTbl "
                                                  "WHERE BukkenIndex IN (0, 9) ORDER BY BukkenIndex"));
    EXPECT_EQ((std::vector<std::string>{"0|0|NULL|NULL"}),
              testsupport::SqliteRows(m_database, "SELECT quote(Hyoujijun), quote(ShokisentakuFlg), quote(Furigana), "
                                                  "quote(Bikou) FROM AppShinseishaTbl WHERE Hyoujijun = 0"));
}

TEST_P(DaoWriting, AddsAColumnThatSurvivesReopening)
{
    CDaoDatabase database;
    database.Open(m_database.c_str());
    CDaoTableDef table(&database);
    table.Open("AppSetsubishaTbl");
    CDaoFieldInfo info;
    EXPECT_EQ(daoErrItemNotFound, DaoErrorOf([&] { table.GetFieldInfo("TourokuBangou", info); }));
    info.m_strName = "TourokuBangou";
    info.m_nType = dbText;
    info.m_lSize = 60;
    info.m_lAttributes = 32;
    info.m_bAllowZeroLength = TRUE;
    table.CreateField(info);
    EXPECT_EQ(daoErrFieldDefinedTwice, DaoErrorOf([&] { table.CreateField(info); }));
    table.Close();
    database.Close();

    database.Open(m_database.c_str());
    table.Open("AppSetsubishaTbl");
    CDaoFieldInfo added;
    table.GetFieldInfo("tourokubangou", added, AFX_DAO_SECONDARY_INFO);
    EXPECT_EQ(CString("TourokuBangou"), added.m_strName);
    EXPECT_EQ(4, added.m_nOrdinalPosition);
    database.Execute("UPDATE AppSetsubishaTbl SET TourokuBangou = '第12号'");
    database.Execute("INSERT INTO AppSetsubishaTbl (Shimei) VALUES ('新人')");
    table.Close();
    database.Close();

    database.Open(m_database.c_str(), FALSE, TRUE);
    // A null order comes first, as in Jet.
    const std::pair<const char*, Texts> columns[] = {
        {"[ShokisentakuFlg]", {"0", "-1"}}, {"[Shimei]", {"新人", "設備 太郎"}}, {"[TourokuBangou]", {"", "第12号"}}};
    for (const auto& column : columns) {
        ColumnSet set(&database, column.first);
        set.Open(dbOpenDynaset, "SELECT * FROM AppSetsubishaTbl ORDER BY Hyoujijun", 0);
        EXPECT_EQ(column.second, set.Rows());
    }
}

TEST_P(DaoWriting, ExecuteChangesAllRowsOrNone)
{
    CDaoDatabase database;
    database.Open(m_database.c_str());
    ColumnSet codes(&database, "[SeishikiMeishou]");
    codes.Open(dbOpenDynaset, "[CodeTbl]", 0);
    const char* update = "UPDATE CodeTbl SET SeishikiMeishou='独立行政法人都市再生機構',"
                         "TanshukuMeishou='独立行政法人都市再生機構' WHERE Code='07'";
    codes.m_pDatabase->Execute(update, dbFailOnError);
    codes.m_pDatabase->Execute(update, dbFailOnError); // again: nothing more changes
    // The open dynaset reads each row as it reaches it, so it shows the change.
    EXPECT_EQ((Texts{"東京都知事", "国土交通大臣", "秋田県知事", "山形県知事", "埼玉県知事", "北海道知事",
                     "独立行政法人都市再生機構"}),
              codes.Rows());

    Texts before = Applicants();
    EXPECT_EQ(daoErrDuplicateKey, DaoErrorOf([&] { database.Execute("UPDATE AppShinseishaTbl SET Shimei = 'x'"); }));
    EXPECT_EQ(daoErrSelectExecuted, DaoErrorOf([&] { database.Execute("SELECT * FROM CodeTbl"); }));
    EXPECT_EQ(daoErrTextAfterStatement,
              DaoErrorOf([&] { database.Execute("DELETE FROM CodeTbl; DELETE FROM AppShinseishaTbl"); }));
    EXPECT_EQ(before, Applicants());
    codes.Requery();
    EXPECT_EQ(7u, codes.Rows().size());
}

TEST_P(DaoWriting, RefusesChangesToSnapshotsAndReadOnlyDynasets)
{
    CDaoDatabase database;
    database.Open(m_database.c_str());
    ColumnSet snapshot(&database);
    snapshot.Open(dbOpenSnapshot, "[CodeTbl]", 0);
    EXPECT_EQ(daoErrReadOnly, DaoErrorOf([&] { snapshot.Edit(); }));
    snapshot.Open(dbOpenDynaset, "[CodeTbl]", dbReadOnly);
    EXPECT_EQ(daoErrReadOnly, DaoErrorOf([&] { snapshot.Delete(); }));
    snapshot.Open(dbOpenTable, "CodeTbl", 0);
    EXPECT_TRUE(snapshot.CanUpdate());
    EXPECT_EQ(daoErrInvalidOperation, DaoErrorOf([&] { snapshot.Open(dbOpenTable, "SELECT * FROM CodeTbl", 0); }));
}

// Sets the file's modification time hours back, as for a file that nobody has written lately.
void WrittenLongAgo(const std::string& path, int hours = 1)
{
    timespec times[2];
    clock_gettime(CLOCK_REALTIME, &times[0]);
    times[0].tv_sec -= 3600 * hours;
    times[1] = times[0];
    ASSERT_EQ(0, utimensat(AT_FDCWD, path.c_str(), times, 0));
}

void ExecuteInChildProcess(const std::string& path, const char* sql)
{
    pid_t child = fork();
    if (child == 0) {
        try {
            CDaoDatabase database;
            database.Open(path.c_str());
            database.Execute(sql);
        } catch (...) {
            _exit(1);
        }
        _exit(0);
    }
    int status = -1;
    waitpid(child, &status, 0);
    ASSERT_EQ(0, status);
}

TEST_P(DaoWriting, AnOpenDynasetShowsWhatOtherDatabasesAndProcessesChange)
{
    WrittenLongAgo(m_database);
    CDaoDatabase database;
    database.Open(m_database.c_str());
    ColumnSet codes(&database, "[SeishikiMeishou]");
    codes.Open(dbOpenDynaset, "SELECT * FROM CodeTbl WHERE Code <= '02' ORDER BY Code", 0);
    auto names = [&] {
        codes.MoveFirst();
        return codes.Rows();
    };
    EXPECT_EQ((Texts{"東京都知事", "国土交通大臣"}), names());

    {
        CDaoDatabase other; // the same file, in this process
        other.Open(m_database.c_str());
        other.Execute("UPDATE CodeTbl SET SeishikiMeishou = '都知事' WHERE Code = '01'");
    }
    EXPECT_EQ((Texts{"都知事", "国土交通大臣"}), names());

    WrittenLongAgo(m_database);
    EXPECT_EQ((Texts{"都知事", "国土交通大臣"}), names());
    ExecuteInChildProcess(m_database, "UPDATE CodeTbl SET SeishikiMeishou = '大臣' WHERE Code = '02'");
    WrittenLongAgo(m_database, 2); // the change is told by the file's time, not by its being recent
    EXPECT_EQ((Texts{"都知事", "大臣"}), names());
    ExecuteInChildProcess(m_database, "DELETE FROM CodeTbl WHERE Code = '01'");
    EXPECT_EQ((Texts{"大臣"}), names());
}

// A recordset that has not read to its end holds nothing of the file: another process writes at
// once, and the recordset shows the change when it moves onto the row.
TEST_P(DaoWriting, AnOpenRecordsetLeavesTheFileFreeForOtherProcesses)
{
    WrittenLongAgo(m_database);
    CDaoDatabase database;
    database.Open(m_database.c_str());
    ColumnSet codes(&database, "[SeishikiMeishou]");
    codes.Open(dbOpenDynaset, "SELECT * FROM CodeTbl ORDER BY Code", 0);
    ExecuteInChildProcess(m_database, "UPDATE CodeTbl SET SeishikiMeishou = '大臣' WHERE Code = '02'");
    WrittenLongAgo(m_database, 2);
    codes.MoveFirst();
    codes.MoveNext();
    EXPECT_EQ(CString("大臣"), codes.m_value);
}

} // namespace
