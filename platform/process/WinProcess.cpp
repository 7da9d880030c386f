#include "platform/process/WinProcess.h"

#include "platform/core/Cp932.h"
#include "platform/core/WinError.h"
#include "platform/files/WinPath.h"

#include <cctype>
#include <cerrno>
#include <cstring>
#include <set>
#include <spawn.h>
#include <strings.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

// What a process or thread handle stands for: the child process, and once it has been waited
// for, that it ended.
struct ProcessObject {
    bool isThread;
    pid_t pid;
    bool ended;
};

std::set<ProcessObject*>& LiveHandles()
{
    static std::set<ProcessObject*>* handles = new std::set<ProcessObject*>;
    return *handles;
}

ProcessObject* ObjectOf(HANDLE handle)
{
    auto* object = static_cast<ProcessObject*>(handle);
    return LiveHandles().count(object) ? object : nullptr;
}

HANDLE NewHandle(bool isThread, pid_t pid)
{
    auto* object = new ProcessObject{isThread, pid, false};
    LiveHandles().insert(object);
    return object;
}

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// "dir\name.exe" is the program "dir/name" (the name found ignoring case, as on Windows).
std::string ProgramPath(const std::string& windowsName)
{
    static const char exe[] = ".exe";
    const size_t exeLength = sizeof exe - 1;
    std::string stem = windowsName;
    if (stem.size() > exeLength && strcasecmp(stem.c_str() + stem.size() - exeLength, exe) == 0)
        stem.resize(stem.size() - exeLength);
    return WinPathToLinux(stem.c_str());
}

bool IsProgram(const std::string& linuxPath)
{
    struct stat status;
    return stat(linuxPath.c_str(), &status) == 0 && S_ISREG(status.st_mode);
}

// Splits the program's name off the command line: a quoted name, or the shortest run of words
// that names an existing program, else the first word. rest receives what follows.
std::string TakeProgramName(const std::string& commandLine, std::string& rest)
{
    size_t start = 0;
    while (start < commandLine.size() && IsBlank(commandLine[start]))
        ++start;
    if (start < commandLine.size() && commandLine[start] == '"') {
        size_t close = commandLine.find('"', start + 1);
        size_t end = close == std::string::npos ? commandLine.size() : close;
        rest = close == std::string::npos ? "" : commandLine.substr(close + 1);
        return commandLine.substr(start + 1, end - start - 1);
    }
    size_t firstEnd = std::string::npos;
    for (size_t end = start; end <= commandLine.size(); ++end) {
        if (end < commandLine.size() && !IsBlank(commandLine[end]))
            continue;
        if (firstEnd == std::string::npos)
            firstEnd = end;
        if (IsProgram(ProgramPath(commandLine.substr(start, end - start)))) {
            rest = commandLine.substr(end);
            return commandLine.substr(start, end - start);
        }
    }
    rest = firstEnd < commandLine.size() ? commandLine.substr(firstEnd) : "";
    return commandLine.substr(start, firstEnd - start);
}

bool IsAbsoluteWindowsPath(const std::string& text)
{
    return text.size() >= 3 && std::isalpha(static_cast<unsigned char>(text[0])) && text[1] == ':' &&
           (text[2] == '\\' || text[2] == '/');
}

// A drive letter alone, such as "A:": the root of that drive, as a program that is given a folder
// takes it.
bool IsDriveAlone(const std::string& text)
{
    return text.size() == 2 && std::isalpha(static_cast<unsigned char>(text[0])) && text[1] == ':';
}

// An argument as the program receives it.
std::string ArgumentForProgram(const std::string& argument)
{
    if (IsDriveAlone(argument))
        return WinPathToLinux((argument + "\\").c_str());
    return IsAbsoluteWindowsPath(argument) ? WinPathToLinux(argument.c_str()) : cp932::ToUtf8(argument);
}

// Appends the backslashes that start at i and what they escape; returns the index after them.
size_t TakeBackslashes(const std::string& text, size_t i, std::string& argument)
{
    size_t count = 0;
    while (i + count < text.size() && text[i + count] == '\\')
        ++count;
    bool beforeQuote = i + count < text.size() && text[i + count] == '"';
    if (!beforeQuote) {
        argument.append(count, '\\');
        return i + count;
    }
    argument.append(count / 2, '\\');
    if (count % 2 == 0)
        return i + count; // the quote groups
    argument += '"';
    return i + count + 1;
}

} // namespace

