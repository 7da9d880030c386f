// Search of a folder for the files whose names match a pattern, with MFC's CFileFind interface.
// The pattern is a Windows path whose last name may hold "*" (any run of characters) and "?"
// (one character, a double-byte character counting as one); letters match ignoring case, and
// "*.*" matches every name, as on Windows. Matches come in name order, ignoring case. Like
// Windows, FindFile only looks for a first match; the folder is listed at the first FindNextFile.
#pragma once

#include "platform/core/CObject.h"
#include "platform/core/CString.h"

#include <dirent.h>
#include <string>
#include <vector>

// The attributes that CFileFind::MatchesMask knows: a folder, and a symbolic link (which Windows
// calls a reparse point), whatever it points at.
const DWORD FILE_ATTRIBUTE_DIRECTORY = 0x10;
const DWORD FILE_ATTRIBUTE_REPARSE_POINT = 0x400;

class CFileFind : public CObject {
public:
    DECLARE_DYNAMIC(CFileFind)
    CFileFind() = default;

    // Starts a search ("*.*" in the current folder when pattern is null): TRUE when something
    // matches, else FALSE with ERROR_FILE_NOT_FOUND (ERROR_PATH_NOT_FOUND for a missing folder,
    // the drive's own code, such as ERROR_NOT_READY, for a folder that cannot be read)
    // in GetLastError. No match is current until FindNextFile.
    virtual BOOL FindFile(LPCTSTR pattern = nullptr, DWORD unused = 0);
    // Makes the next match current; FALSE when that one is the last.
    virtual BOOL FindNextFile();
    void Close();

    CString GetFileName() const;
    // The folder of the pattern as given (with its final "\") followed by the name.
    CString GetFilePath() const;
    // The name without its extension.
    CString GetFileTitle() const;
    // The folder of the pattern as given, with its final "\" (empty for a pattern without a folder).
    CString GetRoot() const { return m_root; }
    ULONGLONG GetLength() const;
    BOOL IsDirectory() const;
    // TRUE for the entries "." and "..".
    BOOL IsDots() const;
    // Whether the current match has any of the attributes of mask.
    BOOL MatchesMask(DWORD mask) const;

    // Whether name matches a pattern of the kind FindFile takes (without a folder).
    static BOOL MatchesPattern(LPCTSTR pattern, LPCTSTR name);

private:
    struct Match {
        CString name;
        std::string linuxName;
        bool directory; // a folder or a link to one
        bool link;
    };
    const Match* Current() const;
    bool FindFirstMatch();
    bool HoldsMatch(DIR* dir) const;
    void ListMatches();
    bool NameMatches(const char* linuxName) const;
    bool IsFolder(const dirent& entry) const;
    bool IsLink(const dirent& entry) const;

    std::vector<Match> m_matches;
    int m_current = -1;
    bool m_listed = false;
    CString m_root;
    std::string m_folder;      // the Linux folder searched
    std::string m_namePattern; // CP932
};
