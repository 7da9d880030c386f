// The sample-data tools read their arguments before doing anything: --help shows the usage and
// succeeds, an unknown option shows it on standard error and fails with status 2; neither
// writes anything, not even the settings.
#include "tests/support/CommandOutput.h"
#include "tests/support/TempFolder.h"
#include "tests/support/TestSupport.h"

#include <dirent.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

using namespace testsupport;

namespace {

class ToolArgumentsTest : public ::testing::Test {
protected:
    // Runs a tool of this build in the empty working folder with the temporary settings; its
    // exit status, with its standard output and standard error kept apart.
    int RunTool(const std::string& tool, const std::string& arguments)
    {
        int status = -1;
        m_stdout = CommandOutput("cd '" + m_work.Path() + "' && '" ZN_BUILD_DIR "/tools/sampledata/" + tool + "' " +
                                     arguments + " 2>'" + m_errors.Path("stderr") + "'",
                                 &status);
        m_stderr = ReadFileBytes(m_errors.Path("stderr"));
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    // The names in the working folder, which the tools must leave empty.
    std::string WorkingFolderNames() const
    {
        std::string names;
        DIR* folder = opendir(m_work.Path().c_str());
        while (dirent* entry = readdir(folder))
            if (std::string(entry->d_name) != "." && std::string(entry->d_name) != "..")
                names += std::string(entry->d_name) + " ";
        closedir(folder);
        return names;
    }

    TempRegistry m_registry;
    TempFolder m_work;
    TempFolder m_errors;
    std::string m_stdout;
    std::string m_stderr;
};

const char* const kTools[] = {"make_sample_data", "make_sample_codes", "set_folders"};

} // namespace

TEST_F(ToolArgumentsTest, HelpShowsTheUsageAndAnUnknownOptionIsRefused)
{
    for (const char* tool : kTools) {
        SCOPED_TRACE(tool);
        std::string usage = std::string("usage: ") + tool + " ";
        EXPECT_EQ(0, RunTool(tool, "--help"));
        EXPECT_EQ(usage, m_stdout.substr(0, usage.size()));
        EXPECT_EQ("", m_stderr);

        std::string help = m_stdout;
        EXPECT_EQ(2, RunTool(tool, "--bogus"));
        EXPECT_EQ("", m_stdout);
        EXPECT_EQ(help, m_stderr);
        EXPECT_EQ(2, RunTool(tool, "-x a b c"));
        EXPECT_EQ(help, m_stderr);
        // --help wins wherever it stands; a wrong count of arguments shows the usage too.
        EXPECT_EQ(0, RunTool(tool, "folder --help"));
        EXPECT_EQ(help, m_stdout);
        EXPECT_EQ(2, RunTool(tool, "a b c"));
        EXPECT_EQ(help, m_stderr);
    }
    EXPECT_EQ("", WorkingFolderNames());
    EXPECT_NE(0, access(m_registry.MachineHive().c_str(), F_OK));
}

TEST_F(ToolArgumentsTest, ASettingsCheckStillWorksBesideTheUnknownOptions)
{
    EXPECT_EQ(1, RunTool("set_folders", "--check"));
    EXPECT_EQ("", m_stdout + m_stderr);
    EXPECT_EQ(2, RunTool("set_folders", "--check --verbose"));
}
