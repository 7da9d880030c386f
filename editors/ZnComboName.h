// The choice of a drop-down list's entry by a name that a table gives for a stored value.
#pragma once

#include "platform/core/CString.h"

class CComboBox;

// Selects the entry of name: the first equal to it byte for byte, else the first that begins with
// it ignoring case; the blank first entry for an empty name. When no entry fits, the selection
// stays as it was.
void ZnSelectComboName(CComboBox& combo, const CString& name);
// The text of the selected entry; "" when none is selected.
CString ZnSelectedComboName(const CComboBox& combo);
