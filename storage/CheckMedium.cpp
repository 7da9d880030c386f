#include "storage/CheckMedium.h"

#include "platform/core/AfxMessageBox.h"
#include "platform/core/WinError.h"
#include "platform/files/CFileFind.h"

DWORD SearchForEntries(const CString& pattern)
{
    CFileFind find;
    return find.FindFile(pattern) ? ERROR_SUCCESS : GetLastError();
}

BOOL CheckMedium(const CString& folder, const MediumCheckTexts& texts, const EntrySearch& search)
{
    for (;;) {
        DWORD error = search(folder + "\\*.*");
        if (error == ERROR_SUCCESS || (error == ERROR_FILE_NOT_FOUND && !texts.empty))
            return TRUE;
        if (error == ERROR_FILE_NOT_FOUND) {
            AfxMessageBox(texts.empty, MB_OK | MB_ICONSTOP);
            return FALSE;
        }
        if (error == ERROR_UNRECOGNIZED_MEDIA) {
            AfxMessageBox(texts.unformatted, MB_ICONSTOP);
            return FALSE;
        }
        if (error != ERROR_NOT_READY) {
            AfxMessageBox(texts.cannotOutput, MB_OK | MB_ICONSTOP);
            return FALSE;
        }
        LPCTSTR notReady = texts.notReady ? texts.notReady : texts.cannotOutput;
        if (AfxMessageBox(notReady, MB_RETRYCANCEL | MB_ICONSTOP) != IDRETRY)
            return FALSE;
    }
}
