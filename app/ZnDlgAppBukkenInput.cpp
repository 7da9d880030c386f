#include "app/ZnDlgAppBukkenInput.h"

#include "res/MainFrameIds.h"

ZnDlgAppBukkenInput::ZnDlgAppBukkenInput(CWnd* pParent) : CDialog(IDD_BUKKEN_INPUT, pParent) {}
