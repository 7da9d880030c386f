#include "shell/PropertyNameEdit.h"

#include "shell/VhEditSetupList.h"
#include "shell/ZnEditCtrl.h"

const char kPropertyNameRejectedChars[] = "\\/:,;*?\"<>|";

namespace {
const int kNameMaxBytes = 60;
const int kAllCharacters = 0xFFFF;
const int kImeOpenOnFocus = 1;
} // namespace

void SetUpPropertyNameEdit(ZnEditCtrl& edit, VhEditSetupList& setupList)
{
    setupList.Add(new VhEditSetup(&edit, kNameMaxBytes, kAllCharacters, kImeOpenOnFocus, "%60s", 0));
    edit.GetImp()->m_strRejected = kPropertyNameRejectedChars;
}
