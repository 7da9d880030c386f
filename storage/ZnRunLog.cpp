#include "storage/ZnRunLog.h"

#include "platform/files/CFile.h"
#include "platform/files/WinStdio.h"

#include <ctime>

namespace {

const char* const logInCurrentFolder = ".\\ravuRivo.log";
const char* const logOnDriveC = "c:\\ravuRivo.log";

// The level word, five characters; empty for a level outside 1 to 4.
const char* LevelWord(int level)
{
    static const char* const words[] = {"DEBUG", "INFO ", "WARN ", "ERROR"};
    return level >= 1 && level <= 4 ? words[level - 1] : "";
}

// Local time in the asctime form without its newline.
CString TimeText()
{
    time_t now = time(nullptr);
    struct tm local;
    localtime_r(&now, &local);
    char buffer[32];
    asctime_r(&local, buffer);
    CString text(buffer);
    return text.Left(text.GetLength() - 1);
}

// Opens the log for appending where it can: the current folder first, then drive C.
FILE* OpenLog(const char** openedPath)
{
    for (const char* path : {logInCurrentFolder, logOnDriveC}) {
        if (FILE* file = WinFopen(path, "at")) {
            *openedPath = path;
            return file;
        }
    }
    return nullptr;
}

} // namespace

void ZnRunLog::Write(int level, LPCTSTR message, LPCTSTR source, LPCTSTR function)
{
    const char* path = nullptr;
    FILE* file = OpenLog(&path);
    if (!file)
        return;
    WinFprintf(file, "%s [%s] %s#%s - %s\n", static_cast<LPCTSTR>(TimeText()), LevelWord(level), source, function,
               message);
    fclose(file);
}

void ZnRunLog::Delete()
{
    const char* path = nullptr;
    FILE* file = OpenLog(&path);
    if (!file)
        return;
    fclose(file);
    try {
        CFile::Remove(path);
    } catch (CFileException* e) {
        e->Delete();
    }
}
