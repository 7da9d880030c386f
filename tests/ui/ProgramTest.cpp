// Programs on the real main, started as processes: a probe, and the program itself.
#include "tests/support/CommandOutput.h"
#include "tests/support/TempFolder.h"
#include "tests/support/TestSupport.h"
#include "tests/ui/UiTestSupport.h"

#include <cstdlib>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>
#include <iterator>
#include <sstream>

using namespace testsupport;

namespace {

TEST(AfxWxMain, TheProgramEndsWithZeroWhenInitInstanceFailsAndLeavesNoWindow)
{
    int status = -1;
    std::string output = CommandOutput(std::string(ZN_UI_PROBE) + " /p 'App Data' 2>/dev/null", &status);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(0, WEXITSTATUS(status));
    // No window for the hidden frame, one for the dialog; the command line as given; none left.
    EXPECT_EQ(ReadFileBytes(testsupport::DataPath("ui/probe_output.txt")), output);
}

const std::string kDialogCaption = u8"Miravel (2010年09月03日リリース)"; // as the window manager's hints give it

const int kLooks = 3000;              // looks for a window (each one run of xdotool) before giving up
const int kEndMilliseconds = 30000;   // for the program to end once its dialog is closed

// The ids of the shown windows of a process, as xdotool gives them.
std::vector<std::string> ShownWindows(pid_t pid)
{
    std::istringstream ids(CommandOutput("xdotool search --onlyvisible --pid " + std::to_string(pid) + " 2>/dev/null"));
    return {std::istream_iterator<std::string>(ids), std::istream_iterator<std::string>()};
}


// The program as a process: settings in one folder, work folder current, output in a file.
class Program {
public:
    Program(const std::string& registry, const std::string& work) : m_outputPath(work + ".out")
    {
        m_pid = ::fork();
        if (m_pid == 0) {
            int out = ::open(m_outputPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0666);
            int null = ::open("/dev/null", O_WRONLY);
            if (out < 0 || null < 0 || ::chdir(work.c_str()) != 0)
                ::_exit(127);
            ::dup2(out, 1);
            ::dup2(null, 2);
            ::setenv("ZN_REGISTRY_DIR", registry.c_str(), 1);
            ::execl(ZN_PROGRAM, ZN_PROGRAM, static_cast<char*>(nullptr));
            ::_exit(127);
        }
    }
    ~Program()
    {
        if (m_pid > 0 && !m_ended) {
            ::kill(m_pid, SIGKILL);
            ::waitpid(m_pid, nullptr, 0);
        }
        ::remove(m_outputPath.c_str());
    }

    // The shown window whose name is (or is not) the dialog's caption; "" when none shows.
    std::string WaitForWindow(bool named)
    {
        for (int look = 0; look < kLooks && !Ended(); ++look)
            for (const std::string& id : ShownWindows(m_pid))
                if ((CommandOutput("xdotool getwindowname " + id + " 2>/dev/null") == kDialogCaption + "\n") == named)
                    return id;
        return "";
    }

    // Gives a window the keyboard focus and presses a key there, as a person would.
    static void Press(const std::string& window, const std::string& key)
    {
        CommandOutput("xdotool windowfocus " + window + " key " + key + " 2>/dev/null");
    }

    // The exit status once the program ends within kEndMilliseconds, else -1.
    int WaitForEnd()
    {
        if (!m_ended) {
            int pidfd = static_cast<int>(::syscall(SYS_pidfd_open, m_pid, 0));
            if (pidfd >= 0) {
                pollfd ended{pidfd, POLLIN, 0};
                ::poll(&ended, 1, kEndMilliseconds);
                ::close(pidfd);
            }
            Ended();
        }
        return m_ended && WIFEXITED(m_status) ? WEXITSTATUS(m_status) : -1;
    }

    std::string Output() const { return ReadFileBytes(m_outputPath); }
    pid_t Pid() const { return m_pid; }

private:
    bool Ended()
    {
        if (!m_ended && ::waitpid(m_pid, &m_status, WNOHANG) == m_pid)
            m_ended = true;
        return m_ended;
    }

    std::string m_outputPath;
    pid_t m_pid = -1;
    int m_status = 0;
    bool m_ended = false;
};

// Presses a key in the migration dialog (named) or in another window, once it shows.
void PressWhenShown(Program& program, bool named, const std::string& key)
{
    std::string window = program.WaitForWindow(named);
    EXPECT_NE("", window) << (named ? "the migration dialog did not show" : "no error box for the register");
    if (!window.empty())
        Program::Press(window, key);
}

// Takes pictures of a window until one shows more than `lines` lines of text (bands of rows with a
// pixel darker than middle grey); the lines of the last picture.
int PictureWithMoreLinesThan(const std::string& window, const std::string& path, int lines)
{
    int shown = 0;
    for (int picture = 0; picture < 200 && shown <= lines; ++picture) {
        wxImage image;
        if (std::system(("import -window " + window + " '" + path + "' 2>/dev/null").c_str()) != 0 ||
            !image.LoadFile(path, wxBITMAP_TYPE_PNG))
            continue;
        shown = 0;
        for (int y = 0, x = 0, inLine = 0; y < image.GetHeight(); ++y, inLine = x < image.GetWidth(), x = 0) {
            while (x < image.GetWidth() && image.GetRed(x, y) + image.GetGreen(x, y) + image.GetBlue(x, y) >= 3 * 128)
                ++x;
            shown += x < image.GetWidth() && !inLine;
        }
    }
    return shown;
}

} // namespace

// Without settings: the register's error box, then the dialog, nothing written. Then on the sample set.
TEST(Program, StartsWithoutSettingsAndThenOnTheSampleDataSetAndEndsCleanlyEachTime)
{
    TempFolder home, registry, work;
    {
        Program program(registry.Path(), work.Path());
        PressWhenShown(program, false, "Return"); // the error box of the register that cannot be opened
        PressWhenShown(program, true, "Escape");
        EXPECT_EQ(0, program.WaitForEnd());
        EXPECT_EQ("", program.Output());
        EXPECT_FALSE(access(registry.Path("machine.reg").c_str(), F_OK) == 0);
        EXPECT_FALSE(access(work.Path("ravuRivo.log").c_str(), F_OK) == 0);
    }

    std::string setUp = "HOME='" + home.Path() + "' ZN_REGISTRY_DIR='" + registry.Path() + "' BUILD_DIR='" +
                        ZN_BUILD_DIR + "' " + ZN_SOURCE_DIR + "/scripts/run --settings-only >/dev/null 2>&1";
    ASSERT_EQ(0, std::system(setUp.c_str()));
    ASSERT_TRUE(access(home.Path("zadazez-sample/bukken/APP_BUKKEN.mdb").c_str(), F_OK) == 0);
    std::string settings = ReadFileBytes(registry.Path("machine.reg"));

    Program program(registry.Path(), work.Path());
    std::string dialog = program.WaitForWindow(true);
    ASSERT_NE("", dialog) << "the migration dialog did not show";
    // Nothing but the dialog is shown.
    EXPECT_EQ(std::vector<std::string>{dialog}, ShownWindows(program.Pid()));
    // Without rows the dialog has six lines of text; the sample has six properties.
    std::string shot = uitest::ArtefactPath("SampleDataSet.png");
    EXPECT_EQ(6 + 6, PictureWithMoreLinesThan(dialog, shot, 6 + 5));
    Program::Press(dialog, "Escape");
    EXPECT_EQ(0, program.WaitForEnd());
    EXPECT_EQ("", program.Output());
    EXPECT_EQ(settings, ReadFileBytes(registry.Path("machine.reg")));
}
