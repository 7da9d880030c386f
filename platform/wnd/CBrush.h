// A solid brush: a colour behind a brush handle, as the window code creates it to paint
// backgrounds. The handle belongs to the object and is released with it.
#pragma once

#include "platform/core/CObject.h"
#include "platform/wnd/WinUser.h"

class CBrush : public CObject {
public:
    DECLARE_DYNAMIC(CBrush)
    CBrush() = default;
    explicit CBrush(COLORREF crColor) { CreateSolidBrush(crColor); }
    ~CBrush() override { DeleteObject(); }
    CBrush(const CBrush&) = delete;
    CBrush& operator=(const CBrush&) = delete;

    // FALSE when the brush already holds a handle.
    BOOL CreateSolidBrush(COLORREF crColor);
    // Releases the handle; FALSE when there is none.
    BOOL DeleteObject();
    HBRUSH GetSafeHandle() const { return m_hBrush; }
    operator HBRUSH() const { return m_hBrush; }

private:
    HBRUSH m_hBrush = nullptr;
};

HBRUSH CreateSolidBrush(COLORREF crColor);
BOOL DeleteObject(HBRUSH hBrush);
// The colour of a brush handle, or CLR_INVALID for none.
COLORREF AfxGetBrushColor(HBRUSH hBrush);
