#include "platform/gdi/CairoDrawing.h"

#include "platform/core/Cp932.h"
#include "platform/core/WinFontFace.h"
#include "platform/wnd/GdiObjects.h"

#include <pango/pangocairo.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace {

// Dash lengths in 1/96 inch for a pen one device unit wide, so that a dashed line measures the same
// on paper as on a screen.
const double dash[] = {12, 4};
const double dot[] = {2, 2};
const double dashDot[] = {12, 4, 2, 4};
const double dashDotDot[] = {12, 4, 2, 4, 2, 4};

void SetColour(cairo_t* cr, COLORREF color)
{
    cairo_set_source_rgb(cr, GetRValue(color) / 255.0, GetGValue(color) / 255.0, GetBValue(color) / 255.0);
}

// The family a font is drawn in: the stand-in for its Windows face, the fixed-width twin of a
// proportional IPA face when the font asks for a fixed pitch.
std::string FamilyOf(const LOGFONT& font)
{
    std::string family = cp932::ToUtf8(std::string(AfxLinuxFontFamily(CString(font.lfFaceName))));
    if ((font.lfPitchAndFamily & 3) == FIXED_PITCH && family.rfind("IPAP", 0) == 0)
        family.erase(3, 1);
    return family;
}

struct FontDescriptionDeleter {
    void operator()(PangoFontDescription* description) const { pango_font_description_free(description); }
};
typedef std::unique_ptr<PangoFontDescription, FontDescriptionDeleter> FontDescription;

FontDescription DescriptionOf(const LOGFONT& font, double em)
{
    FontDescription description(pango_font_description_new());
    pango_font_description_set_family(description.get(), FamilyOf(font).c_str());
    pango_font_description_set_absolute_size(description.get(), em * PANGO_SCALE);
    // The IPA fonts have neither: fontconfig emboldens and slants the regular face.
    pango_font_description_set_weight(description.get(),
                                      font.lfWeight >= FW_SEMIBOLD ? PANGO_WEIGHT_BOLD : PANGO_WEIGHT_NORMAL);
    pango_font_description_set_style(description.get(), font.lfItalic ? PANGO_STYLE_OBLIQUE : PANGO_STYLE_NORMAL);
    return description;
}

// The UTF-8 that a CP932 character is shaped as. A byte that is no character (a NUL, a byte
// outside the code, a lead byte that starts no pair) is a blank: pango refuses a NUL, and the
// replacement character would show a glyph that the text does not hold.
std::string ShapedCharacter(const char* bytes, size_t size)
{
    std::string utf8 = cp932::ToUtf8(std::string(bytes, size));
    return utf8 == std::string(1, '\0') || utf8 == u8"\uFFFD" ? std::string(" ") : utf8;
}

// The cell's parts in device units: the em, the ascent, and the advance of one byte.
struct Cell {
    double em;
    double ascent;
    double advance;
};

// The source pixel that nearest-pixel sampling takes for pixel d of count spread over size source
// pixels, both counted in the image's own order: the one under d's centre, or where that centre
// falls exactly between two source pixels the earlier of them in that order:
// ceil((d + 0.5) * size / count) - 1. On a whole ratio that is the pixel cairo's nearest filter
// takes (a shrink by 2 takes pixels 0, 2, 4 …, by 3 pixels 1, 4, 7 …); on other ratios cairo's
// fixed-point sampling may take the later pixel of a tie (8 onto 6 does, and 8 onto 3 flipped),
// where this always takes the earlier.
int Nearest(int d, int size, int count)
{
    return static_cast<int>(((2 * int64_t(d) + 1) * size - 1) / (2 * int64_t(count)));
}

} // namespace

const double* CairoDrawing::DashesOf(int penStyle, int& count)
{
    switch (penStyle) {
    case PS_DASH:
        count = 2;
        return dash;
    case PS_DOT:
        count = 2;
        return dot;
    case PS_DASHDOT:
        count = 4;
        return dashDot;
    case PS_DASHDOTDOT:
        count = 6;
        return dashDotDot;
    default:
        count = 0;
        return nullptr;
    }
}