std::vector<std::string> SplitCommandLine(const std::string& commandLine)
{
    std::vector<std::string> arguments;
    size_t i = 0;
    const size_t n = commandLine.size();
    while (true) {
        while (i < n && IsBlank(commandLine[i]))
            ++i;
        if (i >= n)
            break;
        std::string argument;
        bool quoted = false;
        while (i < n && (quoted || !IsBlank(commandLine[i]))) {
            char c = commandLine[i];
            if (c == '\\') {
                i = TakeBackslashes(commandLine, i, argument);
            } else if (c == '"') {
                if (quoted && i + 1 < n && commandLine[i + 1] == '"') {
                    argument += '"'; // "" inside quotes is one quote
                    i += 2;
                } else {
                    quoted = !quoted;
                    ++i;
                }
            } else {
                size_t length = cp932::CharLength(commandLine.data(), i, n);
                argument.append(commandLine, i, length);
                i += length;
            }
        }
        arguments.push_back(argument);
    }
    return arguments;
}

void GetStartupInfoA(LPSTARTUPINFOA lpStartupInfo)
{
    std::memset(lpStartupInfo, 0, sizeof *lpStartupInfo);
    lpStartupInfo->cb = sizeof *lpStartupInfo;
}

BOOL CreateProcessA(LPCSTR lpApplicationName, LPSTR lpCommandLine, LPSECURITY_ATTRIBUTES, LPSECURITY_ATTRIBUTES, BOOL,
                    DWORD, LPVOID, LPCSTR lpCurrentDirectory, LPSTARTUPINFOA,
                    LPPROCESS_INFORMATION lpProcessInformation)
{
    std::string commandLine = lpCommandLine ? lpCommandLine : "";
    std::string rest;
    std::string programName = lpApplicationName ? std::string(lpApplicationName) : TakeProgramName(commandLine, rest);
    std::vector<std::string> words = SplitCommandLine(lpApplicationName ? commandLine : rest);
    if (lpApplicationName && !words.empty())
        words.erase(words.begin()); // the program's own name
    std::string program = ProgramPath(programName);
    if (programName.empty() || !IsProgram(program)) {
        SetLastError(ERROR_FILE_NOT_FOUND);
        return FALSE;
    }

    std::vector<std::string> arguments{program};
    for (const std::string& word : words)
        arguments.push_back(ArgumentForProgram(word));
    std::vector<char*> argv;
    for (std::string& argument : arguments)
        argv.push_back(&argument[0]);
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    std::string folder = lpCurrentDirectory ? WinPathToLinux(lpCurrentDirectory) : "";
    if (lpCurrentDirectory)
        posix_spawn_file_actions_addchdir_np(&actions, folder.c_str());
    pid_t pid = 0;
    int error = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (error != 0) {
        SetLastError(Win32ErrorFromErrno(error));
        return FALSE;
    }
    lpProcessInformation->hProcess = NewHandle(false, pid);
    lpProcessInformation->hThread = NewHandle(true, pid);
    lpProcessInformation->dwProcessId = static_cast<DWORD>(pid);
    lpProcessInformation->dwThreadId = static_cast<DWORD>(pid);
    return TRUE;
}

DWORD WaitForSingleObject(HANDLE hHandle, DWORD dwMilliseconds)
{
    ProcessObject* object = ObjectOf(hHandle);
    if (!object || (dwMilliseconds != INFINITE && dwMilliseconds != 0)) {
        SetLastError(object ? ERROR_INVALID_PARAMETER : ERROR_INVALID_HANDLE);
        return WAIT_FAILED;
    }
    if (object->isThread || object->ended)
        return WAIT_OBJECT_0;
    int status = 0;
    pid_t result;
    do
        result = waitpid(object->pid, &status, dwMilliseconds == INFINITE ? 0 : WNOHANG);
    while (result < 0 && errno == EINTR);
    if (result == 0)
        return WAIT_TIMEOUT;
    // Also when the child was reaped elsewhere (ECHILD): it is gone either way.
    object->ended = true;
    return WAIT_OBJECT_0;
}

BOOL CloseHandle(HANDLE hObject)
{
    ProcessObject* object = ObjectOf(hObject);
    if (!object) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    LiveHandles().erase(object);
    delete object;
    return TRUE;
}
