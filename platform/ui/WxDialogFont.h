// The font of a dialog template as wx draws it, and the dialog base units that it gives: the
// average width of the 52 Latin letters and the character height, measured as Windows
// measures them, so that dialog units turn into the pixels the real font needs.
#pragma once

#include "platform/wnd/Resources.h"

#include <wx/font.h>

class WxDialogFont {
public:
    // The template's face (through its Linux stand-in) at its point size; 8 points without one.
    static wxFont FontOf(const DialogResource& dialog);
    // Needs a display: the font is measured on the screen.
    static SIZE BaseUnits(const wxFont& font);
};
