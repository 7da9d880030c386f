#include "platform/files/WinFileName.h"

#include "platform/core/Cp932.h"

#include <cstring>
#include <string>

namespace {

bool IsForbiddenByte(unsigned char c) { return c < 0x20 || (c != 0 && std::strchr("<>:\"/\\|?*", c) != nullptr); }

// Whether the part before the first "." (blanks before it do not count) names a device, which
// Windows opens in place of a file of that name in every folder.
bool IsDeviceName(const std::string& name)
{
    std::string stem = name.substr(0, name.find('.'));
    stem.erase(stem.find_last_not_of(' ') + 1);
    for (char& c : stem)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    if (stem == "CON" || stem == "PRN" || stem == "AUX" || stem == "NUL")
        return true;
    return stem.size() == 4 && (stem.compare(0, 3, "COM") == 0 || stem.compare(0, 3, "LPT") == 0) && stem[3] >= '1' &&
           stem[3] <= '9';
}

} // namespace

bool IsWinFileName(const CString& name)
{
    const std::string& bytes = name.Bytes();
    if (bytes.empty() || bytes == "." || bytes == "..")
        return false;
    for (size_t i = 0; i < bytes.size(); i += cp932::CharLength(bytes.data(), i, bytes.size()))
        if (cp932::CharLength(bytes.data(), i, bytes.size()) == 1 && IsForbiddenByte(bytes[i]))
            return false;
    // "." and the blank are never trail bytes, so the last byte is a character of its own.
    return bytes.back() != '.' && bytes.back() != ' ' && !IsDeviceName(bytes);
}

bool IsPortableFileName(const CString& name) { return IsWinFileName(name) && cp932::IsCp932Text(name.Bytes()); }
