// The CP932 routines: the conversions to and from UTF-8, CString's double-byte-aware functions,
// the mapping of Windows paths, and the escaping of XML values.
//
// The input is a text, a NUL, and a pattern (the pattern's last byte is dropped when it is a lead
// byte without its trail, as no literal of the system ends). Each routine is checked against
// what must hold of it and against the routines that must agree with it: a hit of a search is a
// whole character, replacing and finding count the same hits, changing case touches no trail byte,
// reversing twice gives a text without lone lead bytes back, the UTF-8 that CP932 gives is
// well-formed and comes back through CP932 unchanged, a converted path has the names of the
// Windows path, each converted alone, and an XML reader reads back from a written value each of
// its characters that XML can hold, converted alone, in order.
#include "platform/core/Cp932.h"
#include "platform/core/CString.h"
#include "platform/files/WinDrive.h"
#include "platform/files/WinPath.h"
#include "tests/fuzz/support/FuzzCheck.h"
#include "tests/writers/XmlCheck.h"
#include "writers/XmlText.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <set>
#include <strings.h>
#include <unistd.h>

using fuzzcheck::Require;

namespace {

const char kReplacement[] = "\xEF\xBF\xBD"; // U+FFFD in UTF-8
const char kPathSeparators[] = "\\/";

std::string g_driveFolder; // the folder of drive C: in this process

// The offsets at which the characters of a CP932 text start, and its length.
std::set<size_t> CharacterStarts(const std::string& text)
{
    std::set<size_t> starts;
    for (size_t i = 0; i < text.size(); i += cp932::CharLength(text.data(), i, text.size()))
        starts.insert(i);
    starts.insert(text.size());
    return starts;
}

// The characters of a CP932 text, each one or two bytes.
std::vector<std::string> Characters(const std::string& text)
{
    std::vector<std::string> characters;
    for (size_t i = 0; i < text.size(); i += cp932::CharLength(text.data(), i, text.size()))
        characters.push_back(text.substr(i, cp932::CharLength(text.data(), i, text.size())));
    return characters;
}

bool IsLoneLeadByte(const std::string& character)
{
    return character.size() == 1 && cp932::IsLeadByte(static_cast<unsigned char>(character[0]));
}

bool EndsWithLoneLeadByte(const std::string& text)
{
    std::set<size_t> starts = CharacterStarts(text);
    return starts.size() >= 2 && *std::prev(starts.end(), 2) == text.size() - 1 &&
           cp932::IsLeadByte(static_cast<unsigned char>(text.back()));
}

bool HasLoneLeadByte(const std::string& text)
{
    std::vector<std::string> characters = Characters(text);
    return std::any_of(characters.begin(), characters.end(), IsLoneLeadByte);
}

std::string ReplacedByQuestionMarks(std::string utf8)
{
    for (size_t at = utf8.find(kReplacement); at != std::string::npos; at = utf8.find(kReplacement, at))
        utf8.replace(at, sizeof kReplacement - 1, "?");
    return utf8;
}

void CheckConversions(const std::string& text)
{
    std::string utf8 = cp932::ToUtf8(text);
    Require(cp932::IsWellFormedUtf8(utf8), "CP932 converts to well-formed UTF-8");
    Require(cp932::ToUtf8(cp932::FromUtf8(utf8)) == ReplacedByQuestionMarks(utf8),
            "the UTF-8 of CP932 comes back through CP932 unchanged");
    Require(cp932::IsWellFormedUtf8(cp932::ToUtf8(cp932::FromUtf8(text))), "any bytes convert to CP932 and back to UTF-8");
}

// Finding and replacing the pattern agree, and every hit is whole characters.
void CheckSearch(const CString& text, const std::string& pattern)
{
    std::set<size_t> starts = CharacterStarts(text.Bytes());
    int hits = 0;
    for (int at = text.Find(pattern.c_str()); at >= 0 && !pattern.empty();
         at = text.Find(pattern.c_str(), at + static_cast<int>(pattern.size()))) {
        Require(starts.count(at) && starts.count(at + pattern.size()), "a hit is whole characters");
        Require(text.Bytes().compare(at, pattern.size(), pattern) == 0, "a hit holds the pattern");
        ++hits;
    }
    CString replaced = text;
    Require(replaced.Replace(pattern.c_str(), "") == hits, "replacing counts the hits that finding finds");

    CString span = text.SpanExcluding(pattern.c_str());
    int oneOf = text.FindOneOf(pattern.c_str());
    Require(oneOf == (span.GetLength() == text.GetLength() ? -1 : span.GetLength()),
            "the span without the pattern's characters ends where one of them is found");
    if (pattern.size() == 1 && !cp932::IsLeadByte(static_cast<unsigned char>(pattern[0]))) {
        CString removed = text;
        int count = removed.Remove(pattern[0]);
        Require(removed.Find(pattern[0]) < 0, "a removed character is found no more");
        Require(CString(text).Replace(pattern[0], pattern[0]) == count, "removing and replacing count the same");
    }
}

void CheckCaseAndOrder(const CString& text)
{
    CString upper = text, lower = text;
    upper.MakeUpper();
    lower.MakeLower();
    Require(upper.GetLength() == text.GetLength() && lower.GetLength() == text.GetLength(), "case keeps the length");
    for (size_t start : CharacterStarts(text.Bytes()))
        if (start + 1 < text.Bytes().size() && cp932::CharLength(text.Bytes().data(), start, text.Bytes().size()) == 2)
            Require(upper.Bytes()[start + 1] == text.Bytes()[start + 1] &&
                        lower.Bytes()[start + 1] == text.Bytes()[start + 1],
                    "changing case touches no trail byte");
    Require(upper.CompareNoCase(lower) == 0, "the upper and lower case of a text compare equal ignoring case");
    // A lone lead byte can pair with the byte that reversing puts after it.
    if (!HasLoneLeadByte(text.Bytes())) {
        CString reversed = text;
        reversed.MakeReverse();
        reversed.MakeReverse();
        Require(reversed == text, "reversing twice gives the text back");
    }
    CString trimmed = text;
    trimmed.TrimRight();
    Require(text.Bytes().compare(0, trimmed.Bytes().size(), trimmed.Bytes()) == 0, "trimming keeps the front");
    Require(CharacterStarts(text.Bytes()).count(trimmed.Bytes().size()), "trimming cuts between characters");
}

// The Linux folder that a Windows path starts from, and the rest of the path after its drive.
std::string RootOf(const std::string& path, std::string& rest)
{
    rest = path;
    if (path.size() >= 2 && path[1] == ':' && std::isalpha(static_cast<unsigned char>(path[0]))) {
        rest = path.substr(2);
        std::string folder = DriveFolder(path[0]);
        return folder.empty() ? "/dev/null/" + path.substr(0, 2) : folder;
    }
    return !path.empty() && (path[0] == '\\' || path[0] == '/') ? "/" : "";
}

void CheckPaths(const std::string& path)
{
    std::string rest;
    std::string root = RootOf(path, rest);
    std::string linux = WinPathToLinux(path.c_str());
    Require(linux.compare(0, root.size(), root) == 0, "a converted path starts at its drive's folder");
    size_t names = SplitCp932(rest, kPathSeparators).size();
    size_t linuxNames = 0;
    for (size_t i = root.size(); i < linux.size(); ++i)
        linuxNames += linux[i] != '/' && (i == root.size() || linux[i - 1] == '/');
    Require(linuxNames == names, "a converted path has as many names as the Windows path");
    // The drive's folder is empty: past the root, the names are the Windows names converted alone,
    // in the case of the entries that exist (ASCII letters only).
    std::string converted = root;
    for (const std::string& name : SplitCp932(rest, kPathSeparators))
        converted += (converted.empty() || converted.back() == '/' ? "" : "/") + cp932::ToUtf8(name);
    std::vector<std::string> characters = Characters(rest);
    if (!characters.empty() && std::strchr(kPathSeparators, characters.back()[0]) && !converted.empty() &&
        converted.back() != '/')
        converted += '/';
    Require(strcasecmp(linux.c_str(), converted.c_str()) == 0 && linux.size() == converted.size(),
            "the names of a converted path are the Windows names, each converted alone");

    std::string joined;
    for (const std::string& name : SplitCp932(path, kPathSeparators))
        joined += name;
    CString removed(path);
    removed.Remove('\\');
    removed.Remove('/');
    Require(joined == removed.Bytes(), "the names of a path are the path without its separators");
    CString text(path);
    Require(EndsWithBackslash(path.c_str()) == (!path.empty() && text.ReverseFind('\\') == text.GetLength() - 1),
            "a path ends with a backslash when its last character is one");
}

// A UTF-8 text with its line ends as an XML reader reads them: CR LF and a lone CR as LF.
std::string ReadLineEnds(const std::string& text)
{
    std::string read;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r')
            read += text[i];
        else if (i + 1 == text.size() || text[i + 1] != '\n')
            read += '\n';
    }
    return read;
}

