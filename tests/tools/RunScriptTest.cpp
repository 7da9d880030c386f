// scripts/run for a user of a temporary home without a display: the settings part made once, then
// left alone or reused; the program's part refused at once, and with a job count that is no count;
// and its check of the session bus, which the settings backend needs.
#include "tests/support/CommandOutput.h"
#include "tests/support/TempFolder.h"
#include "tests/support/TestSupport.h"

#include "platform/files/WinPath.h"
#include "storage/ZnAppRegObject.h"

#include <cstdio>
#include <cstdlib>
#include <signal.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

using namespace testsupport;

namespace {

class RunScriptTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_EQ(0, symlink(ZN_BUILD_DIR "/tools", m_build.Path("tools").c_str()));
        setenv("ZN_DRIVE_A", "", 1); // no floppy drive: the default output folder is C:
    }
    void TearDown() override { unsetenv("ZN_DRIVE_A"); }

    // Runs scripts/run --settings-only with the temporary home and build folders and no display;
    // its exit status.
    int RunSettings() { return RunScript("--settings-only"); }

    // Runs scripts/run with those arguments and settings (such as "DISPLAY=:9"), the temporary
    // home and build folders and else no display.
    int RunScript(const std::string& arguments, const std::string& settings = "")
    {
        int status = -1;
        m_output = testsupport::CommandOutput("cd '" ZN_SOURCE_DIR
                                              "' && env -u ZN_SAMPLE_DIR -u DISPLAY -u WAYLAND_DISPLAY -u JOBS HOME='" +
                                                  m_home.Path() + "' BUILD_DIR='" + m_build.Path() + "' " + settings +
                                                  " bash scripts/run " + arguments + " 2>&1",
                                              &status);
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    // Whether scripts/run counts a session bus as reachable, with those settings (such as
    // "XDG_RUNTIME_DIR=...") and else neither a bus nor a display: the status of its check.
    int SessionBusAnswers(const std::string& settings)
    {
        return std::system(("cd '" ZN_SOURCE_DIR "' && env -u DBUS_SESSION_BUS_ADDRESS -u DISPLAY -u WAYLAND_DISPLAY " +
                            settings + " bash -c 'source scripts/setup && session_bus_answers'")
                               .c_str());
    }

    std::string Sample(const std::string& relative) const { return m_home.Path("zadazez-sample/" + relative); }
    std::string Windows(const std::string& linuxPath) const { return LinuxPathToWin(linuxPath); }

    TempRegistry m_registry;
    TempFolder m_home;
    TempFolder m_build;
    std::string m_output;
};

ZnAppRegObject Folders() { return ZnAppRegObject(kAppPosSubKey, "ZnApp", "ZnCom", "ZnObj", "ZnDst", "ZnOutput"); }

// The five folder values joined by "|".
std::string Values(const ZnAppRegObject& folders)
{
    std::string values;
    for (const CString& value : folders.m_strValues)
        values += value.Bytes() + "|";
    return values.substr(0, values.size() - 1);
}

} // namespace

