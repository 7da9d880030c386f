#include "platform/files/CFileFind.h"

#include "platform/core/Cp932.h"
#include "platform/core/WinError.h"
#include "platform/files/WinPath.h"

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
    m_namePattern = full.substr(folderLength);
    m_folder = WinPathToLinux(m_root.IsEmpty() ? "." : static_cast<LPCTSTR>(m_root));
    return FindFirstMatch();
}

// Whether the folder can be read and holds a match, with the error code when not.
bool CFileFind::FindFirstMatch()
{
    // A name without wildcards ("*" and "?" are never a trail byte) is looked up, not searched for.
    bool plainName = m_namePattern.find_first_of("*?") == std::string::npos;
    if (plainName && !m_namePattern.empty() &&
        !FindNameIgnoringCase(m_folder, cp932::ToUtf8(m_namePattern)).empty())
        return true;
    DIR* dir = opendir(m_folder.c_str());
    if (!dir) {
        // A folder that is not there is a missing path; a drive's own failure (no medium, an
        // unknown medium, no access) keeps its own code, which the callers tell apart.
        bool missing = errno == ENOENT || errno == ENOTDIR;
        SetLastError(missing ? ERROR_PATH_NOT_FOUND : Win32ErrorFromErrno(errno));
        return false;
    }
    // A plain name was looked up above: the folder is opened only to tell why it was not found.
    bool found = !plainName && HoldsMatch(dir);
    closedir(dir);
    if (!found)
        SetLastError(ERROR_FILE_NOT_FOUND);
    return found;
}

bool CFileFind::HoldsMatch(DIR* dir) const
{
    if (MatchesPattern(m_namePattern.c_str(), "."))
        return true; // every folder holds ".", so "*.*" matches however many entries there are
    while (const dirent* entry = readdir(dir))
        if (NameMatches(entry->d_name))
            return true;
    return false;
}

void CFileFind::ListMatches()
{
    m_listed = true;
    DIR* dir = opendir(m_folder.c_str());
    if (!dir)
        return;
    while (const dirent* entry = readdir(dir))
        if (NameMatches(entry->d_name))
            m_matches.push_back(
                {CString(cp932::FromUtf8(entry->d_name)), entry->d_name, IsFolder(*entry), IsLink(*entry)});
    closedir(dir);
    std::sort(m_matches.begin(), m_matches.end(), [](const Match& a, const Match& b) {
        int folded = a.name.CompareNoCase(b.name);
        return folded != 0 ? folded < 0 : a.name.Compare(b.name) < 0;
    });
}

bool CFileFind::NameMatches(const char* linuxName) const
{
    return MatchesPattern(m_namePattern.c_str(), cp932::FromUtf8(linuxName).c_str());
}

// Whether an entry of the folder searched is a folder, or a link to one.
bool CFileFind::IsFolder(const dirent& entry) const
{
    if (entry.d_type != DT_UNKNOWN && entry.d_type != DT_LNK)
        return entry.d_type == DT_DIR;
    struct stat st;
    return stat((m_folder + "/" + entry.d_name).c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool CFileFind::IsLink(const dirent& entry) const
{
    if (entry.d_type != DT_UNKNOWN)
        return entry.d_type == DT_LNK;
    struct stat st;
    return lstat((m_folder + "/" + entry.d_name).c_str(), &st) == 0 && S_ISLNK(st.st_mode);
}

BOOL CFileFind::FindNextFile()
{
    if (!m_listed)
        ListMatches();
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
    m_listed = false;
    m_root.Empty();
    m_folder.clear();
    m_namePattern.clear();
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

ULONGLONG CFileFind::GetLength() const
{
    struct stat st;
    if (!Current() || stat((m_folder + "/" + Current()->linuxName).c_str(), &st) != 0)
        return 0;
    return st.st_size;
}

BOOL CFileFind::IsDirectory() const { return Current() && Current()->directory; }

BOOL CFileFind::MatchesMask(DWORD mask) const
{
    if (!Current())
        return FALSE;
    DWORD attributes =
        (Current()->directory ? FILE_ATTRIBUTE_DIRECTORY : 0) | (Current()->link ? FILE_ATTRIBUTE_REPARSE_POINT : 0);
    return (attributes & mask) != 0;
}

BOOL CFileFind::IsDots() const
{
    CString name = GetFileName();
    return IsDirectory() && (name == "." || name == "..");
}
