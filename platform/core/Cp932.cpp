#include "platform/core/Cp932.h"

#include <cerrno>
#include <cstring>
#include <iconv.h>
#include <stdexcept>
#include <unordered_map>
#include <vector>

namespace cp932 {
namespace {

// Length of a well-formed UTF-8 character at text, or 1 for a malformed one: Unicode's table of
// well-formed byte sequences, in which the second byte's range depends on the lead byte, so that
// no overlong form, surrogate or code point past U+10FFFF passes.
size_t Utf8SequenceLength(const char* text, size_t left)
{
    unsigned char lead = static_cast<unsigned char>(text[0]);
    size_t n = 1;
    unsigned char low = 0x80, high = 0xBF; // the second byte's range
    if (lead >= 0xC2 && lead <= 0xDF) {
        n = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        n = 3;
        low = lead == 0xE0 ? 0xA0 : low;
        high = lead == 0xED ? 0x9F : high;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        n = 4;
        low = lead == 0xF0 ? 0x90 : low;
        high = lead == 0xF4 ? 0x8F : high;
    }
    if (n == 1 || n > left)
        return 1;
    unsigned char second = static_cast<unsigned char>(text[1]);
    if (second < low || second > high)
        return 1;
    for (size_t i = 2; i < n; ++i)
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80)
            return 1;
    return n;
}

// One iconv descriptor per direction, opened on first use. The program is single-threaded.
class Converter {
public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from))
    {
        if (cd_ == reinterpret_cast<iconv_t>(-1))
            throw std::runtime_error(std::string("iconv cannot convert from ") + from + " to " + to);
    }
    ~Converter() { iconv_close(cd_); }

    // Converts text; on an invalid or unconvertible sequence appends the replacement and skips
    // one input character: for UTF-8 input the whole character, for CP932 input a character as
    // CharLength counts it, as every other CP932 routine does.
    std::string Convert(const std::string& text, const std::string& replacement, bool utf8Input)
    {
        if (IsAscii(text))
            return text; // the same bytes in both encodings
        // Short texts, such as the tags of the files written, recur: they are converted once.
        bool short_ = text.size() <= kShortText;
        if (short_) {
            auto known = converted_.find(text);
            if (known != converted_.end())
                return known->second;
        }
        std::string out;
        ConvertWithIconv(text, replacement, utf8Input, out);
        if (short_) {
            if (converted_.size() >= kShortTextsKept)
                converted_.clear();
            converted_.emplace(text, out);
        }
        return out;
    }

    // Converts text into out, as Convert does, without looking for it among the texts kept.
    void ConvertOnce(const std::string& text, const std::string& replacement, bool utf8Input, std::string& out)
    {
        if (IsAscii(text))
            out.assign(text);
        else
            ConvertWithIconv(text, replacement, utf8Input, out);
    }

private:
    static const size_t kShortText = 64;
    static const size_t kShortTextsKept = 1024;

    void ConvertWithIconv(const std::string& text, const std::string& replacement, bool utf8Input, std::string& out)
    {
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        // Room for the whole result, so that iconv converts it in one go, several times faster
        // than in small pieces: no character, nor its replacement, grows beyond three bytes.
        out.assign(text.size() * 3 + replacement.size(), '\0');
        size_t used = 0;
        char* in = const_cast<char*>(text.data());
        size_t inLeft = text.size();
        while (inLeft > 0) {
            char* outPtr = &out[used];
            size_t outLeft = out.size() - used;
            size_t rc = iconv(cd_, &in, &inLeft, &outPtr, &outLeft);
            used = outPtr - out.data();
            if (rc != static_cast<size_t>(-1))
                continue;
            if (errno == E2BIG) {
                out.resize(out.size() * 2);
                continue;
            }
            out.replace(used, replacement.size(), replacement);
            used += replacement.size();
            size_t skip = utf8Input ? Utf8SequenceLength(in, inLeft) : CharLength(in, 0, inLeft);
            in += skip;
            inLeft -= skip;
            iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        }
        out.resize(used);
    }

    static bool IsAscii(const std::string& text)
    {
        for (char c : text)
            if (static_cast<unsigned char>(c) >= 0x80)
                return false;
        return true;
    }

    iconv_t cd_;
    std::unordered_map<std::string, std::string> converted_;
};

Converter& FromUtf8Converter()
{
    static Converter converter("CP932", "UTF-8");
    return converter;
}

// CP932 to UTF-8 character by character (as CharLength counts them), each character converted
// once and then taken from a table: several times faster than iconv over a text of many
// characters, and the same bytes, for iconv converts a text as its characters one by one.
class CharTable {
public:
    explicit CharTable(Converter& converter) : converter_(converter) {}

    std::string Convert(const std::string& text)
    {
        // Room for the longest result: a single byte gives at most three bytes, a pair four.
        std::string out(text.size() * 3, '\0');
        char* end = &out[0];
        for (size_t i = 0; i < text.size();) {
            if (static_cast<unsigned char>(text[i]) < 0x80) {
                *end++ = text[i++]; // the same byte in both codes
                continue;
            }
            size_t length = CharLength(text.data(), i, text.size());
            const Utf8Char& utf8 = Of(text.data() + i, length);
            std::memcpy(end, utf8.bytes, utf8.length);
            end += utf8.length;
            i += length;
        }
        out.resize(end - out.data());
        return out;
    }

private:
    // The UTF-8 of one CP932 character, a single code point; a length of 0 until it is converted.
    struct Utf8Char {
        unsigned char length = 0;
        char bytes[4];
    };

    const Utf8Char& Of(const char* character, size_t length)
    {
        if (pairs_.empty())
            pairs_.resize(256 * 256);
        unsigned char first = static_cast<unsigned char>(character[0]);
        Utf8Char& known =
            length == 1 ? singles_[first] : pairs_[first * 256 + static_cast<unsigned char>(character[1])];
        if (known.length == 0) {
            std::string utf8 = converter_.Convert(std::string(character, length), "\xEF\xBF\xBD", false);
            known.length = static_cast<unsigned char>(utf8.copy(known.bytes, sizeof known.bytes));
        }
        return known;
    }

    Converter& converter_;
    Utf8Char singles_[256];
    std::vector<Utf8Char> pairs_;
};

} // namespace

std::string ToUtf8(const std::string& cp932Text)
{
    static Converter converter("UTF-8", "CP932");
    static CharTable table(converter);
    return table.Convert(cp932Text);
}

bool IsCp932Text(const std::string& text)
{
    // CP932 has no character that converts to U+FFFD: only what is no character becomes one.
    return ToUtf8(text).find("\xEF\xBF\xBD") == std::string::npos;
}

std::string FromUtf8(const std::string& utf8Text) { return FromUtf8Converter().Convert(utf8Text, "?", true); }

void FromUtf8(const std::string& utf8Text, std::string& cp932Text)
{
    FromUtf8Converter().ConvertOnce(utf8Text, "?", true, cp932Text);
}

bool IsWellFormedUtf8(const std::string& text)
{
    for (size_t i = 0; i < text.size();) {
        size_t length = Utf8SequenceLength(text.data() + i, text.size() - i);
        if (length == 1 && static_cast<unsigned char>(text[i]) >= 0x80)
            return false;
        i += length;
    }
    return true;
}

} // namespace cp932
