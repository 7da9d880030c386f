#include "storage/DoubleQuoteChars.h"

#include "platform/core/Cp932.h"

#include <cstring>

namespace {

// A single byte that is not a lead byte and is one of chars (never the terminating zero).
bool IsOneOf(char byte, LPCTSTR chars)
{
    return byte != '\0' && !cp932::IsLeadByte(static_cast<unsigned char>(byte)) && std::strchr(chars, byte);
}

} // namespace

int DoubleQuoteChars(CString* text, LPCTSTR chars)
{
    if (!text || !chars || !*chars)
        return 0;
    const std::string& bytes = text->Bytes();
    std::string doubled;
    bool changed = false;
    for (size_t i = 0; i < bytes.size();) {
        size_t length = cp932::CharLength(bytes.data(), i, bytes.size());
        doubled.append(bytes, i, length);
        if (length == 1 && IsOneOf(bytes[i], chars)) {
            doubled += bytes[i];
            changed = true;
        }
        i += length;
    }
    if (changed)
        *text = CString(doubled);
    return changed ? 1 : 0;
}
