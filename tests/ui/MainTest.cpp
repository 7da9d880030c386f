#include "tests/support/TestSupport.h"

#include <cstdio>
#include <string>
#include <sys/wait.h>

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

} // namespace
