#include "writers/zip/ZipPacking.h"

#include "platform/core/AfxMessageBox.h"
#include "platform/process/WinModule.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <vector>

namespace {

// The process-wide binding of the loaded library: all of it set, or none of it.
struct ZipBinding {
    HMODULE library;
    ZpInitEntry init;
    ZpSetOptionsEntry setOptions;
    ZpArchiveEntry archive;
};

ZipBinding binding = {};
InstallPathReader installPathReader = nullptr;

// An unbound entry reports failure, as the library would.
int CallZpInit(ZpUserFunctions* functions)
{
    return binding.init ? binding.init(functions) : 0;
}
int CallZpSetOptions(ZpOptions* options)
{
    return binding.setOptions ? binding.setOptions(options) : 0;
}
int CallZpArchive(ZpCommand command)
{
    return binding.archive ? binding.archive(command) : -1;
}

// The packing's own messages: plain boxes, OK button only, no icon.
void ShowPlainMessage(LPCTSTR text)
{
    AfxMessageBox(text, MB_OK);
}

template <typename Entry> bool Bind(HMODULE library, LPCSTR name, Entry& entry)
{
    entry = reinterpret_cast<Entry>(GetProcAddress(library, name));
    return entry != nullptr;
}

} // namespace

void SetInstallPathReader(InstallPathReader reader)
{
    installPathReader = reader;
}

int LoadZipLibrary()
{
    CString installPath;
    if (!installPathReader || !installPathReader(installPath)) {
        AfxMessageBox("インストールパスの取得に失敗しました。", MB_ICONSTOP);
        return 0;
    }
    ZipBinding loaded = {};
    loaded.library = LoadLibraryA(installPath + "\\zipnorva32.dll");
    if (!loaded.library)
        return 0;
    if (!Bind(loaded.library, "ZpInit", loaded.init) || !Bind(loaded.library, "ZpSetOptions", loaded.setOptions) ||
        !Bind(loaded.library, "ZpArchive", loaded.archive)) {
        FreeLibrary(loaded.library);
        return 0;
    }
    binding = loaded;
    return 1;
}

BOOL UnloadZipLibrary()
{
    HMODULE library = binding.library;
    binding = {};
    return library ? FreeLibrary(library) : FALSE;
}

void MakeZip(LPCTSTR packingPath, CString archiveWord)
{
    ZpUserFunctions functions;
    std::memset(&functions, 0, sizeof functions);
    SetZipUserFunctions(&functions);
    if (!CallZpInit(&functions)) {
        ShowPlainMessage("ZipInitでエラー発生。");
        UnloadZipLibrary();
        return;
    }

    // Room for the whole path, so that a long folder is never cut to a wrong root folder.
    std::string path = packingPath ? packingPath : "";
    std::vector<char> rootDir(std::max<size_t>(256, path.size() + 1), '\0');
    GetFolderOfPath(path.c_str(), rootDir.data(), static_cast<int>(rootDir.size()));
    ZpOptions options;
    std::memset(&options, 0, sizeof options);
    options.rootDir = rootDir.data();
    options.crlfToLf = 1;
    options.move = 1;
    options.recurse = 1;
    if (!CallZpSetOptions(&options)) {
        ShowPlainMessage("ZpSetOptionsでエラー発生");
        UnloadZipLibrary();
        return;
    }

    CString archiveName = "..\\" + archiveWord + "_" + GetLocalTimeStamp() + ".zip";
    const char* names[] = {path.c_str()};
    ZpCommand command = {1, archiveName, names};
    if (CallZpArchive(command) != 0)
        ShowPlainMessage("ZpArchiveでエラー発生");
}

CString GetLocalTimeStamp()
{
    std::time_t now = std::time(nullptr);
    char text[32] = "";
    if (const std::tm* local = std::localtime(&now))
        std::strftime(text, sizeof text, "%Y%m%d%H%M%S", local);
    return text;
}

void GetFolderOfPath(LPCSTR source, LPSTR destination, int size)
{
    int length = static_cast<int>(std::min<size_t>(std::strlen(source), size > 0 ? size : 0));
    if (length == 0)
        return;
    std::memcpy(destination, source, length);
    for (int i = length - 1; i >= 0; --i)
        if (destination[i] == '\\') {
            destination[i] = '\0';
            return;
        }
    destination[0] = '\0';
}

void SetZipUserFunctions(ZpUserFunctions* functions)
{
    functions->print = ZipPrintCallback;
    functions->comment = ZipCommentCallback;
    functions->password = ZipPasswordCallback;
}

int ZipPrintCallback(char* text, unsigned long length)
{
    if (text)
        std::printf("%s", text);
    return static_cast<int>(length);
}

int ZipCommentCallback(char* buffer)
{
    if (buffer)
        buffer[0] = '\0';
    return 1;
}

int ZipPasswordCallback(char* buffer, int size, const char* prompt, const char* name)
{
    return 1;
}
