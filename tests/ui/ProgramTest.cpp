// Programs on the real main, started as processes: a probe whose start-up ends in InitInstance,
// and the program itself, without settings and on the sample data set.
#include "tests/support/TempFolder.h"
#include "tests/support/TestSupport.h"
#include "tests/ui/UiTestSupport.h"

#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <string>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>
#include <wx/image.h>

using testsupport::ReadFileBytes;
using testsupport::TempFolder;

namespace {

TEST(AfxWxMain, TheProgramEndsWithZeroWhenInitInstanceFailsAndLeavesNoWindow)
{
    std::string command = std::string(ZN_UI_PROBE) + " /p 'App Data' 2>/dev/null";
    FILE* probe = ::popen(command.c_str(), "r");
    ASSERT_NE(nullptr, probe);
    std::string output;
    char buffer[256];
    while (size_t read = std::fread(buffer, 1, sizeof buffer, probe))
        output.append(buffer, read);
    int status = ::pclose(probe);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(0, WEXITSTATUS(status));
    // The hidden frame has no window, the shown dialog has one; wx leaves the command line to
    // the application; nothing is left once main has returned.
    EXPECT_EQ("host: wx\n"
              "frame window: no\n"
              "dialog window shown: yes\n"
              "command line: /p App Data\n"
              "top-level windows left: 0\n",
              output);
}

// The migration dialog's caption, as the display's window manager hints give it (UTF-8), and
// as an xdotool name pattern.
const std::string kDialogCaption = u8"Miravel (2010年09月03日リリース)";
const std::string kDialogPattern = u8"^Miravel \\(2010年09月03日リリース\\)$";

// How often a window is looked for before the test gives up: each look is one run of xdotool,
// so this bounds the wait to some seconds even for a program built with the sanitizers.
const int kLooks = 3000;
// How long the program may take to end once its dialog is closed.
const int kEndMilliseconds = 30000;

// What a command wrote to its standard output.
std::string CommandOutput(const std::string& command)
{
    std::string output;
    if (FILE* pipe = ::popen(command.c_str(), "r")) {
        char buffer[256];
        while (size_t read = std::fread(buffer, 1, sizeof buffer, pipe))
            output.append(buffer, read);
        ::pclose(pipe);
    }
    return output;
}

// The ids of the shown windows of a process, as xdotool gives them.
std::vector<std::string> ShownWindows(pid_t pid)
{
    std::vector<std::string> ids;
    std::string output = CommandOutput("xdotool search --onlyvisible --pid " + std::to_string(pid) + " 2>/dev/null");
    size_t start = 0;
    for (size_t end; (end = output.find('\n', start)) != std::string::npos; start = end + 1)
        if (end > start)
            ids.push_back(output.substr(start, end - start));
    return ids;
}

std::string WindowName(const std::string& id) { return CommandOutput("xdotool getwindowname " + id + " 2>/dev/null"); }

// The program started as a process of its own: with its settings in one folder, its work folder
// as the current folder, its standard output in a file. It is killed if a test leaves it running.
class Program {
public:
    Program(const std::string& registry, const std::string& work, const std::string& program = ZN_PROGRAM)
        : m_outputPath(work + ".out")
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
            ::execl(program.c_str(), program.c_str(), static_cast<char*>(nullptr));
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

