#include "storage/ZnWriteWholeFile.h"

#include "platform/files/CFile.h"
#include "platform/files/WinFileApi.h"

bool ZnWriteWholeFile(const CString& folder, const CString& path, const std::string& bytes)
{
    char temporary[MAX_PATH];
    if (!GetTempFileName(folder, "zn", 0, temporary))
        return false;
    try {
        CFile file(temporary, CFile::modeWrite);
        file.Write(bytes.data(), static_cast<UINT>(bytes.size()));
        file.Close();
        if (MoveFileEx(temporary, path, MOVEFILE_REPLACE_EXISTING))
            return true;
    } catch (CException* e) {
        e->Delete();
    }
    DeleteFile(temporary);
    return false;
}
