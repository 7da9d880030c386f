#include "tests/gdi/CairoPicture.h"

#include "tests/support/CommandOutput.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <sys/stat.h>

namespace cairotest {

DcDevice SmallPaper()
{
    DcDevice device;
    device.printer = TRUE;
    device.dpi = 150;
    device.paper = SIZE{400, 300};
    return device;
}

LOGFONT MinchoFont(LONG escapement)
{
    LOGFONT font{};
    font.lfHeight = -40;
    font.lfEscapement = font.lfOrientation = escapement;
    font.lfCharSet = DEFAULT_CHARSET;
    font.lfPitchAndFamily = FIXED_PITCH;
    std::strcpy(font.lfFaceName, "ＭＳ 明朝");
    return font;
}

Picture::Picture(const std::string& path) : m_surface(cairo_image_surface_create_from_png(path.c_str())) {}

Picture::~Picture() { cairo_surface_destroy(m_surface); }

bool Picture::IsLoaded() const { return cairo_surface_status(m_surface) == CAIRO_STATUS_SUCCESS; }

int Picture::Width() const { return cairo_image_surface_get_width(m_surface); }

int Picture::Height() const { return cairo_image_surface_get_height(m_surface); }

int Picture::Grey(int x, int y) const
{
    const unsigned char* data = cairo_image_surface_get_data(m_surface);
    uint32_t pixel = reinterpret_cast<const uint32_t*>(data + y * cairo_image_surface_get_stride(m_surface))[x];
    return (((pixel >> 16) & 255) + ((pixel >> 8) & 255) + (pixel & 255)) / 3;
}

RECT Picture::InkBox() const
{
    RECT box{Width(), Height(), -1, -1};
    for (int y = 0; y < Height(); ++y)
        for (int x = 0; x < Width(); ++x)
            if (IsDark(x, y))
                box = RECT{std::min<LONG>(box.left, x), std::min<LONG>(box.top, y), std::max<LONG>(box.right, x),
                           std::max<LONG>(box.bottom, y)};
    return box;
}

std::string DrawPicture(const std::string& name, const std::function<void(CDC&)>& draw, CCairoDC::Target target)
{
    mkdir(ZN_GDI_ARTEFACTS, 0755);
    std::string prefix = std::string(ZN_GDI_ARTEFACTS) + "/" + name;
    bool pdf = target == CCairoDC::Pdf;
    CCairoDC dc(SmallPaper(), target, pdf ? prefix + ".pdf" : prefix + "-");
    EXPECT_GT(dc.StartDoc(name.c_str()), 0);
    EXPECT_GT(dc.StartPage(), 0);
    draw(dc);
    EXPECT_GT(dc.EndPage(), 0);
    EXPECT_GT(dc.EndDoc(), 0);
    if (!pdf)
        return prefix + "-1.png";
    testsupport::CommandOutput("pdftoppm -png -r 150 -singlefile '" + prefix + ".pdf' '" + prefix + "-pdf'");
    return prefix + "-pdf.png";
}

} // namespace cairotest
