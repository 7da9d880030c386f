#include "platform/WinPath.h"

#include "platform/Cp932.h"

#include <cstring>

std::string WinPathToLinux(LPCTSTR windowsPath)
{
    std::string path = windowsPath ? windowsPath : "";
    for (size_t i = 0; i < path.size(); i += cp932::CharLength(path.data(), i, path.size()))
        if (path[i] == '\\')
            path[i] = '/';
    return cp932::ToUtf8(path);
}

std::string LinuxPathToWin(const std::string& linuxPath)
{
    std::string path = cp932::FromUtf8(linuxPath);
    for (size_t i = 0; i < path.size(); i += cp932::CharLength(path.data(), i, path.size()))
        if (path[i] == '/')
            path[i] = '\\';
    return path;
}
