#include "platform/wnd/DcMapping.h"

#include <cmath>
#include <cstdint>

LONG AfxRoundToLong(double value)
{
    if (std::isnan(value))
        return 0;
    double rounded = std::round(value);
    if (rounded >= 2147483647.0)
        return INT32_MAX;
    if (rounded <= -2147483648.0)
        return INT32_MIN;
    return static_cast<LONG>(rounded);
}

namespace {
// The logical units per inch of the fixed modes; 0 for the others.
int UnitsPerInch(int mode)
{
    switch (mode) {
    case MM_LOMETRIC:
        return 254;
    case MM_HIMETRIC:
        return 2540;
    case MM_LOENGLISH:
        return 100;
    case MM_HIENGLISH:
        return 1000;
    case MM_TWIPS:
        return 1440;
    default:
        return 0;
    }
}

bool IsScalable(int mode) { return mode == MM_ISOTROPIC || mode == MM_ANISOTROPIC; }

// (value - fromOrigin) × toExtent / fromExtent + toOrigin, multiplied before it is divided so
// that a half lands exactly on the half.
double Map(LONG value, LONG fromOrigin, LONG fromExtent, LONG toExtent, LONG toOrigin)
{
    return (static_cast<double>(value) - fromOrigin) * toExtent / fromExtent + toOrigin;
}
} // namespace

int DcMapping::SetMapMode(int mode)
{
    if (mode < MM_TEXT || mode > MM_ANISOTROPIC)
        return 0;
    int previous = m_mode;
    m_mode = mode;
    if (mode == MM_TEXT) {
        m_windowExt = m_viewportExt = SIZE{1, 1};
    } else if (int units = UnitsPerInch(mode)) {
        m_windowExt = SIZE{units, units};
        m_viewportExt = SIZE{m_dpiX, -m_dpiY};
    }
    return previous;
}

BOOL DcMapping::SetWindowExt(SIZE extent, SIZE* previous)
{
    if (previous)
        *previous = m_windowExt;
    if (!IsScalable(m_mode) || extent.cx == 0 || extent.cy == 0)
        return FALSE;
    m_windowExt = extent;
    return TRUE;
}

BOOL DcMapping::SetViewportExt(SIZE extent, SIZE* previous)
{
    if (previous)
        *previous = m_viewportExt;
    if (!IsScalable(m_mode) || extent.cx == 0 || extent.cy == 0)
        return FALSE;
    m_viewportExt = extent;
    return TRUE;
}

POINT DcMapping::SetWindowOrg(POINT origin)
{
    POINT previous = m_windowOrg;
    m_windowOrg = origin;
    return previous;
}

POINT DcMapping::SetViewportOrg(POINT origin)
{
    POINT previous = m_viewportOrg;
    m_viewportOrg = origin;
    return previous;
}

POINT DcMapping::ToDevice(POINT logical) const
{
    return POINT{AfxRoundToLong(Map(logical.x, m_windowOrg.x, m_windowExt.cx, m_viewportExt.cx, m_viewportOrg.x)),
                 AfxRoundToLong(Map(logical.y, m_windowOrg.y, m_windowExt.cy, m_viewportExt.cy, m_viewportOrg.y))};
}

POINT DcMapping::ToLogical(POINT device) const
{
    return POINT{AfxRoundToLong(Map(device.x, m_viewportOrg.x, m_viewportExt.cx, m_windowExt.cx, m_windowOrg.x)),
                 AfxRoundToLong(Map(device.y, m_viewportOrg.y, m_viewportExt.cy, m_windowExt.cy, m_windowOrg.y))};
}

int DcMapping::LengthToDevice(int logical) const { return AfxRoundToLong(std::fabs(logical * ScaleX())); }
