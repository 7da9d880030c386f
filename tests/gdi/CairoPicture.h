// Pages drawn by the cairo device context into pictures kept among the test artefacts, and read
// back pixel by pixel.
#pragma once

#include "platform/gdi/CCairoDC.h"
#include "platform/wnd/CFont.h"

#include <cairo.h>

#include <functional>
#include <string>

namespace cairotest {

// A 150-dpi printer with a paper of 400 × 300 pixels.
DcDevice SmallPaper();

// The font of the print library's texts at 150 dpi: a 40-pixel em.
LOGFONT MinchoFont(LONG escapement);

// A picture read back: whether a pixel is dark, and the box of the dark pixels in an area.
class Picture {
public:
    explicit Picture(const std::string& path);
    ~Picture();
    Picture(const Picture&) = delete;
    Picture& operator=(const Picture&) = delete;
    bool IsLoaded() const;
    int Width() const;
    int Height() const;
    // 0 to 255, the mean of the pixel's three colours.
    int Grey(int x, int y) const;
    bool IsDark(int x, int y) const { return Grey(x, y) < 128; }
    // left, top, right, bottom of the dark pixels (inclusive); left > right when there is none.
    RECT InkBox() const;

private:
    cairo_surface_t* m_surface;
};

// Draws one page of the small paper into a picture kept among the test artefacts, and gives its
// path. Through a PDF, the page is drawn into a PDF that poppler turns into the picture at the
// device's resolution.
std::string DrawPicture(const std::string& name, const std::function<void(CDC&)>& draw,
                        CCairoDC::Target target = CCairoDC::Png);

} // namespace cairotest
