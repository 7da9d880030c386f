#include "print/MPrintBitmap.h"

#include "platform/files/CFile.h"
#include "platform/wnd/CBitmap.h"
#include "platform/wnd/CDC.h"
#include "platform/wnd/CPalette.h"
#include "platform/wnd/GdiObjects.h"
#include "print/VhMath.h"
#include "print/VhTrans.h"

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <cmath>

IMPLEMENT_DYNAMIC(MPrintBitmap, CObject)

namespace {

const size_t FileHeaderSize = 14;
const size_t InfoHeaderSize = 40;
// The most pixels an image may have: a whole page of the largest paper (A3) at 600 dpi, which no
// image placed in a block of a page needs to pass.
const uint64_t MostPixels = 7016ull * 9921;
// The longest file taken: above such a page at 32 bits per pixel (278 MB).
const ULONGLONG MostFileBytes = 320ull << 20;

enum Shape { Square, Tall, Wide };
enum Fit { FitHeight, FitWidth, Compare };

// How an image fits its box, by the box's shape (rows) and the image's (columns).
const Fit Fits[3][3] = {
    {FitHeight, FitHeight, FitWidth},
    {FitWidth, Compare, FitWidth},
    {FitHeight, FitHeight, Compare},
};

Shape ShapeOf(double width, double height) { return width == height ? Square : height > width ? Tall : Wide; }

// Reads the DIB that the file's headers describe, and no more: its header, colour table and bits,
// with where its bits start (0: right after the colour table). False for a file that is no BMP,
// is larger than any page image can be, has more pixels than a page or is shorter than its headers
// say.
bool ReadDib(CFile& file, std::vector<unsigned char>& dib, size_t& bitsOffset)
{
    ULONGLONG length = file.GetLength();
    unsigned char header[FileHeaderSize];
    if (length < FileHeaderSize + InfoHeaderSize || length > MostFileBytes ||
        file.Read(header, FileHeaderSize) != FileHeaderSize || header[0] != 'B' || header[1] != 'M')
        return false;
    uint32_t offBits = header[10] | header[11] << 8 | header[12] << 16 | uint32_t(header[13]) << 24;
    // A pixel offset of 0 (some writers leave it unset) means right after the colour table.
    bitsOffset = offBits >= FileHeaderSize ? offBits - FileHeaderSize : 0;
    if (offBits != 0 && bitsOffset == 0)
        return false;
    dib.resize(InfoHeaderSize);
    size_t extent = 0;
    uint64_t pixels = 0;
    if (file.Read(dib.data(), InfoHeaderSize) != InfoHeaderSize ||
        !MeasureDib(dib.data(), dib.size(), bitsOffset, extent, pixels) || pixels > MostPixels ||
        extent > length - FileHeaderSize)
        return false;
    dib.resize(extent);
    UINT rest = static_cast<UINT>(extent - InfoHeaderSize);
    return file.Read(dib.data() + InfoHeaderSize, rest) == rest;
}

LONG Clamp(long long value) { return static_cast<LONG>(std::max<long long>(INT_MIN, std::min<long long>(INT_MAX, value))); }

} // namespace

MPrintBitmap::MPrintBitmap() : m_palette(std::make_unique<CPalette>()) {}

MPrintBitmap::~MPrintBitmap() = default;

void MPrintBitmap::SetPath(const CString& path)
{
    m_path = path;
    if (!m_path.IsEmpty() && m_path[0] == '"')
        m_path = m_path.GetLength() >= 2 ? m_path.Mid(1, m_path.GetLength() - 2) : CString();
}

void MPrintBitmap::SetRect(double left, double top, double right, double bottom)
{
    m_left = left;
    m_top = top;
    m_right = right;
    m_bottom = bottom;
}

int MPrintBitmap::Load()
{
    m_dib.clear();
    m_description = DibDescription();
    m_palette = std::make_unique<CPalette>();
    CFile file;
    if (!file.Open(m_path, CFile::modeRead | CFile::typeBinary | CFile::shareDenyNone))
        return 0;
    try {
        std::vector<unsigned char> dib;
        size_t bitsOffset = 0;
        DibDescription description;
        if (!ReadDib(file, dib, bitsOffset) || !DescribeDib(dib.data(), dib.size(), bitsOffset, description))
            return 0;
        m_dib = std::move(dib);
        m_description = std::move(description);
        MakePalette();
        return 1;
    } catch (CFileException* e) {
        e->Delete();
        return 0;
    }
}

