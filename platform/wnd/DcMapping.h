// The mapping of a device context from logical to device coordinates: the mapping mode, the
// window's and the viewport's origins and extents. Device = (logical - window origin) ×
// viewport extent / window extent + viewport origin, rounded to the nearest unit, halves away
// from zero.
#pragma once

#include "platform/wnd/WinGdi.h"

class DcMapping {
public:
    // MM_TEXT on a device of that many pixels per inch in x and y.
    DcMapping(int dpiX, int dpiY) : m_dpiX(dpiX), m_dpiY(dpiY) {}

    int GetMapMode() const { return m_mode; }
    // Sets the extents of the metric and English modes from the resolution (y up); MM_TEXT makes
    // both extents 1; MM_ISOTROPIC and MM_ANISOTROPIC keep the extents in force. Returns the
    // previous mode, or 0 for an unknown one (nothing changes).
    int SetMapMode(int mode);
    // Extents change only in MM_ISOTROPIC and MM_ANISOTROPIC, and never to 0 (both give FALSE).
    BOOL SetWindowExt(SIZE extent, SIZE* previous);
    BOOL SetViewportExt(SIZE extent, SIZE* previous);
    POINT SetWindowOrg(POINT origin);
    POINT SetViewportOrg(POINT origin);
    SIZE GetWindowExt() const { return m_windowExt; }
    SIZE GetViewportExt() const { return m_viewportExt; }
    POINT GetWindowOrg() const { return m_windowOrg; }
    POINT GetViewportOrg() const { return m_viewportOrg; }

    POINT ToDevice(POINT logical) const;
    POINT ToLogical(POINT device) const;
    // Device units per logical unit along x and along y (negative where the axes turn).
    double ScaleX() const { return static_cast<double>(m_viewportExt.cx) / m_windowExt.cx; }
    double ScaleY() const { return static_cast<double>(m_viewportExt.cy) / m_windowExt.cy; }
    // A length in logical units as device units along x, at least 0; a value beyond the 32-bit
    // range is held at its limit.
    int LengthToDevice(int logical) const;

private:
    int m_dpiX;
    int m_dpiY;
    int m_mode = MM_TEXT;
    POINT m_windowOrg{0, 0};
    POINT m_viewportOrg{0, 0};
    SIZE m_windowExt{1, 1};
    SIZE m_viewportExt{1, 1};
};

// A double rounded to the nearest integer, halves away from zero, held at the 32-bit limits;
// NaN gives 0.
LONG AfxRoundToLong(double value);
