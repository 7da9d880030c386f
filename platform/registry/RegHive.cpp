#include "platform/registry/RegHive.h"

#include "platform/core/Cp932.h"
#include "platform/core/CString.h"
#include "platform/core/WinFormat.h"
#include "platform/files/WinPath.h"

#include <cstring>

namespace {

const char kHeader[] = "REGEDIT4";
const char kUtf8Bom[] = "\xEF\xBB\xBF";

bool SameIgnoringCase(const std::string& a, const std::string& b)
{
    return a.size() == b.size() && CString(a).CompareNoCase(b.c_str()) == 0;
}

// True for well-formed UTF-8 without control characters other than the tab.
bool IsUtf8Text(const std::string& text)
{
    for (size_t i = 0; i < text.size();) {
        unsigned char lead = static_cast<unsigned char>(text[i]);
        size_t length = lead < 0x80 ? 1 : lead >= 0xF0 && lead <= 0xF4 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC2 ? 2 : 0;
        if (length == 0 || (lead < 0x20 && lead != '\t') || lead == 0x7F || i + length > text.size())
            return false;
        for (size_t k = 1; k < length; ++k)
            if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80)
                return false;
        i += length;
    }
    return true;
}

std::string TrimRight(std::string text)
{
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r'))
        text.pop_back();
    return text;
}

size_t SkipBlanks(const std::string& text, size_t i)
{
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
        ++i;
    return i;
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

bool StartsWith(const std::string& text, size_t i, const char* prefix)
{
    return text.compare(i, std::strlen(prefix), prefix) == 0;
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

std::string WithoutIndent(const std::string& line) { return line.substr(SkipBlanks(line, 0)); }

// A text value that the quoted form carries unchanged: one terminating zero, no control
// characters, and CP932 that comes back the same from UTF-8.
bool FitsQuotedForm(const RegValue& value)
{
    if (value.type != REG_SZ || value.data.empty() || value.data.back() != '\0')
        return false;
    std::string text = value.data.substr(0, value.data.size() - 1);
    for (char c : text)
        if ((static_cast<unsigned char>(c) < 0x20 && c != '\t') || c == 0x7F)
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

bool RegHive::ParseValueLine(const std::string& line, RegValue& value) const
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

RegHive RegHive::Parse(const std::string& utf8Text)
{
    RegHive hive;
    std::vector<std::string> lines;
    size_t start = StartsWith(utf8Text, 0, kUtf8Bom) ? 3 : 0;
    while (start < utf8Text.size()) {
        size_t end = utf8Text.find('\n', start);
        end = end == std::string::npos ? utf8Text.size() : end;
        lines.push_back(TrimRight(utf8Text.substr(start, end - start)));
        start = end + 1;
    }
    Key* key = nullptr;
    bool headerAllowed = true;
    for (size_t n = 0; n < lines.size(); ++n) {
        std::string line = WithoutIndent(lines[n]);
        // A hex value may go on over lines that end with "\".
        while (IsHexValueLine(line) && line.back() == '\\' && n + 1 < lines.size()) {
            line.pop_back();
            line += WithoutIndent(lines[++n]);
        }
        if (line.empty() || line[0] == ';')
            continue;
        bool header = headerAllowed && line == kHeader;
        headerAllowed = false;
        if (header)
            continue;
        RegValue value;
        bool sound = IsUtf8Text(line);
        if (sound && line[0] == '[') {
            std::string path = NormalPath(cp932::FromUtf8(line.substr(1, line.size() - 2)));
            sound = line.back() == ']' && line.size() > 2 && line[1] != '-' && !path.empty();
            key = nullptr;
            if (sound) {
                hive.CreateKey(path);
                key = hive.FindKey(path);
            }
        } else if (sound && key && (line[0] == '"' || line[0] == '@') && hive.ParseValueLine(line, value)) {
            hive.SetValue(key->path, value);
        } else {
            sound = false;
        }
        if (!sound)
            ++hive.m_damagedLines;
    }
    return hive;
}

std::string RegHive::Format() const
{
    std::string text = std::string(kHeader) + "\n\n";
    for (const Key& key : m_keys) {
        if (IsRootPath(key.path) && key.values.empty())
            continue; // a root always exists; it needs a line only for its values
        text += "[" + cp932::ToUtf8(key.path) + "]\n";
        for (const RegValue& value : key.values)
            text += (value.name.empty() ? "@" : Quoted(cp932::ToUtf8(value.name))) + "=" + FormatData(value) + "\n";
        text += "\n";
    }
    return text;
}

RegHive::Key* RegHive::FindKey(const std::string& path)
{
    return const_cast<Key*>(static_cast<const RegHive*>(this)->FindKey(path));
}

const RegHive::Key* RegHive::FindKey(const std::string& path) const
{
    std::string normal = NormalPath(path);
    for (const Key& key : m_keys)
        if (SameIgnoringCase(key.path, normal))
            return &key;
    return nullptr;
}

bool RegHive::HasKey(const std::string& path) const { return IsRootPath(path) || FindKey(path) != nullptr; }

bool RegHive::IsRootPath(const std::string& path) { return SplitCp932(path, "\\").size() == 1; }

bool RegHive::CreateKey(const std::string& path)
{
    bool created = false;
    std::string prefix;
    for (const std::string& part : SplitCp932(path, "\\")) {
        prefix += (prefix.empty() ? "" : "\\") + part;
        if (!FindKey(prefix)) {
            m_keys.push_back({prefix, {}});
            created = true;
        }
    }
    return created;
}

const RegValue* RegHive::FindValue(const std::string& keyPath, const std::string& name) const
{
    const Key* key = FindKey(keyPath);
    if (key)
        for (const RegValue& value : key->values)
            if (SameIgnoringCase(value.name, name))
                return &value;
    return nullptr;
}

bool RegHive::SetValue(const std::string& keyPath, const RegValue& value)
{
    if (!HasKey(keyPath))
        return false;
    CreateKey(keyPath); // the line of a root appears with its first value
    Key* key = FindKey(keyPath);
    for (RegValue& existing : key->values)
        if (SameIgnoringCase(existing.name, value.name)) {
            existing.data = value.data;
            existing.type = value.type;
            return true;
        }
    key->values.push_back(value);
    return true;
}
