#include "writers/ZnCodeNames.h"

#include <cstdlib>

namespace {

// A code text and its word, compared as whole texts.
struct TextCodeName {
    LPCTSTR code;
    LPCTSTR name;
};

// A code read as a decimal number and its word.
struct NumberCodeName {
    int code;
    LPCTSTR name;
};

// The word of a code text, or the text itself when the table lacks it.
template <size_t N> CString NameOfText(const TextCodeName (&table)[N], const CString& code)
{
    for (const TextCodeName& row : table) {
        if (code == row.code)
            return row.name;
    }
    return code;
}

// The word of a code text read as a decimal number (as atoi reads it), or "".
template <size_t N> CString NameOfNumber(const NumberCodeName (&table)[N], const CString& code)
{
    int number = atoi(code);
    for (const NumberCodeName& row : table) {
        if (number == row.code)
            return row.name;
    }
    return CString();
}

const TextCodeName structureKinds[] = {
    {"02401", "木造"},   {"02402", "組積造"},   {"02403", "補強ＣＢ造"}, {"02404", "Ｓ造"},
    {"02405", "ＲＣ造"}, {"02406", "ＳＲＣ造"}, {"02407", "無筋Ｃ造"},   {"02499", "その他"},
};

const TextCodeName buildTypeDigits[] = {{"03701", "1"}, {"03702", "2"}, {"03703", "3"}, {"03704", "4"}};

const NumberCodeName architectClasses[] = {{101, "一級"}, {301, "一級"}, {102, "二級"},
                                           {302, "二級"}, {103, "木造"}, {303, "木造"}};

const NumberCodeName urbanPlanAreas[] = {{700, "都計外／準都計外"}, {701, "都市計画区域内"}, {702, "準都市計画区域内"}};

const NumberCodeName areaDivisions[] = {{801, "市街化区域"},     {804, "市街化区域"},     {805, "市街化区域"},
                                        {802, "市街化調整区域"}, {806, "市街化調整区域"}, {803, "区域区分非設定"},
                                        {807, "区域区分非設定"}};

} // namespace

CString ZnCodeNames::GetStructureKindName(const CString& code) { return NameOfText(structureKinds, code); }

CString ZnCodeNames::GetBuildTypeDigit(const CString& code) { return NameOfText(buildTypeDigits, code); }

CString ZnCodeNames::GetArchitectClassName(const CString& code) { return NameOfNumber(architectClasses, code); }

CString ZnCodeNames::GetUrbanPlanAreaName(const CString& code) { return NameOfNumber(urbanPlanAreas, code); }

CString ZnCodeNames::GetAreaDivisionName(const CString& code) { return NameOfNumber(areaDivisions, code); }
