// The new-property dialog (5603), run modally by the main frame's new-property commands. When
// accepted it sets the frame's property-data and property-selected flags; until its screen is
// built it is an empty dialog that the user can only close.
#pragma once

#include "platform/wnd/CDialog.h"

class ZnDlgAppBukkenInput : public CDialog {
public:
    explicit ZnDlgAppBukkenInput(CWnd* pParent = nullptr);
};
