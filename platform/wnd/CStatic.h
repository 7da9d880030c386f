// A static text control: its text and style are those of CWnd.
#pragma once

#include "platform/wnd/CWnd.h"

class CStatic : public CWnd {
public:
    DECLARE_DYNAMIC(CStatic)
    BOOL Create(LPCTSTR lpszText, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID = 0xFFFF);
};