    // The shown window whose name is (or, with named false, is not) the dialog's caption, looked
    // for a bounded number of times; "" when none shows or the program ends first.
    std::string WaitForWindow(bool named)
    {
        for (int look = 0; look < kLooks && !Ended(); ++look)
            for (const std::string& id : ShownWindows(m_pid))
                if ((WindowName(id) == kDialogCaption + "\n") == named)
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

// Closes the migration dialog with Escape once it shows, and returns the program's exit status.
int CloseTheDialog(Program& program)
{
    std::string dialog = program.WaitForWindow(true);
    EXPECT_NE("", dialog) << "the migration dialog did not show";
    if (!dialog.empty())
        Program::Press(dialog, "Escape");
    return program.WaitForEnd();
}

// Answers the error box that a register which cannot be opened gives, once it shows.
void AnswerTheErrorBox(Program& program)
{
    std::string errorBox = program.WaitForWindow(false);
    EXPECT_NE("", errorBox) << "no error box for the register";
    if (!errorBox.empty())
        Program::Press(errorBox, "Return");
}

// The lines of text in a picture: the bands of rows that hold a pixel darker than middle grey.
int TextLines(const wxImage& image)
{
    int lines = 0;
    bool inLine = false;
    for (int y = 0; y < image.GetHeight(); ++y) {
        bool dark = false;
        for (int x = 0; x < image.GetWidth() && !dark; ++x)
            dark = image.GetRed(x, y) + image.GetGreen(x, y) + image.GetBlue(x, y) < 3 * 128;
        lines += dark && !inLine ? 1 : 0;
        inLine = dark;
    }
    return lines;
}

// Takes pictures of a window into path (at most a bounded number of times) until one shows more
// than `lines` lines of text, and returns the lines of the last picture.
int PictureWithMoreLinesThan(const std::string& window, const std::string& path, int lines)
{
    if (!wxImage::FindHandler(wxBITMAP_TYPE_PNG))
        wxImage::AddHandler(new wxPNGHandler);
    int shown = 0;
    for (int picture = 0; picture < 200 && shown <= lines; ++picture) {
        if (std::system(("import -window " + window + " '" + path + "' 2>/dev/null").c_str()) != 0)
            continue;
        wxImage image;
        shown = image.LoadFile(path, wxBITMAP_TYPE_PNG) ? TextLines(image) : 0;
    }
    return shown;
}

bool Exists(const std::string& path)
{
    struct stat status;
    return stat(path.c_str(), &status) == 0;
}

} // namespace

// Without settings the register is looked for in the root folder, where there is none: its error
// box comes first, then the dialog; nothing is written back, no settings and no run log. Then
// with scripts/run's settings for a user without any, the sample data set in the home folder:
// the register opens, its rows are drawn, and the settings stay as they were.
TEST(Program, StartsWithoutSettingsAndThenOnTheSampleDataSetAndEndsCleanlyEachTime)
{
    TempFolder home, registry, work;
    {
        Program program(registry.Path(), work.Path());
        AnswerTheErrorBox(program);
        EXPECT_EQ(0, CloseTheDialog(program));
        EXPECT_EQ("", program.Output());
        EXPECT_FALSE(Exists(registry.Path("machine.reg")));
        EXPECT_FALSE(Exists(work.Path("ravuRivo.log")));
    }

    std::string setUp = "HOME='" + home.Path() + "' ZN_REGISTRY_DIR='" + registry.Path() + "' BUILD_DIR='" +
                        ZN_BUILD_DIR + "' " + ZN_SOURCE_DIR + "/scripts/run --settings-only >/dev/null 2>&1";
    ASSERT_EQ(0, std::system(setUp.c_str()));
    ASSERT_TRUE(Exists(home.Path("zadazez-sample/bukken/APP_BUKKEN.mdb")));
    std::string settings = ReadFileBytes(registry.Path("machine.reg"));

    Program program(registry.Path(), work.Path());
    std::string dialog = program.WaitForWindow(true);
    ASSERT_NE("", dialog) << "the migration dialog did not show";
    // Nothing but the dialog is shown.
    EXPECT_EQ(std::vector<std::string>{dialog}, ShownWindows(program.Pid()));
    // The picture is kept: the folder edits, the list and its rows once they are drawn. The
    // dialog without rows has six lines of text (three folders, the list's label with the
    // migration button, the list's header, the close button); the sample has six properties.
    std::string shot = uitest::ArtefactPath("SampleDataSet.png");
    EXPECT_EQ(6 + 6, PictureWithMoreLinesThan(dialog, shot, 6 + 5));
    Program::Press(dialog, "Escape");
    EXPECT_EQ(0, program.WaitForEnd());
    EXPECT_EQ("", program.Output());
    EXPECT_EQ(settings, ReadFileBytes(registry.Path("machine.reg")));
}