double CairoDrawing::AscentShare(const LOGFONT& font)
{
    static std::map<std::string, double> shares;
    std::string family = FamilyOf(font);
    auto known = shares.find(family);
    if (known != shares.end())
        return known->second;
    PangoFontMap* fontMap = pango_cairo_font_map_get_default();
    PangoContext* context = pango_font_map_create_context(fontMap);
    FontDescription description = DescriptionOf(LOGFONT(font), 1000);
    PangoFontMetrics* metrics = pango_context_get_metrics(context, description.get(), nullptr);
    double ascent = pango_font_metrics_get_ascent(metrics), descent = pango_font_metrics_get_descent(metrics);
    pango_font_metrics_unref(metrics);
    g_object_unref(context);
    double share = ascent + descent > 0 ? ascent / (ascent + descent) : 0.88;
    return shares[family] = share;
}

void CairoDrawing::SetRop()
{
    cairo_set_operator(m_cr, m_dc.GetROP2() == R2_MASKPEN ? CAIRO_OPERATOR_MULTIPLY : CAIRO_OPERATOR_OVER);
}

void CairoDrawing::Stroke()
{
    HPEN pen = m_dc.GetPenHandle();
    if (pen->style == PS_NULL) {
        cairo_new_path(m_cr);
        return;
    }
    // As CreatePen decides, by the logical width: 0 or 1 keeps the style, a wider pen draws solid.
    // The dashes grow with the pen's device width, so that its round ends never close the gaps.
    int width = m_dc.GetPenDeviceWidth();
    int count = 0;
    const double* dashes = pen->width <= 1 ? DashesOf(pen->style, count) : nullptr;
    double scaled[6];
    for (int i = 0; i < count; ++i)
        scaled[i] = dashes[i] * m_dc.GetDevice().dpi / 96.0 * width;
    cairo_set_dash(m_cr, scaled, count, 0);
    cairo_set_line_width(m_cr, width);
    cairo_set_line_cap(m_cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(m_cr, CAIRO_LINE_JOIN_ROUND);
    SetColour(m_cr, pen->color);
    SetRop();
    cairo_stroke(m_cr);
}

void CairoDrawing::SetBrushSource()
{
    HBRUSH brush = m_dc.GetBrushHandle();
    if (brush->style == BS_SOLID) {
        SetColour(m_cr, brush->color);
        return;
    }
    cairo_surface_t* tile = cairo_image_surface_create(CAIRO_FORMAT_RGB24, 8, 8);
    cairo_surface_flush(tile);
    unsigned char* data = cairo_image_surface_get_data(tile);
    int stride = cairo_image_surface_get_stride(tile);
    COLORREF text = m_dc.GetTextColor(), background = m_dc.GetBkColor();
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x) {
            COLORREF color = (brush->rows[y] & (0x80 >> x)) ? background : text;
            reinterpret_cast<uint32_t*>(data + y * stride)[x] =
                (GetRValue(color) << 16) | (GetGValue(color) << 8) | GetBValue(color);
        }
    cairo_surface_mark_dirty(tile);
    cairo_pattern_t* pattern = cairo_pattern_create_for_surface(tile);
    cairo_pattern_set_extend(pattern, CAIRO_EXTEND_REPEAT);
    cairo_pattern_set_filter(pattern, CAIRO_FILTER_NEAREST);
    cairo_set_source(m_cr, pattern);
    cairo_pattern_destroy(pattern);
    cairo_surface_destroy(tile);
}

void CairoDrawing::FillAndStroke()
{
    if (m_dc.GetBrushHandle()->style != BS_NULL) {
        cairo_set_fill_rule(m_cr, CAIRO_FILL_RULE_EVEN_ODD);
        SetBrushSource();
        SetRop();
        cairo_fill_preserve(m_cr);
    }
    Stroke();
}

// Through the pixels' centres, as GDI draws: a point is the middle of its device pixel.
void CairoDrawing::PathOf(const std::vector<POINT>& points, bool closed)
{
    cairo_new_path(m_cr);
    for (const POINT& point : points)
        cairo_line_to(m_cr, point.x + 0.5, point.y + 0.5);
    if (closed)
        cairo_close_path(m_cr);
}

void CairoDrawing::EllipsePath(const std::vector<POINT>& corners)
{
    double left = std::min(corners[0].x, corners[1].x), right = std::max(corners[0].x, corners[1].x);
    double top = std::min(corners[0].y, corners[1].y), bottom = std::max(corners[0].y, corners[1].y);
    cairo_new_path(m_cr);
    if (right <= left || bottom <= top)
        return;
    cairo_save(m_cr);
    cairo_translate(m_cr, (left + right) / 2 + 0.5, (top + bottom) / 2 + 0.5);
    cairo_scale(m_cr, (right - left) / 2, (bottom - top) / 2);
    cairo_arc(m_cr, 0, 0, 1, 0, 2 * M_PI);
    cairo_restore(m_cr);
}

