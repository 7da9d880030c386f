#include "print/MFileCellWords.h"

namespace cellwords {

namespace {

struct Word {
    const char* text;
    int code;
};

const Word Keywords[] = {
    {"PAPER", Paper},
    {"AREA", Area},
    {"VCS", Vcs},
    {"ROW_NUM", RowNum},
    {"ROW_PITCH", RowPitch},
    {"COLUMN_NUM", ColumnNum},
    {"COLUMN_PITCH", ColumnPitch},
    {"ACTIVE_CELL", ActiveCell},
    {"TEXT_ALIGN", TextAlign},
    {"TEXT_POSITION", TextPosition},
    {"TEXT_SIZE", TextSize},
    {"TEXT_OFFSET", TextOffset},
    {"FONT_FACE", FontFace},
    {"FONT_STYLE", FontStyle},
    {"FONT_COLOR", FontColor},
    {"TEXT_KEY", TextKey},
    {"TEXT", Text},
    {"LINE_STYLE", LineStyle},
    {"LINE", Line},
    {"FORMFEED", FormFeed},
    {"IMPORT_IMAGE", ImportImage},
};

// Paper sizes, orientations, alignments, font styles, line widths, line styles and anchors.
const Word ValueWords[] = {
    {"A4", 0},        {"B4", 1},        {"A3", 2},      {"Portrate", 0},  {"Landscape", 1}, {"Top", 0},
    {"Center", 1},    {"Bottom", 2},    {"Left", 3},    {"Right", 4},     {"Normal", 1},    {"StrikeOut", 2},
    {"Bold", 3},      {"UnderLine", 4}, {"Italic", 5},  {"Fine", 0},      {"Thin", 1},      {"Thick", 2},
    {"Solid", 0},     {"Dot", 1},       {"Dash", 2},    {"DashDot", 3},   {"LT", 0},        {"LB", 1},
    {"RT", 2},        {"RB", 3},        {"LC", 4},      {"RC", 5},        {"CT", 6},        {"CB", 7},
};

template <size_t N> int Lookup(const Word (&table)[N], const CString& word, int notFound)
{
    for (const Word& entry : table)
        if (word.CompareNoCase(entry.text) == 0)
            return entry.code;
    return notFound;
}

} // namespace

int KeywordCode(const CString& word) { return Lookup(Keywords, word, NoKeyword); }

int WordCode(const CString& word, int notFound) { return Lookup(ValueWords, word, notFound); }

} // namespace cellwords
