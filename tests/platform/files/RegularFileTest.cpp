// Every opener of a named file refuses a FIFO, a device and a socket at once as not supported, and
// a folder as access denied; a link to a regular file opens as the file does, and reads waiting for
// its bytes. Each opening runs in a child bounded in time, so that an open that waits for a FIFO's
// other end fails instead of hanging.
#include "tests/readers/BoundedChild.h"
#include "tests/support/TempFolder.h"

#include "platform/core/WinError.h"
#include "platform/files/CFile.h"
#include "platform/files/PosixIo.h"
#include "platform/files/WinFileApi.h"
#include "platform/files/WinPath.h"
#include "platform/files/WinStdio.h"

#include <gtest/gtest.h>

#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>

namespace {

CString WinPath(const std::string& linuxPath) { return CString(LinuxPathToWin(linuxPath)); }

std::string Refused(DWORD code) { return "refused " + std::to_string(code); }

std::string ByFile(const std::string& path, UINT flags)
{
    CFile file;
    CFileException error;
    if (file.Open(WinPath(path), flags, &error))
        return "opened";
    return Refused(error.m_lOsError) + (error.m_cause == CFileException::accessDenied ? "" : " for another cause");
}

std::string ByStream(const std::string& path, LPCTSTR mode)
{
    FILE* stream = WinFopen(WinPath(path), mode);
    if (!stream)
        return Refused(GetLastError());
    bool waits = !(fcntl(fileno(stream), F_GETFL) & O_NONBLOCK);
    std::fclose(stream);
    return waits ? "opened" : "opened without waiting";
}

bool MakeSocket(const std::string& path)
{
    sockaddr_un address = {AF_UNIX, {}};
    std::strncpy(address.sun_path, path.c_str(), sizeof address.sun_path - 1);
    int fd = socket(AF_UNIX, SOCK_STREAM, 0);
    bool bound = bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
    close(fd);
    return bound;
}

} // namespace

TEST(OpenRegularFile, EveryOpenerRefusesANameThatIsNoRegularFileAtOnce)
{
    std::string (*const openers[])(const std::string& path) = {
        [](auto& path) { return ByFile(path, CFile::modeRead); },
        [](auto& path) { return ByFile(path, CFile::modeCreate | CFile::modeWrite); },
        [](auto& path) { return ByStream(path, "rb"); },
        [](auto& path) { return ByStream(path, "ab"); },
        [](auto& path) {
            return CopyFile(WinPath(path), WinPath(path + "-copy"), FALSE) ? "opened" : Refused(GetLastError());
        },
        [](auto& path) {
            std::string bytes;
            return ReadWholeFile(path, bytes) ? "opened" : Refused(Win32ErrorFromErrno(errno));
        },
    };
    const std::string notSupported = Refused(ERROR_NOT_SUPPORTED);
    const struct {
        const char* name;
        bool (*make)(const std::string& path);
        std::string expected;
    } kinds[] = {
        {"FIFO", [](auto& path) { return mkfifo(path.c_str(), 0600) == 0; }, notSupported},
        {"device", [](auto& path) { return symlink("/dev/null", path.c_str()) == 0; }, notSupported},
        {"socket", MakeSocket, notSupported},
        {"folder", [](auto& path) { return mkdir(path.c_str(), 0700) == 0; }, Refused(ERROR_ACCESS_DENIED)},
        {"link to a file",
         [](auto& path) {
             return !!(std::ofstream(path + "-file") << "text") && symlink((path + "-file").c_str(), path.c_str()) == 0;
         },
         "opened"},
    };
    for (const auto& kind : kinds) {
        for (size_t opener = 0; opener < std::size(openers); ++opener) {
            SCOPED_TRACE(std::string(kind.name) + " by opener " + std::to_string(opener));
            testsupport::TempFolder folder;
            const std::string path = folder.Path("name");
            ASSERT_TRUE(kind.make(path));
            EXPECT_EQ(kind.expected, readertest::RunBoundedText([&] { return openers[opener](path); }, 64, 10));
        }
    }
}
