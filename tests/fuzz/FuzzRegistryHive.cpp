// A settings hive parsed, formatted and set.
//
// The input is the text of the user's hive. Its formatted form must read back as the same hive
// (formatting that again gives the same text). Then the hive is written as the user's hive file
// and one value is set through the registry calls, as the program sets its settings: into the
// first key of the user's root that the text names (else a new key), with a name, type and data
// drawn from the input. The value must read back with the same type and bytes, and the hive on
// disk must be the parsed hive with that one value set: nothing else lost or changed.
#include "platform/core/Cp932.h"
#include "platform/core/CString.h"
#include "platform/files/PosixIo.h"
#include "platform/files/WinPath.h"
#include "platform/registry/RegHive.h"
#include "platform/registry/WinRegistry.h"
#include "tests/fuzz/support/FuzzCheck.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

const char kUserRoot[] = "HKEY_CURRENT_USER";
const char kNewKey[] = "Software\\Fuzz";
const char* const kNames[] = {"", "Plain", "Count", "Fuzz"};
const size_t kMaxData = 16;

std::string g_folder; // the hive folder of this process

void RemoveFolder() { std::filesystem::remove_all(g_folder); }

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
    const char* temporary = std::getenv("TMPDIR");
    std::string pattern = std::string(temporary && *temporary ? temporary : "/tmp") + "/zn-fuzz-registry-XXXXXX";
    fuzzcheck::Require(mkdtemp(&pattern[0]) != nullptr, "a hive folder is made");
    g_folder = pattern;
    setenv("ZN_REGISTRY_DIR", g_folder.c_str(), 1);
    std::atexit(RemoveFolder);
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
    return 0;
}
