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

// The log while a KeptOpen lives: open once opened, until the last one goes or a Delete.
struct HeldLog {
    int keepers = 0;
    FILE* file = nullptr;

    void Close()
    {
        if (file)
            fclose(file);
        file = nullptr;
    }
};

HeldLog heldLog;

} // namespace

void ZnRunLog::Write(int level, LPCTSTR message, LPCTSTR source, LPCTSTR function)
{
    const char* path = nullptr;
    FILE* file = heldLog.file ? heldLog.file : OpenLog(&path);
    if (!file)
        return;
    WinFprintf(file, "%s [%s] %s#%s - %s\n", static_cast<LPCTSTR>(TimeText()), LevelWord(level), source, function,
               message);
    if (heldLog.keepers == 0)
        fclose(file);
    else {
        fflush(file);
        heldLog.file = file;
    }
}

void ZnRunLog::Delete()
{
    heldLog.Close();
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

ZnRunLog::KeptOpen::KeptOpen() { ++heldLog.keepers; }

ZnRunLog::KeptOpen::~KeptOpen()
{
    if (--heldLog.keepers == 0)
        heldLog.Close();
}
