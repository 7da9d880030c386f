// Text as a Jet file stores it: UCS-2 little-endian in Jet 4, CP932 bytes as they stand in Jet 3.
#pragma once

#include "tools/jetwriter/JetFormat.h"

#include <string>

class JetText {
public:
    // The stored bytes of CP932 text. Bytes that are not CP932 become U+FFFD in Jet 4.
    static std::string Encode(const JetFormat& format, const std::string& cp932);
    // The length of stored text in the units a text column's size counts: characters (UCS-2
    // code units) in Jet 4, bytes in Jet 3.
    static size_t Units(const JetFormat& format, const std::string& stored);
    // A name in a table definition: its length in bytes, in the version's length field, then the
    // stored name.
    static std::string EncodeName(const JetFormat& format, const std::string& cp932);

private:
    static std::string Utf8ToUcs2(const std::string& utf8);
};
