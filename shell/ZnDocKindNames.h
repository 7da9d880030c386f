// The display names of the document-kind codes, in the application name set and the
// notification name set, and the base names of form document files. The application object
// answers its DocKindName and MakeFormFileName with these.
#pragma once

#include "platform/core/CString.h"

namespace ZnDocKindNames {

// The document mode that selects the application name set; every other mode selects the
// notification set.
const int applicationMode = 32786;
// The variant that shortens the names of Article 88 structures to "（工作物）".
const int shortStructureVariant = 22;

// The display name of a document-kind code (such as 100001) in the name set of mode; "" for a
// code that is not in the table or has no name in that set. Variant 22 cuts a name at
// "（法88条1項）" or "（法88条2項）" and closes it with "）"; every other variant leaves it whole.
CString DocKindName(int code, int mode, int variant);

// The base name of a form's document file: "Ka" in the application mode, else "Ke", then
// "001." and the form number as "%3d" (Ka001.110; Ke001. 99).
CString MakeFormFileName(int formNo, int docMode);

// The era code of a form for an era name: "01" (era number 3) for 昭和, "02" (era number 4) for
// any other text. The era number goes to *era when era is given.
CString EraNameToCode(const CString& name, int* era);
// The era name for an era code: 昭和 (era number 3) for "01", 平成 (era number 4) for any other
// text. The era number goes to *era when era is given.
CString EraCodeToName(const CString& code, int* era);

} // namespace ZnDocKindNames
