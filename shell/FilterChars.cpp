#include "shell/FilterChars.h"

#include "platform/core/Cp932.h"

#include <cstring>

int FilterChars(CString& text, LPCSTR set)
{
    if (!set || !*set)
        return 0;
    const std::string& bytes = text.Bytes();
    std::string kept;
    for (size_t i = 0; i < bytes.size(); ++i) {
        char c = bytes[i];
        if (cp932::IsLeadByte(static_cast<unsigned char>(c))) {
            if (i + 1 >= bytes.size())
                break; // a lead byte without its trail byte
            kept += c;
            // A byte that cannot follow a lead byte is a character of its own, filtered as one.
            if (cp932::IsTrailByte(static_cast<unsigned char>(bytes[i + 1])))
                kept += bytes[++i];
        } else if (!std::strchr(set, c)) {
            kept += c;
        }
    }
    if (kept == bytes)
        return 0;
    text = CString(kept);
    return 1;
}