// What an XML reader reads back from a value written with line ends lineEnds: each character
// that XML can hold converted alone, in order.
std::string ExpectedXmlText(const std::string& value, XmlText::LineEnds lineEnds)
{
    std::string utf8;
    for (const std::string& character : Characters(value)) {
        if (character.size() == 1 && XmlText::IsNonXmlByte(character[0]))
            continue;
        utf8 += lineEnds == XmlText::CrLf && character == "\n" ? "\r\n" : cp932::ToUtf8(character);
    }
    return ReadLineEnds(utf8);
}

void CheckXmlValue(const std::string& value)
{
    const char declaration[] = "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n";
    for (XmlText::LineEnds lineEnds : {XmlText::CrLf, XmlText::Lf}) {
        XmlText xml(lineEnds);
        xml.Literal(declaration);
        xml.Leaf(0, "値", CString(value));
        std::string read;
        Require(xmlcheck::ReadRootText(xml.Utf8(), read), "a written value makes a well-formed file");
        Require(read == ExpectedXmlText(value, lineEnds), "an XML reader reads each character of a written value");
    }
    // The escaping of the supervisor file drops nothing: for values without control characters.
    std::vector<std::string> characters = Characters(value);
    if (std::any_of(characters.begin(), characters.end(),
                    [](const std::string& c) { return c.size() == 1 && XmlText::IsNonXmlByte(c[0]); }))
        return;
    std::string escaped = XmlText::Escape(CString(value)).Bytes();
    std::string read;
    Require(xmlcheck::ReadRootText(cp932::ToUtf8(declaration + ("<v>" + escaped) + "</v>"), read),
            "an escaped value makes a well-formed file");
    Require(read == ExpectedXmlText(value, XmlText::Lf), "an XML reader reads each character of an escaped value");
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    g_driveFolder = fuzzcheck::MakeScratchFolder("cp932");
    // Drive C: and relative paths look up names in an empty folder, the same for every run.
    SetDriveFolder('C', g_driveFolder);
    Require(chdir(g_driveFolder.c_str()) == 0, "the working folder is the drive's folder");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::string input = fuzzcheck::Bytes(data, size);
    size_t nul = input.find('\0');
    std::string text = input.substr(0, nul);
    std::string pattern = nul == std::string::npos ? std::string() : input.substr(nul + 1);
    pattern = pattern.substr(0, pattern.find('\0'));
    if (EndsWithLoneLeadByte(pattern))
        pattern.pop_back();

    CheckConversions(input);
    CheckSearch(CString(text), pattern);
    CheckCaseAndOrder(CString(text));
    CheckPaths(text);
    CheckXmlValue(input);
    return 0;
}
