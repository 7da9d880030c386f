#include "platform/registry/RegHive.h"

#include "platform/core/Cp932.h"
#include "platform/core/CString.h"
#include "platform/core/WinFormat.h"
#include "platform/files/WinPath.h"

#include <algorithm>
#include <cstring>

namespace {

const char kHeader[] = "REGEDIT4";
const char kUtf8Bom[] = "\xEF\xBB\xBF";

// The form in which names and paths are looked up: ASCII letters in lower case, double-byte
// characters as they are.
std::string Folded(const std::string& text)
{
    CString folded(text);
    folded.MakeLower();
    return folded.Bytes();
}

bool IsControlCharacter(unsigned char c) { return (c < 0x20 && c != '\t') || c == 0x7F; }

// The text of a line in UTF-8: the line itself when it is well-formed UTF-8, else its reading as
// CP932. False for a line with control characters other than the tab, and for one whose text
// CP932 cannot hold: its UTF-8 does not come back the same through CP932 (a character that CP932
// lacks or holds as another, and bytes that are not CP932, read as U+FFFD).
bool ReadAsUtf8(const std::string& line, std::string& utf8)
{
    bool ascii = true;
    for (char c : line) {
        if (IsControlCharacter(static_cast<unsigned char>(c)))
            return false;
        ascii = ascii && static_cast<unsigned char>(c) < 0x80;
    }
    if (ascii) {
        utf8 = line; // the same text in either code
        return true;
    }
    utf8 = cp932::IsWellFormedUtf8(line) ? line : cp932::ToUtf8(line);
    return cp932::ToUtf8(cp932::FromUtf8(utf8)) == utf8;
}

size_t SkipBlanks(const std::string& text, size_t i)
{
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
        ++i;
    return i;
}

// The line without its indent and without blanks and carriage returns at its end.
std::string Trimmed(const std::string& line)
{
    size_t end = line.size();
    while (end > 0 && (line[end - 1] == ' ' || line[end - 1] == '\t' || line[end - 1] == '\r'))
        --end;
    size_t start = std::min(SkipBlanks(line, 0), end);
    return line.substr(start, end - start);
}

bool StartsWith(const std::string& text, size_t i, const char* prefix)
{
    return text.compare(i, std::strlen(prefix), prefix) == 0;
}

// The lines of the text after its byte-order mark, each without its line end ("\n" and the
// carriage returns before it).
std::vector<std::string> SplitLines(const std::string& text)
{
    std::vector<std::string> lines;
    size_t start = StartsWith(text, 0, kUtf8Bom) ? 3 : 0;
    while (start < text.size()) {
        size_t end = std::min(text.find('\n', start), text.size());
        size_t stop = end;
        while (stop > start && text[stop - 1] == '\r')
            --stop;
        lines.push_back(text.substr(start, stop - start));
        start = end + 1;
    }
    return lines;
}

// Reads a quoted text starting at text[i] == '"', undoing the "\\" and "\"" escapes (any other
// "\" stays as it is); i is left after the closing quote. False when the text is not closed.
bool ReadQuoted(const std::string& text, size_t& i, std::string& out)
{
    out.clear();
    for (++i; i < text.size(); ++i) {
        if (text[i] == '"') {
            ++i;
            return true;
        }
        if (text[i] == '\\' && i + 1 < text.size() && (text[i + 1] == '\\' || text[i + 1] == '"'))
            ++i;
        out += text[i];
    }
    return false;
}

std::string Quoted(const std::string& utf8Text)
{
    std::string out = "\"";
    for (char c : utf8Text) {
        if (c == '\\' || c == '"')
            out += '\\';
        out += c;
    }
    return out + "\"";
}

int HexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    c = static_cast<char>(c | 0x20);
    return (c >= 'a' && c <= 'f') ? c - 'a' + 10 : -1;
}

// Reads one to maxDigits hex digits at text[i]; false when there are none or too many.
bool ReadHexNumber(const std::string& text, size_t& i, size_t maxDigits, DWORD& number)
{
    size_t start = i;
    number = 0;
    while (i < text.size() && HexDigit(text[i]) >= 0 && i - start < maxDigits)
        number = number * 16 + static_cast<DWORD>(HexDigit(text[i++]));
    return i > start && (i >= text.size() || HexDigit(text[i]) < 0);
}

// Reads "aa,bb,..." (blanks allowed around the commas) to the end of text.
bool ReadHexBytes(const std::string& text, size_t i, std::string& bytes)
{
    bytes.clear();
    i = SkipBlanks(text, i);
    while (i < text.size()) {
        DWORD byte;
        if (!ReadHexNumber(text, i, 2, byte))
            return false;
        bytes += static_cast<char>(byte);
        i = SkipBlanks(text, i);
        if (i < text.size() && text[i++] != ',')
            return false;
        i = SkipBlanks(text, i);
    }
    return true;
}