void CairoDrawing::DrawImage(const DcOutput& output)
{
    // The destination's corners in device units, in any order: the image is flipped to fit them.
    const POINT& a = output.device[0];
    const POINT& b = output.device[1];
    int sourceWidth = output.source.right - output.source.left, sourceHeight = output.source.bottom - output.source.top;
    // A shrunk image is sampled down to the destination's device pixels before cairo takes it: a
    // PDF page keeps every image painted on it until the page ends, so it keeps no more pixels
    // than it shows. cairo enlarges what is enlarged.
    int width = int(std::min<int64_t>(std::llabs(int64_t(b.x) - a.x), sourceWidth));
    int height = int(std::min<int64_t>(std::llabs(int64_t(b.y) - a.y), sourceHeight));
    if (width == 0 || height == 0)
        return;
    cairo_surface_t* image = cairo_image_surface_create(CAIRO_FORMAT_RGB24, width, height);
    if (cairo_surface_status(image) != CAIRO_STATUS_SUCCESS) {
        cairo_surface_destroy(image);
        return;
    }
    cairo_surface_flush(image);
    unsigned char* data = cairo_image_surface_get_data(image);
    int stride = cairo_image_surface_get_stride(image);
    std::vector<int> columns(width);
    for (int x = 0; x < width; ++x)
        columns[x] = Nearest(x, sourceWidth, width);
    for (int y = 0; y < height; ++y) {
        const uint32_t* from = output.SourceRow(Nearest(y, sourceHeight, height));
        auto* to = reinterpret_cast<uint32_t*>(data + static_cast<size_t>(y) * stride);
        for (int x = 0; x < width; ++x)
            to[x] = from[columns[x]];
    }
    cairo_surface_mark_dirty(image);
    cairo_save(m_cr);
    cairo_set_operator(m_cr, CAIRO_OPERATOR_SOURCE);
    cairo_translate(m_cr, a.x, a.y);
    cairo_scale(m_cr, (double(b.x) - a.x) / width, (double(b.y) - a.y) / height);
    cairo_set_source_surface(m_cr, image, 0, 0);
    // StretchBlt's default stretch mode copies whole pixels: no smoothing between them.
    cairo_pattern_set_filter(cairo_get_source(m_cr), CAIRO_FILTER_NEAREST);
    cairo_rectangle(m_cr, 0, 0, width, height);
    cairo_fill(m_cr);
    cairo_restore(m_cr);
    cairo_surface_destroy(image);
}

void CairoDrawing::Draw(const DcOutput& output)
{
    switch (output.call) {
    case DcOutput::MoveTo:
        return;
    case DcOutput::LineTo:
    case DcOutput::Polyline:
        PathOf(output.device, false);
        return Stroke();
    case DcOutput::Polygon:
        PathOf(output.device, true);
        return FillAndStroke();
    case DcOutput::Ellipse:
        EllipsePath(output.device);
        return FillAndStroke();
    case DcOutput::TextOut:
        return DrawText(output.device[0], output.text);
    case DcOutput::SetPixelV:
        cairo_set_operator(m_cr, CAIRO_OPERATOR_OVER);
        SetColour(m_cr, output.color);
        cairo_rectangle(m_cr, output.device[0].x, output.device[0].y, 1, 1);
        cairo_fill(m_cr);
        return;
    case DcOutput::StretchBlt:
        return DrawImage(output);
    }
}

