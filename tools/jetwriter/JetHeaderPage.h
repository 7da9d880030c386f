// Page 0 of a Jet file: the signature, the version and, in an area masked with a fixed RC4 key,
// the collating order, the code page, the page encryption key (0: pages are plain) and, in Jet 4,
// the creation date.
#pragma once

#include "tools/jetwriter/JetFormat.h"
#include "tools/jetwriter/JetPage.h"

#include "platform/core/COleDateTime.h"

#include <string>

class JetHeaderPage {
public:
    static constexpr int kMaskedAreaOffset = 0x18;

    static void Write(JetPage& page, const JetFormat& format, const COleDateTime& created);

    // The RC4 key stream of length bytes for key; masking and unmasking are the same XOR with it.
    static std::string Rc4KeyStream(const std::string& key, size_t length);
};