// Reads the data part of a value line (after the "="): a quoted text, "dword:" or "hex...:".
bool ReadData(const std::string& text, size_t i, RegValue& value)
{
    std::string utf8;
    if (i < text.size() && text[i] == '"') {
        if (!ReadQuoted(text, i, utf8) || SkipBlanks(text, i) != text.size())
            return false;
        value.type = REG_SZ;
        value.data = cp932::FromUtf8(utf8) + '\0';
        return true;
    }
    if (StartsWith(text, i, "dword:")) {
        i += 6;
        DWORD number;
        if (!ReadHexNumber(text, i, 8, number) || SkipBlanks(text, i) != text.size())
            return false;
        value.type = REG_DWORD;
        value.data.assign(reinterpret_cast<const char*>(&number), 4);
        return true;
    }
    value.type = REG_BINARY;
    if (StartsWith(text, i, "hex(")) {
        i += 4;
        if (!ReadHexNumber(text, i, 8, value.type) || !StartsWith(text, i, "):"))
            return false;
        return ReadHexBytes(text, i + 2, value.data);
    }
    return StartsWith(text, i, "hex:") && ReadHexBytes(text, i + 4, value.data);
}

bool IsHexValueLine(const std::string& line)
{
    return line.find("\"=hex") != std::string::npos || StartsWith(line, 0, "@=hex");
}

// A line that a hex value's continuation would take for its own next line.
bool EndsWithContinuation(const std::string& line)
{
    std::string text = Trimmed(line);
    return !text.empty() && text.back() == '\\';
}

// Reads a value line: a quoted name or "@", "=" and the data.
bool ReadValueLine(const std::string& line, RegValue& value)
{
    size_t i = 0;
    std::string utf8Name;
    if (line[0] == '@')
        ++i;
    else if (!ReadQuoted(line, i, utf8Name))
        return false;
    i = SkipBlanks(line, i);
    if (i >= line.size() || line[i] != '=')
        return false;
    value.name = cp932::FromUtf8(utf8Name);
    return ReadData(line, SkipBlanks(line, i + 1), value);
}

// A text value that the quoted form carries unchanged: one terminating zero, no control
// characters, and CP932 that comes back the same from UTF-8.
bool FitsQuotedForm(const RegValue& value)
{
    if (value.type != REG_SZ || value.data.empty() || value.data.back() != '\0')
        return false;
    std::string text = value.data.substr(0, value.data.size() - 1);
    for (char c : text)
        if (IsControlCharacter(static_cast<unsigned char>(c)))
            return false;
    return cp932::FromUtf8(cp932::ToUtf8(text)) == text;
}

std::string FormatData(const RegValue& value)
{
    if (FitsQuotedForm(value))
        return Quoted(cp932::ToUtf8(value.data.substr(0, value.data.size() - 1)));
    if (value.type == REG_DWORD && value.data.size() == 4) {
        DWORD number;
        std::memcpy(&number, value.data.data(), 4);
        return WinFormat("dword:%08x", number);
    }
    std::string out = value.type == REG_BINARY ? "hex:" : WinFormat("hex(%x):", value.type);
    for (size_t i = 0; i < value.data.size(); ++i)
        out += WinFormat(i ? ",%02x" : "%02x", static_cast<unsigned char>(value.data[i]));
    return out;
}

} // namespace

std::string RegHive::NormalPath(const std::string& path)
{
    std::string normal;
    for (const std::string& part : SplitCp932(path, "\\"))
        normal += (normal.empty() ? "" : "\\") + part;
    return normal;
}

bool RegHive::IsRootPath(const std::string& path) { return SplitCp932(path, "\\").size() == 1; }

RegHive RegHive::Parse(const std::string& text)
{
    RegHive hive;
    std::vector<std::string> lines = SplitLines(text);
    size_t valueKey = kNoKey; // the key of the value lines that follow
    size_t section = kNoKey;  // the key below whose values a line that cannot be read is kept
    bool headerAllowed = true;
    for (size_t n = 0; n < lines.size(); ++n) {
        std::string asItStood = lines[n];
        std::string line = Trimmed(lines[n]);
        // A hex value may go on over lines that end with "\", up to a blank line.
        bool hexValue = IsHexValueLine(line);
        while (hexValue && line.back() == '\\' && n + 1 < lines.size() && !Trimmed(lines[n + 1]).empty()) {
            line.pop_back();
            line += Trimmed(lines[++n]);
            asItStood += "\n" + lines[n];
        }
        if (line.empty() || line[0] == ';')
            continue;
        if (line[0] == '[')
            valueKey = kNoKey; // the values below a key line that cannot be read belong to no key read
        bool header = headerAllowed && line == kHeader;
        headerAllowed = false;
        if (header)
            continue;
        std::string utf8;
        if (ReadAsUtf8(line, utf8) && hive.ReadLine(utf8, valueKey, section))
            continue;
        (section == kNoKey ? hive.m_leadingLines : hive.m_keys[section].keptLines).push_back(asItStood);
        ++hive.m_damagedLines;
    }
    return hive;
}