void CairoDrawing::ShowGlyphs(const LOGFONT& font, double em, const CString& text, double advance)
{
    // The text as UTF-8, and the advance of the character that starts at each of its offsets.
    std::string utf8;
    std::map<int, double> advances;
    const char* bytes = text;
    const size_t length = text.GetLength();
    for (size_t i = 0; i < length;) {
        size_t size = cp932::CharLength(bytes, i, length);
        advances[static_cast<int>(utf8.size())] = size * advance;
        utf8 += ShapedCharacter(bytes + i, size);
        i += size;
    }
    PangoContext* context = pango_cairo_create_context(m_cr);
    FontDescription description = DescriptionOf(font, em);
    pango_context_set_font_description(context, description.get());
    GList* items = pango_itemize(context, utf8.c_str(), 0, static_cast<int>(utf8.size()), nullptr, nullptr);
    double x = 0;
    for (GList* entry = items; entry; entry = entry->next) {
        PangoItem* item = static_cast<PangoItem*>(entry->data);
        PangoGlyphString* glyphs = pango_glyph_string_new();
        pango_shape(utf8.c_str() + item->offset, item->length, &item->analysis, glyphs);
        double width = 0;
        for (int g = 0; g < glyphs->num_glyphs; ++g) {
            int cluster = glyphs->log_clusters[g];
            bool starts = g == 0 || cluster != glyphs->log_clusters[g - 1];
            auto found = advances.find(item->offset + cluster);
            double glyphAdvance = starts && found != advances.end() ? found->second : 0.0;
            glyphs->glyphs[g].geometry.width = static_cast<int>(std::lround(glyphAdvance * PANGO_SCALE));
            width += glyphAdvance;
        }
        PangoGlyphItem glyphItem{};
        glyphItem.item = item;
        glyphItem.glyphs = glyphs;
        cairo_move_to(m_cr, x, 0);
        pango_cairo_show_glyph_item(m_cr, utf8.c_str(), &glyphItem);
        x += width;
        pango_glyph_string_free(glyphs);
        pango_item_free(item);
    }
    g_list_free(items);
    g_object_unref(context);
}

bool CairoDrawing::GlyphsFit(double em) const
{
    double acrossX = em, acrossY = 0, upX = 0, upY = em;
    cairo_user_to_device_distance(m_cr, &acrossX, &acrossY);
    cairo_user_to_device_distance(m_cr, &upX, &upY);
    const double largest = 16384;
    return std::hypot(acrossX, acrossY) <= largest && std::hypot(upX, upY) <= largest;
}

void CairoDrawing::DrawText(POINT at, const CString& text)
{
    TEXTMETRIC metrics;
    m_dc.GetTextMetrics(&metrics);
    const LOGFONT& font = m_dc.GetFontHandle()->font;
    const DcMapping& mapping = m_dc.GetMapping();
    const Cell cell{metrics.tmHeight * std::fabs(mapping.ScaleY()), metrics.tmAscent * std::fabs(mapping.ScaleY()),
                    metrics.tmAveCharWidth * std::fabs(mapping.ScaleX())};
    const double width = text.GetLength() * cell.advance;
    // The top of the cell from the reference point, along the text's up direction.
    UINT vertical = m_dc.GetTextAlign() & TA_BASELINE;
    double top = vertical == TA_BASELINE ? -cell.ascent : vertical == TA_BOTTOM ? -cell.em : 0.0;

    cairo_save(m_cr);
    cairo_set_operator(m_cr, CAIRO_OPERATOR_OVER);
    cairo_translate(m_cr, at.x, at.y);
    cairo_rotate(m_cr, -font.lfEscapement / 10.0 * M_PI / 180.0);
    if (m_dc.GetBkMode() == OPAQUE) {
        SetColour(m_cr, m_dc.GetBkColor());
        cairo_rectangle(m_cr, 0, top, width, cell.em);
        cairo_fill(m_cr);
    }
    SetColour(m_cr, m_dc.GetTextColor());
    const double baseline = top + cell.ascent;
    // Each character at GDI's advance, stretched to it from the IPA fonts' half-em per byte.
    const double stretch = cell.em > 0 ? cell.advance / (cell.em / 2) : 1.0;
    cairo_save(m_cr);
    cairo_translate(m_cr, 0, baseline);
    cairo_scale(m_cr, stretch, 1.0);
    if (GlyphsFit(cell.em))
        ShowGlyphs(font, cell.em, text, cell.advance / stretch);
    cairo_restore(m_cr);
    const double thickness = std::max(1.0, cell.em / 20);
    cairo_set_line_width(m_cr, thickness);
    if (font.lfUnderline) {
        cairo_move_to(m_cr, 0, baseline + (cell.em - cell.ascent) / 2);
        cairo_rel_line_to(m_cr, width, 0);
    }
    if (font.lfStrikeOut) {
        cairo_move_to(m_cr, 0, baseline - cell.ascent * 0.35);
        cairo_rel_line_to(m_cr, width, 0);
    }
    cairo_stroke(m_cr);
    cairo_restore(m_cr);
}
