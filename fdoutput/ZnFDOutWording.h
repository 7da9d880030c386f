// The words of a floppy-output page that follow the document mode (32786 applications, any other
// mode notifications), and the format that a document's reception number chooses.
#pragma once

#include "platform/core/CString.h"

#include <vector>

class ZnFDOutWording {
public:
    // "申請" or "通知".
    static CString Noun(int mode);
    // "確認申請" or "計画通知".
    static CString Stem(int mode);
    // The heading of the list's document column: the noun and "書データ".
    static CString DocumentColumnTitle(int mode);
    // What "FD出力" says without a selected row: the noun and "書を選択してください。".
    static CString SelectMessage(int mode);
    // The 書式種類 choices: 今回 (0) and 修正 (1) followed by the noun.
    static std::vector<CString> FormatChoices(int mode);
    // 修正 (1) for a document that has a reception number, else 今回 (0).
    static int FormatFor(const CString& reception) { return reception.IsEmpty() ? 0 : 1; }
};
