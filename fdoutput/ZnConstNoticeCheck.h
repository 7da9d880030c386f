// The check of the property's construction notice (建築工事届) that follows the input check of a
// building confirmation application: the notice on its own, and against the application as its
// input check left it (work kind, building count, building numbers, storeys).
#pragma once

#include "fdoutput/ZnBuildCheckFacts.h"
#include "fdoutput/ZnFDOutCheckInput.h"
#include "platform/core/CString.h"

#include <vector>

class ZnConstNoticeCheck {
public:
    // Reads the stored notice of the current property (Ka001.240, Ke001.240 in the notification
    // mode) into objects of its own and returns its findings in order: its second face, each
    // building entry in list order, its fourth face; the application is named by the document
    // stem of input's mode. The active document and the shell's current-document values stay as
    // they are. Without the file the findings are three entries: an empty line,
    // "建築工事届が入力されていません。" and an empty line; a file that cannot be read is told
    // with the framework's message and then counts as missing.
    static std::vector<CString> CheckConstNotice(const ZnFDOutCheckInput& input, const ZnBuildCheckFacts& facts);
};