bool RegHive::ReadLine(const std::string& utf8Line, size_t& valueKey, size_t& section)
{
    if (utf8Line[0] == '[') {
        if (utf8Line.back() != ']' || utf8Line.size() <= 2 || utf8Line[1] == '-')
            return false;
        std::vector<std::string> names = SplitCp932(cp932::FromUtf8(utf8Line.substr(1, utf8Line.size() - 2)), "\\");
        if (names.empty() || names.size() - 1 > kMaxDepth)
            return false;
        valueKey = section = AddKeys(names);
        return true;
    }
    RegValue value;
    if (valueKey == kNoKey || (utf8Line[0] != '"' && utf8Line[0] != '@') || !ReadValueLine(utf8Line, value))
        return false;
    PutValue(m_keys[valueKey], value);
    return true;
}

std::string RegHive::Format() const
{
    std::string text = std::string(kHeader) + "\n\n";
    if (!m_leadingLines.empty()) {
        FormatKeptLines(m_leadingLines, text);
        text += "\n";
    }
    for (size_t index = 0; index < m_keys.size(); ++index) {
        const Key& key = m_keys[index];
        if (!NeedsLine(key))
            continue;
        text += "[" + cp932::ToUtf8(PathOf(index)) + "]\n";
        for (const RegValue& value : key.values)
            text += (value.name.empty() ? "@" : Quoted(cp932::ToUtf8(value.name))) + "=" + FormatData(value) + "\n";
        FormatKeptLines(key.keptLines, text);
        text += "\n";
    }
    return text;
}

void RegHive::FormatKeptLines(const std::vector<std::string>& lines, std::string& text)
{
    for (size_t i = 0; i < lines.size(); ++i) {
        text += lines[i] + "\n";
        // A blank line keeps the next kept line from being read as this one's continuation.
        if (i + 1 < lines.size() && EndsWithContinuation(lines[i]))
            text += "\n";
    }
}

// A key holds its values and kept lines below its line; an empty key with keys below it exists
// through their lines, and a root always exists.
bool RegHive::NeedsLine(const Key& key) const
{
    return !key.values.empty() || !key.keptLines.empty() || (key.children.empty() && key.parent != kNoKey);
}

std::string RegHive::PathOf(size_t index) const
{
    std::vector<size_t> chain;
    for (; index != kNoKey; index = m_keys[index].parent)
        chain.push_back(index);
    std::string path;
    for (auto key = chain.rbegin(); key != chain.rend(); ++key)
        path += (path.empty() ? "" : "\\") + m_keys[*key].name;
    return path;
}

size_t RegHive::FindKey(const std::string& path) const
{
    size_t index = kNoKey;
    for (const std::string& name : SplitCp932(path, "\\")) {
        const KeysByName& children = ChildrenOf(index);
        auto found = children.find(Folded(name));
        if (found == children.end())
            return kNoKey;
        index = found->second;
    }
    return index;
}

// The key that the names lead to from a root, created with every missing key above it.
size_t RegHive::AddKeys(const std::vector<std::string>& names)
{
    size_t index = kNoKey;
    for (const std::string& name : names) {
        std::string folded = Folded(name);
        auto found = ChildrenOf(index).find(folded);
        if (found != ChildrenOf(index).end()) {
            index = found->second;
            continue;
        }
        m_keys.push_back({name, index, {}, {}, {}, {}});
        size_t added = m_keys.size() - 1;
        (index == kNoKey ? m_roots : m_keys[index].children).emplace(folded, added);
        index = added;
    }
    return index;
}

bool RegHive::HasKey(const std::string& path) const { return IsRootPath(path) || FindKey(path) != kNoKey; }

bool RegHive::CreateKey(const std::string& path)
{
    size_t before = m_keys.size();
    AddKeys(SplitCp932(path, "\\"));
    return m_keys.size() != before;
}

const RegValue* RegHive::FindValue(const std::string& keyPath, const std::string& name) const
{
    size_t index = FindKey(keyPath);
    if (index == kNoKey)
        return nullptr;
    const Key& key = m_keys[index];
    auto found = key.valueIndex.find(Folded(name));
    return found == key.valueIndex.end() ? nullptr : &key.values[found->second];
}

bool RegHive::SetValue(const std::string& keyPath, const RegValue& value)
{
    size_t index = FindKey(keyPath);
    if (index == kNoKey && IsRootPath(keyPath))
        index = AddKeys(SplitCp932(keyPath, "\\")); // the line of a root appears with its first value
    if (index == kNoKey)
        return false;
    PutValue(m_keys[index], value);
    return true;
}

void RegHive::PutValue(Key& key, const RegValue& value)
{
    auto [position, added] = key.valueIndex.emplace(Folded(value.name), key.values.size());
    if (added) {
        key.values.push_back(value);
        return;
    }
    RegValue& existing = key.values[position->second];
    existing.type = value.type;
    existing.data = value.data;
}
