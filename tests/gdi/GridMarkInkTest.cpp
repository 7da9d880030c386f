// Grid marks are skipped only where they leave no ink: nodes stepped outwards across each edge of
// the clip box, in fractions of a logical unit and of a pixel, under several mappings, on printers
// and a screen, with the thinnest and the widest pen. Wherever the renderer draws no mark, the
// same mark drawn anyway leaves no ink inside the clip box of a cairo page, unless it lies beyond
// int, where it cannot be drawn at all.
#include "platform/gdi/CairoDrawing.h"
#include "platform/wnd/CRecordingDC.h"
#include "print/MPrintFilesetCell.h"
#include "print/VhDrawGrid.h"
#include "print/VhDrawImp.h"
#include "print/VhMath.h"

#include <gtest/gtest.h>

#include <cairo.h>

#include <cmath>
#include <cstdint>
#include <functional>
#include <string>

namespace {

// A device context that draws with cairo onto a white picture of the clip box it starts with.
class ClipBoxPicture : public CDC {
public:
    explicit ClipBoxPicture(const DcDevice& device)
    {
        SetDevice(device);
        const RECT& box = GetDeviceClipBox();
        m_surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, box.right - box.left, box.bottom - box.top);
        m_cr = cairo_create(m_surface);
        cairo_translate(m_cr, -box.left, -box.top);
        cairo_save(m_cr);
        cairo_set_source_rgb(m_cr, 1, 1, 1);
        cairo_paint(m_cr);
        cairo_restore(m_cr);
    }
    ~ClipBoxPicture() override
    {
        cairo_destroy(m_cr);
        cairo_surface_destroy(m_surface);
    }

    // Pixels that are not white, however faint.
    int InkedPixels()
    {
        cairo_surface_flush(m_surface);
        const unsigned char* data = cairo_image_surface_get_data(m_surface);
        const int stride = cairo_image_surface_get_stride(m_surface);
        int count = 0;
        for (int y = 0; y < cairo_image_surface_get_height(m_surface); ++y)
            for (int x = 0; x < cairo_image_surface_get_width(m_surface); ++x)
                count += (reinterpret_cast<const uint32_t*>(data + y * stride)[x] & 0xFFFFFF) != 0xFFFFFF;
        return count;
    }

protected:
    void Output(const DcOutput& output) override { CairoDrawing(m_cr, *this).Draw(output); }

private:
    cairo_surface_t* m_surface;
    cairo_t* m_cr;
};

DcDevice Device(BOOL printer, int dpi)
{
    DcDevice device;
    device.printer = printer;
    device.dpi = dpi;
    device.paper = SIZE{130, 110};
    device.offset = printer ? POINT{7, 9} : POINT{0, 0};
    return device;
}

struct Mapping {
    const char* name;
    std::function<void(CDC&)> setUp;
};

const Mapping mappings[] = {
    {"MM_TEXT", [](CDC&) {}},
    {"MM_LOMETRIC", [](CDC& dc) { dc.SetMapMode(MM_LOMETRIC); }},
    {"MM_HIMETRIC", [](CDC& dc) { dc.SetMapMode(MM_HIMETRIC); }},
    {"the cell page", [](CDC& dc) { MPrintFilesetCell::SetPageMapping(dc); }},
    {"anisotropic, flipped and enlarged",
     [](CDC& dc) {
         dc.SetMapMode(MM_ANISOTROPIC);
         dc.SetWindowExt(2, 1);
         dc.SetViewportExt(-17, 8);
         dc.SetViewportOrg(60, 10);
     }},
    {"int's end", [](CDC& dc) { dc.SetWindowOrg(INT32_MAX - 40, INT32_MIN + 20); }},
};

// A grid of one node near the clip box, at node, whose other nodes lie far beyond it. A grid's
// nodes are those of the clip box's extent along its axes, so that one beyond the box's right or
// bottom edge is a node of a grid turned half a turn.
VhDrawGrid OneNode(VhPoint node, bool turned, int style, int widthIndex)
{
    VhDrawGrid grid;
    grid.GetShape().SetPitch(VhPoint(1e10, 1e10));
    grid.GetShape().SetAngle(turned ? VhGetPi() : 0.0);
    grid.GetShape().SetStyle(style);
    grid.GetShape().SetOrigin(node);
    grid.SetLineWidth(widthIndex);
    return grid;
}