RECT MPrintBitmap::Destination(const VhTrans* transform) const
{
    long long x, y, boxWidth, boxHeight;
    double width = m_description.width, height = m_description.height;
    if (transform) {
        VhPoint p1 = VhPoint(m_left, m_top) * *transform;
        VhPoint p2 = VhPoint(m_right, m_bottom) * *transform;
        int x1 = VhTruncToLong(p1.x), y1 = VhTruncToLong(p1.y), x2 = VhTruncToLong(p2.x), y2 = VhTruncToLong(p2.y);
        x = std::min(x1, x2);
        y = std::min(y1, y2);
        boxWidth = std::llabs(static_cast<long long>(x2) - x1);
        boxHeight = std::llabs(static_cast<long long>(y2) - y1);
    } else {
        x = VhTruncToLong(m_left);
        y = VhTruncToLong(m_top);
        boxWidth = m_description.width;
        boxHeight = m_description.height;
    }
    Shape box = ShapeOf(double(boxWidth), double(boxHeight)), image = ShapeOf(width, height);
    Fit fit = Fits[box][image];
    bool fitHeight =
        fit == FitHeight || (fit == Compare && height / double(boxHeight) - width / double(boxWidth) > 0.00005);
    long long w, h;
    if (fitHeight) {
        h = boxHeight;
        w = VhTruncToLong(double(boxHeight) * width / height);
        x += boxWidth / 2 - w / 2;
    } else {
        w = boxWidth;
        h = VhTruncToLong(double(boxWidth) * height / width);
        y += boxHeight / 2 - h / 2;
    }
    return RECT{Clamp(x), Clamp(y), Clamp(x + w), Clamp(y + h)};
}

void MPrintBitmap::MakePalette()
{
    m_palette = std::make_unique<CPalette>();
    const std::vector<uint32_t>& colors = m_description.colors;
    if (colors.empty() || colors.size() > 256)
        return;
    std::vector<unsigned char> block(sizeof(LOGPALETTE) + colors.size() * sizeof(PALETTEENTRY));
    auto* palette = reinterpret_cast<LOGPALETTE*>(block.data());
    palette->palVersion = 0x300;
    palette->palNumEntries = static_cast<WORD>(colors.size());
    for (size_t i = 0; i < colors.size(); ++i)
        palette->palPalEntry[i] = PALETTEENTRY{BYTE(colors[i] >> 16), BYTE(colors[i] >> 8), BYTE(colors[i]), 0};
    m_palette->CreatePalette(palette);
}

int MPrintBitmap::Draw(const VhTrans* transform)
{
    if (!m_pDC || m_dib.empty())
        return 0;
    // A destination wider or taller than a device's coordinates reach (its corners held at the
    // ends of int) cannot be drawn.
    RECT destination = Destination(transform);
    if (static_cast<long long>(destination.right) - destination.left > INT_MAX ||
        static_cast<long long>(destination.bottom) - destination.top > INT_MAX)
        return 0;
    return Stretch(destination);
}

int MPrintBitmap::Stretch(const RECT& destination)
{
    CPalette* previousPalette = nullptr;
    bool palette = (m_pDC->GetDeviceCaps(RASTERCAPS) & RC_PALETTE) && m_palette->GetSafeHandle();
    if (palette) {
        previousPalette = m_pDC->SelectPalette(m_palette.get(), FALSE);
        m_pDC->RealizePalette();
    }
    const auto* info = reinterpret_cast<const BITMAPINFO*>(m_dib.data());
    BITMAPINFOHEADER header;
    ReadDibHeader(m_dib.data(), m_dib.size(), header);
    CBitmap bitmap;
    bitmap.Attach(
        ::CreateDIBitmap(nullptr, &header, CBM_INIT, m_dib.data() + m_description.bitsOffset, info, DIB_RGB_COLORS));
    CDC memory;
    memory.CreateCompatibleDC(m_pDC);
    CBitmap* previous = memory.SelectObject(&bitmap);
    BITMAP size{};
    bitmap.GetBitmap(&size);
    BOOL result = m_pDC->StretchBlt(destination.left, destination.top, destination.right - destination.left,
                                    destination.bottom - destination.top, &memory, 0, 0, size.bmWidth, size.bmHeight,
                                    SRCCOPY);
    memory.SelectObject(previous);
    if (palette)
        m_pDC->SelectPalette(previousPalette, FALSE);
    return result ? 1 : 0;
}
