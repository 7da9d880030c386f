#include "tests/support/RunLogCheck.h"
#include "tests/support/TempWorkingFolder.h"
#include "tests/support/TestSupport.h"

#include "storage/ZnRunLog.h"
#include "writers/ZnAppDocFDOut00.h"

#include <fstream>
#include <sys/stat.h>

using testsupport::ExpectLogLines;
using testsupport::TempFolder;

namespace {

bool Exists(const std::string& path)
{
    struct stat st;
    return stat(path.c_str(), &st) == 0;
}

// Runs the test in a working folder of its own, with drive C mapped to another folder.
class RunLog : public ::testing::Test {
protected:
    testsupport::TempWorkingFolder m_folders;
    const TempFolder& m_work = m_folders.Work();
    const TempFolder& m_driveC = m_folders.DriveC();
};

} // namespace

TEST_F(RunLog, WritesOneCrLfLinePerCallInTheFixedForm)
{
    ZnAppDocFDOut00::WriteLog(2, "物件【A - 表】の情報を出力します--------------------。", "ZnDlgAppSelectObjDialog",
                              "ExportBukkenInfo()");
    ZnAppDocFDOut00::WriteLog(4, "100% #1", "src", "f()");
    ZnAppDocFDOut00::WriteLog(0, "zero", "s", "g()");
    ZnAppDocFDOut00::WriteLog(5, "five", "s", "g()");
    ZnAppDocFDOut00::WriteLog(1, "", "s", "g()");
    ZnAppDocFDOut00::WriteLog(3, "w", "s", "g()");

    ExpectLogLines(testsupport::ReadFileBytes(m_work.Path("ravuRivo.log")),
                   {" [INFO ] ZnDlgAppSelectObjDialog#ExportBukkenInfo() - "
                    "\x95\xA8\x8C\x8F\x81\x79" "A - \x95\x5C\x81\x7A"                     // 物件【A - 表】
                    "\x82\xCC\x8F\xEE\x95\xF1\x82\xF0\x8F\x6F\x97\xCD\x82\xB5\x82\xDC\x82\xB7" // の情報を出力します
                    "--------------------\x81\x42",                                       // ----。
                    " [ERROR] src#f() - 100% #1", " [] s#g() - zero", " [] s#g() - five", " [DEBUG] s#g() - ",
                    " [WARN ] s#g() - w"});
    EXPECT_FALSE(Exists(m_driveC.Path("ravuRivo.log")));
}

TEST_F(RunLog, FallsBackToDriveCAndLosesOnlyTheLineWhenNeitherOpens)
{
    // A working folder that no longer exists cannot take the log.
    TempFolder gone;
    ASSERT_EQ(0, chdir(gone.Path().c_str()));
    ASSERT_EQ(0, rmdir(gone.Path().c_str()));
    ZnAppDocFDOut00::WriteLog(2, "one", "s", "f()");
    ExpectLogLines(testsupport::ReadFileBytes(m_driveC.Path("ravuRivo.log")), {" [INFO ] s#f() - one"});

    SetDriveFolder('C', m_driveC.Path("missing"));
    ZnAppDocFDOut00::WriteLog(2, "lost", "s", "f()");
    ZnAppDocFDOut00::DeleteLog();
    EXPECT_TRUE(Exists(m_driveC.Path("ravuRivo.log")));

    // Only that line is lost: the log keeps what it held and takes the next line.
    SetDriveFolder('C', m_driveC.Path());
    ZnAppDocFDOut00::WriteLog(3, "two", "s", "f()");
    ExpectLogLines(testsupport::ReadFileBytes(m_driveC.Path("ravuRivo.log")), {" [INFO ] s#f() - one", " [WARN ] s#f() - two"});
}

TEST_F(RunLog, DeleteRemovesTheCurrentFolderLogAndLeavesDriveC)
{
    ZnAppDocFDOut00::WriteLog(2, "x", "s", "f()");
    std::ofstream(m_driveC.Path("ravuRivo.log")) << "kept";
    ZnAppDocFDOut00::DeleteLog();
    EXPECT_FALSE(Exists(m_work.Path("ravuRivo.log")));
    EXPECT_EQ("kept", testsupport::ReadFileBytes(m_driveC.Path("ravuRivo.log")));
    ZnAppDocFDOut00::DeleteLog(); // no log: created and removed again
    EXPECT_FALSE(Exists(m_work.Path("ravuRivo.log")));
}

// While kept open, each line is on disk when its call returns, a Delete starts a new log, and
// once the last keeper goes the next line opens the log where it is then.
TEST_F(RunLog, AKeptLogHasEveryLineOnDiskAndIsLetGoWithItsLastKeeper)
{
    TempFolder other;
    {
        ZnRunLog::KeptOpen outer;
        {
            ZnRunLog::KeptOpen inner;
            ZnAppDocFDOut00::WriteLog(2, "one", "s", "f()");
            ExpectLogLines(testsupport::ReadFileBytes(m_work.Path("ravuRivo.log")), {" [INFO ] s#f() - one"});
        }
        ZnAppDocFDOut00::DeleteLog();
        EXPECT_FALSE(Exists(m_work.Path("ravuRivo.log")));
        ZnAppDocFDOut00::WriteLog(3, "two", "s", "f()");
        ExpectLogLines(testsupport::ReadFileBytes(m_work.Path("ravuRivo.log")), {" [WARN ] s#f() - two"});
    }
    ASSERT_EQ(0, chdir(other.Path().c_str()));
    ZnAppDocFDOut00::WriteLog(4, "three", "s", "f()");
    ExpectLogLines(testsupport::ReadFileBytes(other.Path("ravuRivo.log")), {" [ERROR] s#f() - three"});
    ExpectLogLines(testsupport::ReadFileBytes(m_work.Path("ravuRivo.log")), {" [WARN ] s#f() - two"});
}
