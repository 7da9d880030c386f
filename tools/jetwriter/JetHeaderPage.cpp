#include "tools/jetwriter/JetHeaderPage.h"

#include <cstdint>
#include <utility>

namespace {

const char kSignature[] = "\x00\x01\x00\x00Standard Jet DB"; // with its closing zero byte, 20 bytes
constexpr int kVersionOffset = 0x14;
constexpr int kCodePageOffset = 0x3C;
constexpr int kPageKeyOffset = 0x3E;
constexpr int kJet4CreatedOffset = 0x72;
const char kHeaderKey[] = "\xC7\xDA\x39\x6B"; // the fixed key of the masked area

} // namespace

void JetHeaderPage::Write(JetPage& page, const JetFormat& format, const COleDateTime& created)
{
    page.PutBytes(0, std::string(kSignature, sizeof kSignature));
    page.Put(kVersionOffset, format.versionCode, 4);
    page.Put(format.sortOrderOffset, kJetSortOrderJapanese, format.sortOrderSize);
    page.Put(kCodePageOffset, kJetCodePageJapanese, 2);
    page.Put(kPageKeyOffset, 0, 4);
    if (format.version == JetVersion::Jet4)
        page.PutDouble(kJet4CreatedOffset, created.m_dt);

    const size_t length = static_cast<size_t>(format.headerMaskLength);
    std::string masked = page.Bytes().substr(kMaskedAreaOffset, length);
    std::string stream = Rc4KeyStream(std::string(kHeaderKey, 4), length);
    for (size_t i = 0; i < length; ++i)
        masked[i] = static_cast<char>(masked[i] ^ stream[i]);
    page.PutBytes(kMaskedAreaOffset, masked);
}

std::string JetHeaderPage::Rc4KeyStream(const std::string& key, size_t length)
{
    uint8_t state[256];
    for (int i = 0; i < 256; ++i)
        state[i] = static_cast<uint8_t>(i);
    for (int i = 0, j = 0; i < 256; ++i) {
        j = (j + state[i] + static_cast<uint8_t>(key[static_cast<size_t>(i) % key.size()])) & 0xFF;
        std::swap(state[i], state[j]);
    }
    std::string stream(length, '\0');
    for (size_t n = 0, i = 0, j = 0; n < length; ++n) {
        i = (i + 1) & 0xFF;
        j = (j + state[i]) & 0xFF;
        std::swap(state[i], state[j]);
        stream[n] = static_cast<char>(state[(state[i] + state[j]) & 0xFF]);
    }
    return stream;
}
