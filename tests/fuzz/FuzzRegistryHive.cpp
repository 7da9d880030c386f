// A settings hive parsed, formatted and set.
//
// The input is the text of the user's hive. Its formatted form must read back as the same hive
// (formatting that again gives the same text). Then the hive is written as the user's hive file
// and one value is set through the registry calls, as the program sets its settings: into the
// first key of the user's root that the text names (else a new key), with a name, type and data
// drawn from the input. The value must read back with the same type and bytes, and the hive on
// disk must be the parsed hive with that one value set: nothing else lost or changed.
//
// What the hive cannot read must not be read at a loss either. Each line of the input that it
// must keep is in the hive on disk byte for byte: a line of UTF-8 (as iconv decodes it) that does
// not come back the same through CP932, and a key line deeper than the registry allows. And no
// line read becomes a '?', the mark of a character lost on the way to CP932: the hive on disk
// holds no more of them than the input and the value set.
#include "platform/core/Cp932.h"
#include "platform/core/CString.h"
#include "platform/files/PosixIo.h"
#include "platform/files/WinPath.h"
#include "platform/registry/RegHive.h"
#include "platform/registry/WinRegistry.h"
#include "tests/fuzz/support/FuzzCheck.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iconv.h>
#include <string>
#include <unistd.h>
#include <unordered_set>
#include <vector>

