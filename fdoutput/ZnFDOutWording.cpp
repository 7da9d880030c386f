#include "fdoutput/ZnFDOutWording.h"

namespace {
const int kApplicationMode = 32786;
}

CString ZnFDOutWording::Noun(int mode) { return mode == kApplicationMode ? "申請" : "通知"; }

CString ZnFDOutWording::Stem(int mode) { return mode == kApplicationMode ? "確認申請" : "計画通知"; }

CString ZnFDOutWording::DocumentColumnTitle(int mode) { return Noun(mode) + "書データ"; }

CString ZnFDOutWording::SelectMessage(int mode) { return Noun(mode) + "書を選択してください。"; }

std::vector<CString> ZnFDOutWording::FormatChoices(int mode) { return {"今回" + Noun(mode), "修正" + Noun(mode)}; }
