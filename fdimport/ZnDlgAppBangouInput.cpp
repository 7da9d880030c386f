#include "fdimport/ZnDlgAppBangouInput.h"

#include "res/MainFrameIds.h"

ZnDlgAppBangouInput::ZnDlgAppBangouInput(CWnd* pParent) : CDialog(IDD_BANGOU_INPUT, pParent) {}
