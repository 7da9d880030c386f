// Every program of the build reads its arguments before doing anything: --help shows the usage and
// succeeds, an unknown option is named with the usage on standard error and fails with status 2,
// as does an argument the program cannot use; none of them writes anything, not even the settings,
// and none needs a display to answer.
#include "tests/support/CommandOutput.h"
#include "tests/support/TempFolder.h"
#include "tests/support/TestSupport.h"

#include <dirent.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

using namespace testsupport;

namespace {

class ProgramArgumentsTest : public ::testing::Test {
protected:
    // Runs a program of this build (its path below the build folder) in the empty working folder
    // with the temporary settings and no display; its exit status, with its standard output and
    // standard error kept apart.
    int RunProgram(const std::string& program, const std::string& arguments)
    {
        int status = -1;
        m_stdout = CommandOutput("cd '" + m_work.Path() + "' && env -u DISPLAY -u WAYLAND_DISPLAY '" + Path(program) +
                                     "' " + arguments + " 2>'" + m_errors.Path("stderr") + "'",
                                 &status);
        m_stderr = ReadFileBytes(m_errors.Path("stderr"));
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    static std::string Path(const std::string& program) { return ZN_BUILD_DIR "/" + program; }

    // The names in the working folder, which the programs must leave empty.
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

// Each program with a call that it cannot use: a wrong count of arguments, a count of runs that is
// no positive whole number, a word it does not know.
struct ProgramCall {
    const char* program;
    const char* wrongCall;
};

const ProgramCall kPrograms[] = {
    {"tools/sampledata/make_sample_data", "a b c"},
    {"tools/sampledata/make_sample_codes", "a b c"},
    {"tools/sampledata/set_folders", "a b c"},
    {"tools/templates/make_database_templates", "a b"},
    {"bench/zip_bench", "folder 0"},
    {"bench/jet_import_bench", "a b"},
    {"bench/export_bench", "folder speed sped"},
    {"bench/hive_bench", "wide"},
    {"bench/render_bench", "folder 5 10 many"},
    {"bench/print_bench", "a 2 c"},
    {"bench/input_size_bench", "folder cell sideways"},
    {"app/zadazez", nullptr},
};

std::string Name(const std::string& program) { return program.substr(program.rfind('/') + 1); }

} // namespace

TEST_F(ProgramArgumentsTest, HelpShowsTheUsageAndAnUnknownOptionIsRefused)
{
    for (const ProgramCall& call : kPrograms) {
        SCOPED_TRACE(call.program);
        std::string usage = "usage: " + Name(call.program) + " ";
        EXPECT_EQ(0, RunProgram(call.program, "--help"));
        EXPECT_EQ(usage, m_stdout.substr(0, usage.size()));
        EXPECT_EQ("", m_stderr);

        std::string help = m_stdout;
        EXPECT_EQ(2, RunProgram(call.program, "--bogus"));
        EXPECT_EQ("", m_stdout);
        EXPECT_EQ(Path(call.program) + ": unknown option --bogus\n" + help, m_stderr);
        EXPECT_EQ(2, RunProgram(call.program, "-x a b c"));
        EXPECT_EQ(Path(call.program) + ": unknown option -x\n" + help, m_stderr);
        // --help wins wherever it stands.
        EXPECT_EQ(0, RunProgram(call.program, "folder --help"));
        EXPECT_EQ(help, m_stdout);
        if (call.wrongCall) {
            EXPECT_EQ(2, RunProgram(call.program, call.wrongCall));
            EXPECT_EQ("", m_stdout);
            EXPECT_EQ(help, m_stderr.substr(m_stderr.size() - std::min(m_stderr.size(), help.size())));
        }
    }
    EXPECT_EQ("", WorkingFolderNames());
    EXPECT_NE(0, access(m_registry.MachineHive().c_str(), F_OK));
}

TEST_F(ProgramArgumentsTest, TheProgramTakesTheStandardFlagsAndABenchmarkItsOwnOption)
{
    EXPECT_EQ(1, RunProgram("tools/sampledata/set_folders", "--check"));
    EXPECT_EQ("", m_stdout + m_stderr);
    EXPECT_EQ(2, RunProgram("tools/sampledata/set_folders", "--check --verbose"));
    // The standard flags pass on to the program, which without a display says so (after GTK).
    const std::string noDisplay = "\nNo display: the program needs an X display (DISPLAY).\n";
    for (const char* flags : {"-p file", "/P file", "-pt file printer driver port", "-Embedding"}) {
        EXPECT_EQ(1, RunProgram("app/zadazez", flags)) << flags;
        EXPECT_EQ(noDisplay, m_stderr.substr(m_stderr.size() - std::min(m_stderr.size(), noDisplay.size()))) << flags;
    }
    // The export benchmark's own child call needs its folder.
    EXPECT_EQ(2, RunProgram("bench/export_bench", "--child"));
    EXPECT_EQ("", WorkingFolderNames());
}