// Whether the node's rounded place, offset either way, lies within int.
bool WithinInt(VhPoint node, int offset)
{
    for (double value : {VhRound(node.x), VhRound(node.y)})
        if (value - offset < INT32_MIN || value + offset > INT32_MAX)
            return false;
    return true;
}

// Draws the grid under the mapping on a device context of the device: 1 when it drew a mark. A
// wide clip box (a margin of pixels about the device's) draws marks that the device's would skip.
int Draw(const VhDrawGrid& grid, CDC& dc, const Mapping& mapping, int margin = 0)
{
    mapping.setUp(dc);
    const RECT box = dc.GetDeviceClipBox();
    dc.SetClipBox(RECT{box.left - margin, box.top - margin, box.right + margin, box.bottom + margin});
    VhDrawImp imp(&dc);
    return grid.Draw(&imp, nullptr);
}

// Steps a node outwards across one edge of the clip box (0 to 3: left, right, top, bottom), from
// three pixels inside it, until six in a row draw no mark. Each that draws none is drawn anyway:
// within int it leaves no ink in the clip box, beyond int it is not drawn.
void SweepAcrossEdge(const Mapping& mapping, const DcDevice& device, int widthIndex, int style, int edge)
{
    CRecordingDC dc(device);
    mapping.setUp(dc);
    RECT clip;
    dc.GetClipBox(&clip);
    const bool alongX = edge < 2;
    const double outwards = edge % 2 ? 1 : -1;
    const double edgeAt = alongX ? (edge ? clip.right : clip.left) : (edge == 3 ? clip.bottom : clip.top);
    const double middle = alongX ? (clip.top / 2.0 + clip.bottom / 2.0) : (clip.left / 2.0 + clip.right / 2.0);
    const double scale = std::fabs(alongX ? dc.GetMapping().ScaleX() : dc.GetMapping().ScaleY());
    const double step = 0.25 / std::min(1.0, scale); // a quarter of a unit or of a pixel
    const int offset = device.printer ? 3 : (style == 0 ? 0 : 1);
    int drawn = 0, skippedInARow = 0;
    for (double along = edgeAt - outwards * 3 / scale; skippedInARow < 6 && drawn < 1000; along += outwards * step) {
        const VhPoint node = alongX ? VhPoint(along, middle) : VhPoint(middle, along);
        const VhDrawGrid grid = OneNode(node, outwards > 0, style, widthIndex);
        CRecordingDC recording(device);
        if (Draw(grid, recording, mapping)) {
            ++drawn;
            skippedInARow = 0;
            continue;
        }
        ++skippedInARow;
        ClipBoxPicture picture(device);
        EXPECT_EQ(WithinInt(node, offset), Draw(grid, picture, mapping, 500) == 1) << node.x << ", " << node.y;
        EXPECT_EQ(0, picture.InkedPixels()) << node.x << ", " << node.y;
    }
    EXPECT_GT(drawn, 0);
    EXPECT_EQ(6, skippedInARow);
}

} // namespace

TEST(GridMarkInk, AMarkIsSkippedOnlyWhereItLeavesNoInk)
{
    for (const Mapping& mapping : mappings)
        for (const DcDevice& device : {Device(TRUE, 600), Device(TRUE, 72), Device(FALSE, 96)})
            for (int widthIndex : {0, 4})
                for (int style = 0; style < 3; ++style)
                    for (int edge = 0; edge < 4; ++edge) {
                        SCOPED_TRACE(std::string(mapping.name) + (device.printer ? ", printer at " : ", screen at ") +
                                     std::to_string(device.dpi) + " dpi, width index " + std::to_string(widthIndex) +
                                     ", style " + std::to_string(style) + ", edge " + std::to_string(edge));
                        SweepAcrossEdge(mapping, device, widthIndex, style, edge);
                    }
}
