#include "tools/jetwriter/JetText.h"

#include "tools/jetwriter/JetBytes.h"

#include "platform/core/Cp932.h"

#include <cstdint>

std::string JetText::Encode(const JetFormat& format, const std::string& cp932)
{
    return format.unicodeText ? Utf8ToUcs2(cp932::ToUtf8(cp932)) : cp932;
}

size_t JetText::Units(const JetFormat& format, const std::string& stored)
{
    return format.unicodeText ? stored.size() / 2 : stored.size();
}

std::string JetText::EncodeName(const JetFormat& format, const std::string& cp932)
{
    std::string stored = Encode(format, cp932);
    std::string name;
    jetbytes::Append(name, stored.size(), format.nameLengthSize);
    return name + stored;
}

// The UTF-8 comes from the CP932 conversion and is well formed; characters beyond the BMP, which
// CP932 does not reach, would become surrogate pairs.
std::string JetText::Utf8ToUcs2(const std::string& utf8)
{
    std::string out;
    out.reserve(utf8.size() * 2);
    for (size_t i = 0; i < utf8.size();) {
        unsigned char lead = static_cast<unsigned char>(utf8[i]);
        int extra = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : 0;
        uint32_t code = extra == 0 ? lead : lead & (0x3F >> extra);
        for (int k = 1; k <= extra && i + k < utf8.size(); ++k)
            code = (code << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
        i += static_cast<size_t>(extra) + 1;
        if (code >= 0x10000) {
            code -= 0x10000;
            jetbytes::Append(out, 0xD800 + (code >> 10), 2);
            code = 0xDC00 + (code & 0x3FF);
        }
        jetbytes::Append(out, code, 2);
    }
    return out;
}
