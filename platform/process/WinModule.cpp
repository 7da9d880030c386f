#include "platform/process/WinModule.h"

#include "platform/core/WinError.h"
#include "platform/files/WinPath.h"

#include <dlfcn.h>
#include <strings.h>

namespace {

// "dir/name.dll" becomes "dir/libname.so"; any other file name is kept.
std::string SharedObjectPath(const std::string& path)
{
    static const char dll[] = ".dll";
    const size_t dllLength = sizeof dll - 1;
    size_t slash = path.rfind('/');
    size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
    if (path.size() < nameStart + dllLength + 1 || strcasecmp(path.c_str() + path.size() - dllLength, dll) != 0)
        return path;
    std::string stem = path.substr(nameStart, path.size() - dllLength - nameStart);
    return path.substr(0, nameStart) + "lib" + stem + ".so";
}

} // namespace

HMODULE LoadLibraryA(LPCSTR fileName)
{
    void* handle = dlopen(SharedObjectPath(WinPathToLinux(fileName)).c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle)
        SetLastError(ERROR_MOD_NOT_FOUND);
    return static_cast<HMODULE>(handle);
}

FARPROC GetProcAddress(HMODULE module, LPCSTR procName)
{
    void* entry = module && procName ? dlsym(module, procName) : nullptr;
    if (!entry)
        SetLastError(ERROR_PROC_NOT_FOUND);
    return reinterpret_cast<FARPROC>(entry);
}

BOOL FreeLibrary(HMODULE module)
{
    if (!module || dlclose(module) != 0) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    return TRUE;
}
