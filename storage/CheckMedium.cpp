#include "storage/CheckMedium.h"

#include "platform/core/AfxMessageBox.h"
#include "platform/core/WinError.h"
#include "platform/files/CFileFind.h"

DWORD SearchForEntries(const CString& pattern)
{
    CFileFind find;
    return find.FindFile(pattern) ? ERROR_SUCCESS : GetLastError();
}

BOOL CheckMedium(const CString& folder, const MediumCheckTexts& texts, const EntrySearch& search, LPCTSTR* told)
{
    for (;;) {
        DWORD error = search(folder + "\\*.*");
        if (error == ERROR_SUCCESS || (error == ERROR_FILE_NOT_FOUND && !texts.empty))
            return TRUE;
        LPCTSTR text = texts.cannotOutput;
        if (error == ERROR_FILE_NOT_FOUND)
            text = texts.empty;
        else if (error == ERROR_UNRECOGNIZED_MEDIA)
            text = texts.unformatted;
        else if (error == ERROR_NOT_READY && texts.notReady)
            text = texts.notReady;
        bool notReady = error == ERROR_NOT_READY;
        if (AfxMessageBox(text, (notReady ? MB_RETRYCANCEL : MB_OK) | MB_ICONSTOP) == IDRETRY && notReady)
            continue;
        if (told)
            *told = text;
        return FALSE;
    }
}
