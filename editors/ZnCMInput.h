// The input settings of one data field of a reference-data editor, as its edit control takes them:
// the byte limit, the character mask, the input method opened (1) or closed (2) on focus, the
// descriptor's format, and whether the field is a reading typed in half-width katakana.
#pragma once

struct ZnCMInput {
    int maxBytes;
    int charMask;
    int imeOpenMode;
    const char* format;
    bool halfWidthKana = false;
};

// The settings that several editors share.
namespace ZnCMInputs {
// A reading of up to 120 bytes: single-byte kana, punctuation and ASCII.
constexpr ZnCMInput furigana120{120, 12, 1, "%120s", true};
// A name of up to 60 full-width characters.
constexpr ZnCMInput name120{120, 0xFFFF, 1, "%120s"};
// A name, a registration number or an employer of up to 30 full-width characters.
constexpr ZnCMInput text60{60, 0xFFFF, 1, "%60s"};
// An address or a phrase of up to 40 full-width characters.
constexpr ZnCMInput text80{80, 0xFFFF, 1, "%80s"};
// The parts of a postcode and of a telephone number, typed with the input method closed.
constexpr ZnCMInput postcode1{3, 0xFFFF, 2, "%3s"};
constexpr ZnCMInput postcode2{4, 0xFFFF, 2, "%4s"};
constexpr ZnCMInput phone1{6, 0xFFFF, 2, "%6s"};
constexpr ZnCMInput phone4{4, 0xFFFF, 2, "%4s"};
} // namespace ZnCMInputs
