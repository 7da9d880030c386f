// The copying of the short texts to another folder (7605), run modally from the main frame's menu. Its controls and its
// work come with the short-text dialogs.
#pragma once

#include "platform/wnd/CDialog.h"

class ZnDlgAppTanbunCopy : public CDialog {
public:
    explicit ZnDlgAppTanbunCopy(CWnd* pParent = nullptr);
};
