// Only regular files open: every opener of a named file refuses a FIFO, a device and a socket at
// once, with the Win32 code for what is not supported, and a folder as access denied; a link to
// a regular file opens as the file does. Each opening runs in a child bounded in time, so that an
// open that waits for a FIFO's other end fails instead of hanging.
#include "tests/readers/BoundedChild.h"
#include "tests/support/TempFolder.h"

#include "platform/core/WinError.h"
#include "platform/files/CStdioFile.h"
#include "platform/files/PosixIo.h"
#include "platform/files/WinFileApi.h"
#include "platform/files/WinPath.h"
#include "platform/files/WinStdio.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>

using testsupport::TempFolder;

namespace {

CString WinPath(const std::string& linuxPath) { return CString(LinuxPathToWin(linuxPath)); }

std::string Refused(DWORD code) { return "refused " + std::to_string(code); }

// A CFile's refusal counts as access denied, as a folder's does.
std::string ByFile(CFile& file, const std::string& path, UINT flags)
{
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
    std::fclose(stream);
    return "opened";
}

using Opener = std::string (*)(const std::string& path);
const std::pair<const char*, Opener> openers[] = {
    {"CFile read",
     [](const std::string& path) {
         CFile file;
         return ByFile(file, path, CFile::modeRead);
     }},
    {"CFile write",
     [](const std::string& path) {
         CFile file;
         return ByFile(file, path, CFile::modeCreate | CFile::modeWrite);
     }},
    {"CStdioFile read",
     [](const std::string& path) {
         // What opens reads as a file does, waiting for its bytes.
         CStdioFile file;
         std::string opened = ByFile(file, path, CFile::modeRead | CFile::typeBinary);
         return file.m_pStream && (fcntl(fileno(file.m_pStream), F_GETFL) & O_NONBLOCK) ? "opened non-blocking"
                                                                                        : opened;
     }},
    {"WinFopen r", [](const std::string& path) { return ByStream(path, "r"); }},
    {"WinFopen a", [](const std::string& path) { return ByStream(path, "a"); }},
    {"CopyFile",
     [](const std::string& path) {
         return CopyFile(WinPath(path), WinPath(path + "-copy"), FALSE) ? "opened" : Refused(GetLastError());
     }},
    {"ReadWholeFile",
     [](const std::string& path) {
         std::string bytes;
         return ReadWholeFile(path, bytes) ? "opened" : Refused(Win32ErrorFromErrno(errno));
     }},
};

bool MakeSocket(const std::string& path)
{
    sockaddr_un address = {};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, path.c_str(), sizeof address.sun_path - 1);
    int fd = socket(AF_UNIX, SOCK_STREAM, 0);
    bool bound = fd >= 0 && bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
    close(fd);
    return bound;
}

} // namespace

TEST(OpenRegularFile, EveryOpenerRefusesANameThatIsNoRegularFileAtOnce)
{
    const std::string notSupported = Refused(ERROR_NOT_SUPPORTED);
    const struct {
        const char* name;
        bool (*make)(const std::string& path);
        std::string expected;
    } kinds[] = {
        {"FIFO", [](const std::string& path) { return mkfifo(path.c_str(), 0600) == 0; }, notSupported},
        {"device", [](const std::string& path) { return symlink("/dev/null", path.c_str()) == 0; }, notSupported},
        {"socket", MakeSocket, notSupported},
        {"folder", [](const std::string& path) { return mkdir(path.c_str(), 0700) == 0; },
         Refused(ERROR_ACCESS_DENIED)},
        {"link to a file",
         [](const std::string& path) {
             std::ofstream(path + "-file") << "text";
             return symlink((path + "-file").c_str(), path.c_str()) == 0;
         },
         "opened"},
    };
    for (const auto& kind : kinds) {
        for (const auto& [opener, open] : openers) {
            SCOPED_TRACE(std::string(kind.name) + " by " + opener);
            TempFolder folder;
            const std::string path = folder.Path("name");
            ASSERT_TRUE(kind.make(path));
            EXPECT_EQ(kind.expected, readertest::RunBoundedText([&] { return open(path); }, 64, 10));
        }
    }
}
