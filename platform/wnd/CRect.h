// MFC's rectangle: a RECT with its sizes and the conversions the window calls take.
#pragma once

#include "platform/wnd/CPoint.h"
#include "platform/wnd/WinUser.h"

class CRect : public RECT {
public:
    CRect() : RECT{0, 0, 0, 0} {}
    CRect(int l, int t, int r, int b) : RECT{l, t, r, b} {}
    CRect(const RECT& rect) : RECT(rect) {}
    CRect(POINT topLeft, SIZE size) : RECT{topLeft.x, topLeft.y, topLeft.x + size.cx, topLeft.y + size.cy} {}

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    CPoint TopLeft() const { return CPoint(left, top); }
    CPoint BottomRight() const { return CPoint(right, bottom); }
    BOOL IsRectEmpty() const { return right <= left || bottom <= top; }
    void SetRect(int l, int t, int r, int b) { *this = CRect(l, t, r, b); }
    void OffsetRect(int dx, int dy)
    {
        left += dx;
        right += dx;
        top += dy;
        bottom += dy;
    }
    operator LPRECT() { return this; }
    operator LPCRECT() const { return this; }
    bool operator==(const RECT& other) const
    {
        return left == other.left && top == other.top && right == other.right && bottom == other.bottom;
    }
    bool operator!=(const RECT& other) const { return !(*this == other); }
};
