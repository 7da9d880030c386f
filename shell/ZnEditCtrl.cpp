#include "shell/ZnEditCtrl.h"

IMPLEMENT_DYNAMIC(ZnEditCtrl, VhEditCtrl)

BEGIN_MESSAGE_MAP(ZnEditCtrl, VhEditCtrl)
END_MESSAGE_MAP()

namespace {
const int kEditMenu = 101;
const int kEditPopup = 1;
} // namespace

ZnEditCtrl::ZnEditCtrl(VhEditCtrlImp* imp) : VhEditCtrl(imp)
{
    GetImp()->m_nMenuId = kEditMenu;
    GetImp()->m_nSubMenu = kEditPopup;
}
