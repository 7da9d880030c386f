// The edit control that the data-entry dialogs declare: a VhEditCtrl whose right click shows the
// edit popup of the main menu (menu 101, popup 1, with its short-text commands).
#pragma once

#include "shell/VhEditCtrl.h"

class ZnEditCtrl : public VhEditCtrl {
public:
    DECLARE_DYNAMIC(ZnEditCtrl)
    explicit ZnEditCtrl(VhEditCtrlImp* imp = nullptr);

protected:
    DECLARE_MESSAGE_MAP()
};
