// The Linux font family that stands for a Windows font name: the system's Japanese fonts map to
// the IPA fonts (fonts-ipafont), the proportional forms to their proportional twins.
#pragma once

#include "platform/core/CString.h"

// The fontconfig family for a Windows face name, both CP932 like every text of the program. A
// name without a stand-in is passed on as it is, for fontconfig to substitute.
CString AfxLinuxFontFamily(const CString& windowsFace);
