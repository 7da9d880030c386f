// A BMP file placed into a block of a CELL page: loaded as far as its headers describe it, then
// stretched into the block on the device, keeping its proportions and centred.
#pragma once

#include "platform/core/CObject.h"
#include "platform/core/CString.h"
#include "platform/wnd/DibImage.h"
#include "platform/wnd/WinUser.h"

#include <memory>
#include <vector>

class CDC;
class CPalette;
class VhTrans;

class MPrintBitmap : public CObject {
    DECLARE_DYNAMIC(MPrintBitmap)
public:
    MPrintBitmap();
    ~MPrintBitmap() override;

    // Stores the path; a path in double quotes loses its first and last characters.
    void SetPath(const CString& path);
    // Reads the file's headers, colour table and pixels, and nothing after them, and keeps them
    // undecoded: 1 when it is a BMP whose headers, colour table and pixels lie within it and are of
    // a kind that can be drawn (1, 4, 8, 16, 24 or 32 bits per pixel, uncompressed or with bit
    // fields); else 0, and the bitmap stays empty. A file larger than any page image (320 MB) is
    // refused unread, an image of more pixels than a whole A3 page at 600 dpi (7,016 x 9,921) by
    // its header.
    int Load();
    // Stretches the image into its rectangle under the transform; the stretch's result. The pixels
    // are decoded for the stretch alone.
    int Draw(const VhTrans* transform);
    // The device rectangle the image is drawn into: the rectangle under the transform (without
    // one, the image's own size at left, top), narrowed in one direction to the image's proportions
    // and centred in the other.
    RECT Destination(const VhTrans* transform) const;

    void SetRect(double left, double top, double right, double bottom);
    void SetDC(CDC* pDC) { m_pDC = pDC; }
    void SetPrintToDevice(int flag) { m_printToDevice = flag; }
    const CString& GetPath() const { return m_path; }
    // The image's size in pixels, and the colours of its palette (none above 256 colours).
    int GetWidth() const { return m_description.width; }
    int GetHeight() const { return m_description.height; }
    const std::vector<uint32_t>& GetPalette() const { return m_description.colors; }
    // The file's bytes after the file header up to the end of the pixels: the DIB as the device
    // takes it.
    const std::vector<unsigned char>& GetDib() const { return m_dib; }
    // The palette of an image of up to 256 colours; empty for others.
    const CPalette& GetPaletteObject() const { return *m_palette; }

private:
    void MakePalette();
    // Draws the loaded image into the destination on the device context.
    int Stretch(const RECT& destination);

    int m_printToDevice = 0;
    CString m_path;
    std::unique_ptr<CPalette> m_palette;
    CDC* m_pDC = nullptr;
    std::vector<unsigned char> m_dib;
    DibDescription m_description;
    double m_left = 0, m_top = 0, m_right = 0, m_bottom = 0;
};
