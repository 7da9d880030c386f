#include "readers/ZnOldFloppyCount.h"

#include <cctype>

BOOL ZnOldFloppyCount::Read(const CString& text, int& count)
{
    const std::string& bytes = text.Bytes();
    size_t i = 0;
    while (i < bytes.size() && std::isspace(static_cast<unsigned char>(bytes[i])))
        ++i;
    bool negative = i < bytes.size() && bytes[i] == '-';
    if (i < bytes.size() && (bytes[i] == '-' || bytes[i] == '+'))
        ++i;
    // Digits are taken while the value stays within most, so that no number overflows.
    int value = 0;
    for (; i < bytes.size() && std::isdigit(static_cast<unsigned char>(bytes[i])); ++i) {
        value = value * 10 + (bytes[i] - '0');
        if (value > most)
            return FALSE;
    }
    if (negative && value > 0)
        return FALSE;
    count = value;
    return TRUE;
}
