// Builds the controls of a dialog template inside a window (a dialog, a form view or a panel):
// one window object per control, of the class its kind names, placed by the template's dialog
// units. The objects belong to their windows and go with them, unless a member object takes a
// window over first (DDX_Control).
#pragma once

#include "platform/wnd/CRect.h"
#include "platform/wnd/Resources.h"

class CWnd;

class DialogBuilder {
public:
    static void CreateControls(CWnd& host, const DialogResource& dialog);
    // A dialog-unit rectangle of the template in pixels.
    static CRect ToPixels(const DialogResource& dialog, int x, int y, int cx, int cy);
};