namespace {

const char kUserRoot[] = "HKEY_CURRENT_USER";
const char kNewKey[] = "Software\\Fuzz";
const char* const kNames[] = {"", "Plain", "Count", "Fuzz"};
const size_t kMaxData = 16;

std::string g_folder; // the hive folder of this process

// The lines of the text after its byte-order mark, each without "\n" and the carriage returns before it.
std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    size_t start = text.compare(0, 3, "\xEF\xBB\xBF") == 0 ? 3 : 0;
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

// The text converted by iconv, with nothing replaced; false when iconv refuses any of it.
bool Iconv(const char* to, const char* from, const std::string& text, std::string& out)
{
    iconv_t cd = iconv_open(to, from);
    fuzzcheck::Require(cd != reinterpret_cast<iconv_t>(-1), "iconv opens");
    out.assign(text.size() * 4 + 4, '\0');
    char* in = const_cast<char*>(text.data());
    char* end = &out[0];
    size_t inLeft = text.size(), outLeft = out.size();
    bool converted = iconv(cd, &in, &inLeft, &end, &outLeft) != static_cast<size_t>(-1);
    iconv_close(cd);
    out.resize(end - out.data());
    return converted;
}

// A key line of more levels below its root than the registry allows.
bool IsTooDeepKeyLine(const std::string& line)
{
    size_t start = line.find_first_not_of(" \t"), end = line.find_last_not_of(" \t");
    if (start == std::string::npos || line[start] != '[' || line[end] != ']')
        return false;
    std::vector<std::string> names = SplitCp932(line.substr(start + 1, end - start - 1), "\\");
    return names.size() > RegHive::kMaxDepth + 1;
}

// A line that the hive must keep as it stood: UTF-8 whose text CP932 cannot hold, or a key line
// of UTF-8 too deep. Comments, which the hive drops, and lines of CP932 are left to the other checks.
bool MustBeKept(const std::string& line)
{
    size_t start = line.find_first_not_of(" \t");
    std::string utf32, cp932, back;
    if (start == std::string::npos || line[start] == ';' || !Iconv("UTF-32LE", "UTF-8", line, utf32))
        return false;
    return !Iconv("CP932", "UTF-8", line, cp932) || !Iconv("UTF-8", "CP932", cp932, back) || back != line ||
           IsTooDeepKeyLine(line);
}

// The key below the user's root of the first key line that the hive holds, or empty.
std::string FirstUserKey(const RegHive& hive, const std::string& text)
{
    size_t start = 0;
    while (start < text.size()) {
        size_t end = std::min(text.find('\n', start), text.size());
        std::string line = text.substr(start, end - start);
        start = end + 1;
        if (line.size() < 3 || line.front() != '[' || line.back() != ']')
            continue;
        std::string path = RegHive::NormalPath(cp932::FromUtf8(line.substr(1, line.size() - 2)));
        std::vector<std::string> parts = SplitCp932(path, "\\");
        if (parts.size() >= 2 && CString(parts[0]).CompareNoCase(kUserRoot) == 0 && hive.HasKey(path))
            return path.substr(parts[0].size() + 1);
    }
    return std::string();
}

// The value to set, drawn from the input: a name of four, a text, a DWORD or bytes.
RegValue ValueToSet(const std::string& input)
{
    RegValue value;
    value.name = kNames[static_cast<unsigned char>(input[0]) % 4];
    std::string data = input.substr(input.size() - std::min(input.size(), kMaxData));
    switch (input.size() % 3) {
    case 0:
        value.type = REG_SZ;
        value.data = data.substr(0, data.find('\0')) + '\0';
        break;
    case 1:
        value.type = REG_DWORD;
        value.data = (data + std::string(4, '\0')).substr(0, 4);
        break;
    default:
        value.type = REG_BINARY;
        value.data = data;
    }
    return value;
}

// Sets the value through the registry calls and reads it back.
void SetAndQuery(const std::string& key, const RegValue& value)
{
    HKEY handle = nullptr;
    fuzzcheck::Require(RegCreateKeyExA(HKEY_CURRENT_USER, key.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &handle,
                                       nullptr) == ERROR_SUCCESS,
                       "the key opens");
    const BYTE* bytes = reinterpret_cast<const BYTE*>(value.data.data());
    fuzzcheck::Require(RegSetValueExA(handle, value.name.c_str(), 0, value.type, bytes,
                                      static_cast<DWORD>(value.data.size())) == ERROR_SUCCESS,
                       "the value is set");
    BYTE buffer[kMaxData + 1];
    DWORD type = 0, size = sizeof buffer;
    fuzzcheck::Require(RegQueryValueExA(handle, value.name.c_str(), nullptr, &type, buffer, &size) == ERROR_SUCCESS,
                       "the value set is found");
    fuzzcheck::Require(type == value.type && std::string(reinterpret_cast<char*>(buffer), size) == value.data,
                       "the value set reads back the same");
    RegCloseKey(handle);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    g_folder = fuzzcheck::MakeScratchFolder("registry");
    setenv("ZN_REGISTRY_DIR", g_folder.c_str(), 1);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    std::string text = fuzzcheck::Bytes(data, size);
    RegHive hive = RegHive::Parse(text);
    std::string formatted = hive.Format();
    fuzzcheck::Require(RegHive::Parse(formatted).Format() == formatted, "a formatted hive reads back the same");

    std::string path = g_folder + "/user.reg";
    std::ofstream(path, std::ios::binary | std::ios::trunc) << text;
    std::string key = FirstUserKey(hive, text);
    key = key.empty() ? kNewKey : key;
    RegValue value = ValueToSet(text);
    SetAndQuery(key, value);

    hive.CreateKey(std::string(kUserRoot) + "\\" + key);
    hive.SetValue(std::string(kUserRoot) + "\\" + key, value);
    std::string stored;
    fuzzcheck::Require(ReadWholeFile(path, stored), "the hive is read");
    fuzzcheck::Require(RegHive::Parse(stored).Format() == hive.Format(), "the set changes that one value only");

    std::vector<std::string> storedLines = Lines(stored);
    std::unordered_set<std::string> written(storedLines.begin(), storedLines.end());
    for (const std::string& line : Lines(text))
        fuzzcheck::Require(!MustBeKept(line) || written.count(line), "a line that cannot be read is kept as it stood");
    long marks = std::count(text.begin(), text.end(), '?');
    if (value.type == REG_SZ)
        marks += std::count(value.data.begin(), value.data.end(), '?');
    fuzzcheck::Require(std::count(stored.begin(), stored.end(), '?') <= marks, "no character read is lost");
    return 0;
}
