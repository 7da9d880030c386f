#include "platform/files/WinStdio.h"

#include "platform/core/WinError.h"
#include "platform/core/WinFormat.h"
#include "platform/files/PosixIo.h"
#include "platform/files/WinPath.h"

#include <cerrno>
#include <cstdarg>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <unistd.h>

namespace {

const char kCtrlZ = 0x1A;
const size_t kRawBufferSize = 4096;

struct StreamMode {
    bool valid = false;
    bool read = false;
    bool write = false;
    bool append = false;
    bool truncate = false;
    bool text = true;
};

StreamMode ParseMode(const char* mode)
{
    StreamMode m;
    if (!mode || mode[0] == 0 || !std::strchr("rwa", mode[0]))
        return m;
    m.read = mode[0] == 'r';
    m.write = mode[0] != 'r';
    m.append = mode[0] == 'a';
    m.truncate = mode[0] == 'w';
    for (const char* p = mode + 1; *p; ++p) {
        if (*p == '+')
            m.read = m.write = true;
        else if (*p == 'b')
            m.text = false;
        else if (*p != 't')
            return m;
    }
    m.valid = true;
    return m;
}

// The state of a text-mode stream: the descriptor and the raw bytes read ahead of the caller. A
// stream over bytes in memory has no descriptor: its bytes are all read ahead.
struct TextCookie {
    explicit TextCookie(int descriptor) : fd(descriptor) {}
    explicit TextCookie(std::string bytes) : fd(-1), raw(std::move(bytes)), rawEnd(true) {}

    int fd;
    std::string raw;
    size_t rawPos = 0;
    bool rawEnd = false;
    bool ctrlZ = false;

    size_t Unread() const { return raw.size() - rawPos; }
    void DropReadAhead()
    {
        raw.clear();
        rawPos = 0;
        rawEnd = ctrlZ = false;
    }
};

// Reads more raw bytes, keeping the unread ones; false on a read error.
bool Refill(TextCookie& c)
{
    c.raw.erase(0, c.rawPos);
    c.rawPos = 0;
    char buffer[kRawBufferSize];
    ssize_t n;
    do
        n = ::read(c.fd, buffer, sizeof buffer);
    while (n < 0 && errno == EINTR);
    if (n < 0)
        return false;
    if (n == 0)
        c.rawEnd = true;
    c.raw.append(buffer, static_cast<size_t>(n));
    return true;
}

// A CR that ends the bytes read so far needs the next byte to tell whether it starts a CR LF.
bool NeedsMoreInput(const TextCookie& c)
{
    if (c.rawEnd)
        return false;
    return c.Unread() == 0 || (c.Unread() == 1 && c.raw[c.rawPos] == '\r');
}

ssize_t ReadText(void* cookie, char* out, size_t size)
{
    TextCookie& c = *static_cast<TextCookie*>(cookie);
    size_t n = 0;
    while (n < size && !c.ctrlZ) {
        if (NeedsMoreInput(c) && !Refill(c))
            return n > 0 ? static_cast<ssize_t>(n) : -1;
        if (c.Unread() == 0)
            break;
        char ch = c.raw[c.rawPos++];
        if (ch == kCtrlZ) {
            c.ctrlZ = true;
            --c.rawPos;
            break;
        }
        if (ch == '\r' && c.Unread() > 0 && c.raw[c.rawPos] == '\n') {
            ch = '\n';
            ++c.rawPos;
        }
        out[n++] = ch;
    }
    return static_cast<ssize_t>(n);
}

// Returns size when every byte went out translated, else 0 (an error, as the stream expects).
ssize_t WriteText(void* cookie, const char* data, size_t size)
{
    TextCookie& c = *static_cast<TextCookie*>(cookie);
    if (c.Unread() > 0 && ::lseek(c.fd, -static_cast<off_t>(c.Unread()), SEEK_CUR) < 0)
        return 0;
    c.DropReadAhead();
    std::string translated;
    translated.reserve(size + size / 8 + 2);
    for (size_t i = 0; i < size; ++i) {
        if (data[i] == '\n')
            translated += '\r';
        translated += data[i];
    }
    return WriteAll(c.fd, translated.data(), translated.size()) ? static_cast<ssize_t>(size) : 0;
}

int SeekText(void* cookie, off64_t* offset, int whence)
{
    TextCookie& c = *static_cast<TextCookie*>(cookie);
    off64_t target = *offset;
    if (whence == SEEK_CUR)
        target -= static_cast<off64_t>(c.Unread());
    off64_t position = ::lseek64(c.fd, target, whence);
    if (position < 0)
        return -1;
    c.DropReadAhead();
    *offset = position;
    return 0;
}

int CloseText(void* cookie)
{
    TextCookie* c = static_cast<TextCookie*>(cookie);
    int rc = c->fd >= 0 ? ::close(c->fd) : 0;
    delete c;
    return rc;
}

int OpenFlags(const StreamMode& m)
{
    int flags = O_CLOEXEC | (m.read && m.write ? O_RDWR : (m.write ? O_WRONLY : O_RDONLY));
    if (m.truncate)
        flags |= O_CREAT | O_TRUNC;
    if (m.append)
        flags |= O_CREAT | O_APPEND;
    return flags;
}

// The mode string that fdopen and fopencookie take for a parsed mode.
const char* LibraryMode(const StreamMode& m)
{
    if (m.read && m.write)
        return "r+";
    return m.write ? "w" : "r";
}

} // namespace

FILE* WinFdopen(int fd, LPCTSTR mode)
{
    StreamMode m = ParseMode(mode);
    if (!m.valid) {
        ::close(fd);
        errno = EINVAL;
        return nullptr;
    }
    if (m.append)
        fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) | O_APPEND);
    FILE* stream = nullptr;
    if (!m.text) {
        stream = fdopen(fd, LibraryMode(m));
    } else {
        TextCookie* cookie = new TextCookie(fd);
        cookie_io_functions_t functions = {ReadText, WriteText, SeekText, CloseText};
        stream = fopencookie(cookie, LibraryMode(m), functions);
        if (!stream)
            delete cookie;
    }
    if (!stream)
        ::close(fd);
    return stream;
}

FILE* WinOpenTextBytes(std::string bytes)
{
    TextCookie* cookie = new TextCookie(std::move(bytes));
    cookie_io_functions_t functions = {ReadText, nullptr, nullptr, CloseText};
    FILE* stream = fopencookie(cookie, "r", functions);
    if (!stream)
        delete cookie;
    return stream;
}

FILE* WinFopen(LPCTSTR windowsPath, LPCTSTR mode)
{
    StreamMode m = ParseMode(mode);
    int fd = m.valid ? OpenRegularFile(WinPathToLinux(windowsPath), OpenFlags(m)) : -1;
    if (!m.valid)
        errno = EINVAL;
    FILE* stream = fd >= 0 ? WinFdopen(fd, mode) : nullptr;
    if (!stream)
        SetLastError(Win32ErrorFromErrno(errno));
    return stream;
}

int WinFprintf(FILE* stream, LPCTSTR format, ...)
{
    va_list args;
    va_start(args, format);
    std::string text = WinFormatV(format, args);
    va_end(args);
    if (std::fwrite(text.data(), 1, text.size(), stream) != text.size())
        return -1;
    return static_cast<int>(text.size());
}