TEST_F(RunScriptTest, MakesTheSampleSetOnceAndPointsTheSettingsAtIt)
{
    // The build's database templates in the application folder are kept.
    ASSERT_EQ(0, mkdir(m_build.Path("app").c_str(), 0755));
    for (const char* name : {"APP_BUKKEN.mdb", "APP_USER_REGIST.mdb"})
        WriteFileBytes(m_build.Path(std::string("app/") + name), std::string("template ") + name);
    ASSERT_EQ(0, RunSettings()) << m_output;
    for (const char* name : {"APP_BUKKEN.mdb", "APP_USER_REGIST.mdb"})
        EXPECT_EQ(std::string("template ") + name, ReadFileBytes(m_build.Path(std::string("app/") + name)));
    EXPECT_NE(std::string::npos, m_output.find("Making the sample data set in")) << m_output;
    EXPECT_FALSE(ReadFileBytes(Sample("bukken/APP_BUKKEN.mdb")).empty());
    EXPECT_FALSE(ReadFileBytes(Sample("common/APP_USER_REGIST.mdb")).empty());
    EXPECT_EQ(0, access(Sample("export").c_str(), W_OK));
    for (const char* database : {"COM_CODE.mdb", "COM_CHIIKI.mdb"}) {
        std::string copy = ReadFileBytes(m_build.Path(std::string("app/") + database));
        EXPECT_FALSE(copy.empty()) << database;
        EXPECT_EQ(Hex(ReadFileBytes(Sample(std::string("codes/") + database))), Hex(copy)) << database;
    }
    ZnAppRegObject folders = Folders();
    ASSERT_EQ(1, folders.Read());
    EXPECT_EQ(Windows(m_build.Path("app")) + "|" + Windows(Sample("common")) + "|" + Windows(Sample("bukken")) + "|" +
                  Windows(Sample("export")) + "|C:\\",
              Values(folders));

    // With settings of the user's, nothing is made or changed.
    std::string hive = ReadFileBytes(m_registry.MachineHive());
    std::string data = ReadFileBytes(Sample("bukken/APP_BUKKEN.mdb"));
    ASSERT_EQ(0, RunSettings()) << m_output;
    EXPECT_NE(std::string::npos, m_output.find("Using the folders of the settings.")) << m_output;
    EXPECT_EQ(Hex(hive), Hex(ReadFileBytes(m_registry.MachineHive())));
    EXPECT_EQ(Hex(data), Hex(ReadFileBytes(Sample("bukken/APP_BUKKEN.mdb"))));

    // Without settings again: the sample set is reused, the application folder's files are kept.
    ASSERT_EQ(0, std::remove(m_registry.MachineHive().c_str()));
    WriteFileBytes(m_build.Path("app/COM_CODE.mdb"), "the user's own file");
    ASSERT_EQ(0, RunSettings()) << m_output;
    EXPECT_NE(std::string::npos, m_output.find("Using the sample data set in")) << m_output;
    EXPECT_EQ(Hex(data), Hex(ReadFileBytes(Sample("bukken/APP_BUKKEN.mdb"))));
    EXPECT_EQ("the user's own file", ReadFileBytes(m_build.Path("app/COM_CODE.mdb")));
    ASSERT_EQ(1, folders.Read());
    EXPECT_EQ(Windows(Sample("bukken")), folders.m_strValues[2].Bytes());
}

TEST_F(RunScriptTest, WithoutADisplayStopsBeforeBuildingAnything)
{
    EXPECT_EQ(1, RunScript(""));
    EXPECT_EQ("The program needs a display: run it in a desktop session.\n", m_output);
    // Neither the build folder's settings nor the sample set were touched.
    EXPECT_NE(0, access(m_build.Path("CMakeCache.txt").c_str(), F_OK));
    EXPECT_NE(0, access(Sample("").c_str(), F_OK));
    EXPECT_NE(0, access(m_registry.MachineHive().c_str(), F_OK));
}

TEST_F(RunScriptTest, SettingsOnlyBeforeAnyBuildSaysWhatToRunFirst)
{
    ASSERT_EQ(0, unlink(m_build.Path("tools").c_str()));
    EXPECT_EQ(1, RunSettings());
    EXPECT_EQ("The settings tools are not built in " + m_build.Path() +
                  " yet: run scripts/run once to build them.\n",
              m_output);
    EXPECT_NE(0, access(Sample("").c_str(), F_OK));
    EXPECT_NE(0, access(m_registry.MachineHive().c_str(), F_OK));
}

TEST_F(RunScriptTest, AJobCountThatIsNoCountStopsBeforeBuildingAnything)
{
    for (const char* jobs : {"0", "four", "-2"}) {
        EXPECT_EQ(2, RunScript("", std::string("DISPLAY=:9 JOBS=") + jobs)) << jobs;
        EXPECT_EQ(std::string("JOBS must be a positive whole number, not '") + jobs + "'.\n", m_output);
        EXPECT_NE(0, access(m_build.Path("CMakeCache.txt").c_str(), F_OK)) << jobs;
    }
}

TEST_F(RunScriptTest, ASessionBusCountsOnlyWhenItAnswers)
{
    std::string address = "DBUS_SESSION_BUS_ADDRESS=unix:path=" + m_home.Path("bus");
    std::string runtime = "XDG_RUNTIME_DIR=" + m_home.Path();
    EXPECT_NE(0, SessionBusAnswers(address));
    EXPECT_NE(0, SessionBusAnswers(runtime));

    std::string pid =
        CommandOutput("dbus-daemon --session --fork --print-pid --address=unix:path=" + m_home.Path("bus"));
    ASSERT_GT(std::atoi(pid.c_str()), 0) << "no session bus started";
    EXPECT_EQ(0, SessionBusAnswers(address));
    EXPECT_EQ(0, SessionBusAnswers(runtime));
    kill(std::atoi(pid.c_str()), SIGTERM);
}
