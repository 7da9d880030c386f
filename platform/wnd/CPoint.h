// MFC's point: a POINT with constructors.
#pragma once

#include "platform/wnd/WinUser.h"

class CPoint : public POINT {
public:
    CPoint() : POINT{0, 0} {}
    CPoint(int x, int y) : POINT{x, y} {}
    CPoint(POINT point) : POINT(point) {}
    // From a message's lParam: x in the low word, y in the high word, both signed.
    explicit CPoint(LPARAM packed) : POINT{static_cast<short>(LOWORD(packed)), static_cast<short>(HIWORD(packed))} {}
    bool operator==(const POINT& other) const { return x == other.x && y == other.y; }
};
