// The check of an output folder's medium before anything is written there, which the migration
// export and the floppy output make with their own texts: the folder is searched for any entry,
// and the drive's answer decides.
#pragma once

#include "platform/core/CString.h"

#include <functional>

// The texts of a medium check.
struct MediumCheckTexts {
    LPCTSTR unformatted;        // for a medium that is not formatted (ERROR_UNRECOGNIZED_MEDIA)
    LPCTSTR cannotOutput;       // for a drive that is not ready (Retry and Cancel) and any other failure (OK)
    LPCTSTR notReady = nullptr; // for a drive that is not ready, when it has a text of its own
    LPCTSTR empty = nullptr;    // for a medium that holds nothing (ERROR_FILE_NOT_FOUND), when it fails
};

// A search of a folder for a pattern: ERROR_SUCCESS when something matches, else the Win32 error.
typedef std::function<DWORD(const CString& pattern)> EntrySearch;

// The search through CFileFind: the error is its GetLastError. A folder that exists always holds
// its "." entry, so it is found even when empty.
DWORD SearchForEntries(const CString& pattern);

// Searches folder + "\*.*" until the medium answers: TRUE when something is found or the folder
// can be read and holds nothing (ERROR_FILE_NOT_FOUND; with an empty text, that text with OK and
// FALSE). An unformatted medium gives the unformatted text, and FALSE; a drive that is not ready
// (ERROR_NOT_READY) gives the not-ready text (else cannotOutput) with Retry and Cancel, and Retry
// searches again, as often as the user asks; any other error gives cannotOutput with OK, and
// FALSE. Each message has the stop icon. told, when given, receives the text of the message
// that ended a failed check.
BOOL CheckMedium(const CString& folder, const MediumCheckTexts& texts, const EntrySearch& search = SearchForEntries,
                 LPCTSTR* told = nullptr);
