// A drawable text, drawn by the renderer's DrawString, with the font style and face that the
// builder of the drawable sets directly.
#pragma once

#include "print/VhDrawFigure.h"
#include "print/VhFigureString.h"

class VhDrawString : public VhDrawFigure<VhFigureString> {
    DECLARE_SERIAL(VhDrawString)
public:
    enum { Underline = 0x001, StrikeOut = 0x008, Italic = 0x100, Bold = 0x200 };

    VhDrawString() = default;

    VhDrawString* Clone() const override { return new VhDrawString(*this); }
    int Draw(VhDrawImp* imp, const VhTrans* trans) const override;

    // As a drawable, with the same font style and face.
    BOOL IsEqual(const VhObject* other) const override;
    // The drawable part, the text figure, and a record of 5 ints: font style, font face.
    void Serialize(CArchive& ar) override;

    int m_fontStyle = 0; // Underline, StrikeOut, Italic, Bold
    int m_fontFace = 0;  // index into the renderer's face table
};
