// The base of the program's form views: its background is painted in the colour that the
// application also gives its dialogs.
#pragma once

#include "platform/wnd/CFormView.h"

class CDC;

class CFormViewBk : public CFormView {
    DECLARE_DYNAMIC(CFormViewBk)
public:
    static const COLORREF kBackground = RGB(231, 236, 249);

protected:
    explicit CFormViewBk(UINT nIDTemplate) : CFormView(nIDTemplate) {}
    // Fills the area to paint with the background colour; the background counts as erased.
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    DECLARE_MESSAGE_MAP()
};
