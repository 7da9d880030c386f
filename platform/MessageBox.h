// The framework's application message box. Until the user-interface seam arrives, every box is
// recorded and answered with IDOK, so that no caller ever waits for a person.
#pragma once

#include "platform/WinTypes.h"

#include <string>
#include <vector>

#define MB_OK 0x00000000L
#define MB_ICONHAND 0x00000010L
#define MB_ICONSTOP MB_ICONHAND
#define MB_ICONERROR MB_ICONHAND
#define MB_ICONINFORMATION 0x00000040L
#define IDOK 1

int AfxMessageBox(LPCTSTR text, UINT type = MB_OK, UINT help = 0);

// The boxes shown so far, oldest first: text (CP932) and type.
struct RecordedMessageBox {
    std::string text;
    UINT type;
};
std::vector<RecordedMessageBox>& RecordedMessageBoxes();
