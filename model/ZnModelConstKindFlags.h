// The seven construction kinds (工事種別) of the site page and the building page as flags, one
// per code "01601" to "01607": 新築, 増築, 改築, 移転, 用途変更, 大規模の修繕, 大規模の模様替.
#pragma once

#include "platform/Afx.h"

namespace ZnModelConstKindFlags {

const int count = 7;

// Sets the flag of the kind the code names to 1. A null or any other code changes nothing;
// no flag is ever cleared, so several calls can set several kinds.
void SetByCode(int (&flags)[count], LPCTSTR code);

// Empties codes, then appends the code of every non-zero flag in ascending order.
void GetCodes(const int (&flags)[count], CStringList& codes);

} // namespace ZnModelConstKindFlags
