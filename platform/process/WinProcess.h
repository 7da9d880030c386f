// Other programs: CreateProcessA with the wait for its end, as the system starts its converter.
//
// The program is named by a Windows path; "name.exe" stands for the program "name" in the same
// folder. With no application name, the program is the start of the command line: a quoted
// name, or else the shortest run of words up to a blank that names an existing program (as
// Windows tries "C:\Program", then "C:\Program Files\...", for an unquoted name with blanks).
// The rest of the command line is split into arguments by the C runtime's rules (blanks
// separate, double quotes group, backslashes escape only a double quote). Each argument leaves
// the program as UTF-8; one that is an absolute Windows path ("C:\...") is given as its Linux
// path, so that the program can open the file.
#pragma once

#include "platform/core/WinTypes.h"

#include <string>
#include <vector>

typedef void* HANDLE;

#define INFINITE 0xFFFFFFFF
#define WAIT_OBJECT_0 0x00000000L
#define WAIT_TIMEOUT 0x00000102L
#define WAIT_FAILED 0xFFFFFFFF

#define STARTF_USESHOWWINDOW 0x00000001

struct SECURITY_ATTRIBUTES;
typedef SECURITY_ATTRIBUTES* LPSECURITY_ATTRIBUTES;

// The start-up record: only its size, flags and show command mean anything here.
struct STARTUPINFOA {
    DWORD cb;
    LPSTR lpReserved;
    LPSTR lpDesktop;
    LPSTR lpTitle;
    DWORD dwX, dwY, dwXSize, dwYSize, dwXCountChars, dwYCountChars, dwFillAttribute;
    DWORD dwFlags;
    WORD wShowWindow;
    WORD cbReserved2;
    BYTE* lpReserved2;
    HANDLE hStdInput, hStdOutput, hStdError;
};
typedef STARTUPINFOA STARTUPINFO;
typedef STARTUPINFOA* LPSTARTUPINFOA;

struct PROCESS_INFORMATION {
    HANDLE hProcess;
    HANDLE hThread;
    DWORD dwProcessId;
    DWORD dwThreadId;
};
typedef PROCESS_INFORMATION* LPPROCESS_INFORMATION;

// The start-up record this process was given: a zeroed record of the right size.
void GetStartupInfoA(LPSTARTUPINFOA lpStartupInfo);
#define GetStartupInfo GetStartupInfoA

// Starts the program with the current environment, in lpCurrentDirectory (a Windows path) or the
// current folder. On success fills the process and thread handles, which the caller closes; on
// failure returns FALSE with the Win32 error (ERROR_FILE_NOT_FOUND for a missing program) and
// leaves the record untouched. The security attributes, inheritance and flags are not used.
BOOL CreateProcessA(LPCSTR lpApplicationName, LPSTR lpCommandLine, LPSECURITY_ATTRIBUTES lpProcessAttributes,
                    LPSECURITY_ATTRIBUTES lpThreadAttributes, BOOL bInheritHandles, DWORD dwCreationFlags,
                    LPVOID lpEnvironment, LPCSTR lpCurrentDirectory, LPSTARTUPINFOA lpStartupInfo,
                    LPPROCESS_INFORMATION lpProcessInformation);
#define CreateProcess CreateProcessA

// Waits for a process to end: INFINITE waits as long as it runs, 0 only looks. A thread handle
// counts as ended at once. WAIT_OBJECT_0 once it has ended, WAIT_TIMEOUT while it runs,
// WAIT_FAILED for anything else (any other time-out is not supported).
DWORD WaitForSingleObject(HANDLE hHandle, DWORD dwMilliseconds);

// Releases a process or thread handle; the process itself runs on. FALSE for a bad handle.
BOOL CloseHandle(HANDLE hObject);

// The parts of a Windows command line, as the C runtime splits it for a program's arguments.
// Double-byte characters stay whole.
std::vector<std::string> SplitCommandLine(const std::string& commandLine);
