// Draws one device context call with cairo and pango, in the state that the device context
// holds, onto a cairo context whose user space is the device's units. GDI's rules: a pen of
// width 0 is one unit, styled pens are dashed only while at most one logical unit wide, round ends
// and joins; pattern brushes paint 0 bits in the text colour and 1 bits in the background colour,
// one pattern pixel per unit, tiled from the device origin; polygons fill by the alternate rule;
// R2_MASKPEN multiplies (black marks, white leaves the page), every other operation copies.
#pragma once

#include "platform/wnd/CDC.h"

#include <cairo.h>

class CairoDrawing {
public:
    CairoDrawing(cairo_t* cr, const CDC& dc) : m_cr(cr), m_dc(dc) {}

    void Draw(const DcOutput& output);

    // The dash pattern of a pen style in 1/96 inch for a pen one device unit wide, on and off in
    // turn; none for a solid pen.
    static const double* DashesOf(int penStyle, int& count);
    // The ascent's share of the em in the face that a font maps to.
    static double AscentShare(const LOGFONT& font);

private:
    void Stroke();
    void FillAndStroke();
    void SetBrushSource();
    void SetRop();
    void PathOf(const std::vector<POINT>& points, bool closed);
    void EllipsePath(const std::vector<POINT>& corners);
    void DrawText(POINT at, const CString& text);
    // Whether glyphs of that em in the current user space are at most 16384 units of the surface
    // each way (false for NaN). The font engine's sizes are 16-bit, and asking it for one past
    // them spoils the font for the texts that follow, so larger glyphs are left out.
    bool GlyphsFit(double em) const;
    // Shapes the text in the font at an em of that size and shows it from the current origin on
    // its base line, each character advancing advance units per byte; a byte that is no character
    // (a NUL among them) is a blank of its advance.
    void ShowGlyphs(const LOGFONT& font, double em, const CString& text, double advance);
    // A StretchBlt: the source pixels scaled onto the destination rectangle, copied, each source
    // pixel a block of its colour.
    void DrawImage(const DcOutput& output);

    cairo_t* m_cr;
    const CDC& m_dc;
};
