// The construction kinds (工事種別) by code. The site page and the building page keep seven as
// flags, one per code "01601" to "01607": 新築, 増築, 改築, 移転, 用途変更, 大規模の修繕,
// 大規模の模様替. Structures keep four, each with a text.
#pragma once

#include "platform/files/Afx.h"

namespace ZnModelConstKindFlags {

const int count = 7;

// Sets the flag of the kind the code names to 1. A null or any other code changes nothing;
// no flag is ever cleared, so several calls can set several kinds.
void SetByCode(int (&flags)[count], LPCTSTR code);

// Empties codes, then appends the code of every non-zero flag in ascending order.
void GetCodes(const int (&flags)[count], CStringList& codes);

// The construction kinds of a structure, each kept as a flag with a text: "01601" 新築,
// "01602" 増築, "01603" 改築, "01699" その他.
const int structureKindCount = 4;

// The index (0 to 3, in the order above) of the structure kind the code names; -1 for a null
// or any other code.
int StructureKindIndex(LPCTSTR code);

} // namespace ZnModelConstKindFlags
