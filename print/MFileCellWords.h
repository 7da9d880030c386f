// The words of CELL layouts: the keywords that begin their lines and the value words of their
// arguments, each with its code; both compared ignoring case, the first match winning.
#pragma once

#include "platform/core/CString.h"

namespace cellwords {

enum Keyword {
    NoKeyword = 0,
    Paper = 1,
    Area = 2,
    Vcs = 3,
    RowNum = 4,
    RowPitch = 5,
    ColumnNum = 6,
    ColumnPitch = 7,
    ActiveCell = 8,
    TextAlign = 9,
    TextPosition = 10,
    TextSize = 11,
    TextOffset = 12,
    FontFace = 13,
    FontStyle = 14,
    FontColor = 15,
    TextKey = 16,
    Text = 17,
    LineStyle = 18,
    Line = 19,
    FormFeed = 20,
    EndOfFile = 22,
    ImportImage = 23,
};

// The value a layout gives a word that is not in the table.
const int UnknownWord = 999;

// The keyword's code; NoKeyword for any other word.
int KeywordCode(const CString& word);
// The value word's code, or notFound.
int WordCode(const CString& word, int notFound);

} // namespace cellwords
