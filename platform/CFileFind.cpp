#include "platform/CFileFind.h"

#include "platform/Cp932.h"
#include "platform/WinError.h"
#include "platform/WinPath.h"

#include <algorithm>
#include <cerrno>
#include <dirent.h>
#include <sys/stat.h>

IMPLEMENT_DYNAMIC(CFileFind, CObject)

namespace {

char FoldAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool SameCharacter(const char* a, size_t aLength, const char* b, size_t bLength)
{
    if (aLength != bLength)
        return false;
    return aLength == 1 ? FoldAscii(*a) == FoldAscii(*b) : std::equal(a, a + aLength, b);
}

// Wildcard match over CP932 characters: "*" takes any run, "?" one character. Backtracks only to
// the last "*", which is enough for these two wildcards.
bool Matches(const std::string& pattern, const std::string& name)
{
    size_t p = 0, n = 0, starP = std::string::npos, starN = 0;
    while (n < name.size()) {
        size_t nLength = cp932::CharLength(name.data(), n, name.size());
        size_t pLength = p < pattern.size() ? cp932::CharLength(pattern.data(), p, pattern.size()) : 0;
        if (pLength == 1 && pattern[p] == '*') {
            starP = ++p;
            starN = n;
        } else if (pLength && ((pLength == 1 && pattern[p] == '?') ||
                               SameCharacter(pattern.data() + p, pLength, name.data() + n, nLength))) {
            p += pLength;
            n += nLength;
        } else if (starP != std::string::npos) {
            p = starP;
            starN += cp932::CharLength(name.data(), starN, name.size());
            n = starN;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*')
        ++p;
    return p == pattern.size();
}

// The length of the folder part of a CP932 path: up to and including its last separator.
size_t FolderLength(const std::string& path)
{
    size_t length = 0;
    for (size_t i = 0; i < path.size(); i += cp932::CharLength(path.data(), i, path.size()))
        if (path[i] == '\\' || path[i] == '/' || (i == 1 && path[i] == ':'))
            length = i + 1;
    return length;
}

} // namespace

BOOL CFileFind::MatchesPattern(LPCTSTR pattern, LPCTSTR name)
{
    std::string p = pattern ? pattern : "";
    std::string n = name ? name : "";
    // A final ".*" also matches a name without an extension, so "*.*" matches every name.
    bool dotStar = p.size() >= 2 && p.compare(p.size() - 2, 2, ".*") == 0;
    return Matches(p, n) || (dotStar && Matches(p.substr(0, p.size() - 2), n));
}

BOOL CFileFind::FindFile(LPCTSTR pattern, DWORD)
{
    Close();
    std::string full = pattern ? pattern : "*.*";
    size_t folderLength = FolderLength(full);
    m_root = CString(full.substr(0, folderLength));
    std::string namePattern = full.substr(folderLength);
    std::string folder = WinPathToLinux(m_root.IsEmpty() ? "." : static_cast<LPCTSTR>(m_root));
    DIR* dir = opendir(folder.c_str());
    if (!dir) {
        // A folder that is not there is a missing path; a drive's own failure (no medium, an
        // unknown medium, no access) keeps its own code, which the callers tell apart.
        bool missing = errno == ENOENT || errno == ENOTDIR;
        SetLastError(missing ? ERROR_PATH_NOT_FOUND : Win32ErrorFromErrno(errno));
        return FALSE;
    }
    while (const dirent* entry = readdir(dir)) {
        std::string name = cp932::FromUtf8(entry->d_name);
        if (!MatchesPattern(namePattern.c_str(), name.c_str()))
            continue;
        struct stat st;
        bool found = stat((folder + "/" + entry->d_name).c_str(), &st) == 0;
        m_matches.push_back({CString(name), found && S_ISDIR(st.st_mode), found ? ULONGLONG(st.st_size) : 0});
    }
    closedir(dir);
    std::sort(m_matches.begin(), m_matches.end(), [](const Match& a, const Match& b) {
        int folded = a.name.CompareNoCase(b.name);
        return folded != 0 ? folded < 0 : a.name.Compare(b.name) < 0;
    });
    if (m_matches.empty())
        SetLastError(ERROR_FILE_NOT_FOUND);
    return !m_matches.empty();
}

BOOL CFileFind::FindNextFile()
{
    if (m_current + 1 >= static_cast<int>(m_matches.size())) {
        SetLastError(ERROR_NO_MORE_FILES);
        return FALSE;
    }
    ++m_current;
    return m_current + 1 < static_cast<int>(m_matches.size());
}

void CFileFind::Close()
{
    m_matches.clear();
    m_current = -1;
    m_root.Empty();
}

const CFileFind::Match* CFileFind::Current() const
{
    return m_current >= 0 && m_current < static_cast<int>(m_matches.size()) ? &m_matches[m_current] : nullptr;
}

CString CFileFind::GetFileName() const { return Current() ? Current()->name : CString(); }

CString CFileFind::GetFilePath() const { return Current() ? m_root + Current()->name : CString(); }

CString CFileFind::GetFileTitle() const
{
    CString name = GetFileName();
    int dot = name.ReverseFind('.');
    return dot > 0 ? name.Left(dot) : name;
}

ULONGLONG CFileFind::GetLength() const { return Current() ? Current()->length : 0; }

BOOL CFileFind::IsDirectory() const { return Current() && Current()->directory; }

BOOL CFileFind::IsDots() const
{
    CString name = GetFileName();
    return IsDirectory() && (name == "." || name == "..");
}
