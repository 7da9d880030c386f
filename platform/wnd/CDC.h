// A device context as the window code uses it to paint: the text and background colours, the
// selected brush and the area to paint (the clip box, which whoever makes the context sets).
// What is drawn belongs to the drawing layer: a context over a real surface overrides
// FillSolid; the base keeps its state and draws nothing.
#pragma once

#include "platform/core/CObject.h"
#include "platform/wnd/WinUser.h"

class CBrush;

#define PATCOPY 0x00F00021
#define SP_ERROR (-1)

// A print document as StartDoc takes it.
struct DOCINFO {
    int cbSize;
    LPCTSTR lpszDocName;
    LPCTSTR lpszOutput;
    LPCTSTR lpszDatatype;
    DWORD fwType;
};
typedef DOCINFO* LPDOCINFO;
#define NULLREGION 1
#define SIMPLEREGION 2

class CDC : public CObject {
public:
    DECLARE_DYNAMIC(CDC)
    CDC() = default;

    // Each returns the previous value.
    COLORREF SetTextColor(COLORREF crColor);
    COLORREF SetBkColor(COLORREF crColor);
    COLORREF GetTextColor() const { return m_textColor; }
    COLORREF GetBkColor() const { return m_bkColor; }
    // Selects a brush (null: none) and returns the one selected before.
    CBrush* SelectObject(CBrush* pBrush);
    CBrush* GetCurrentBrush() const { return m_pBrush; }

    // The area to paint; SIMPLEREGION, or NULLREGION when it is empty.
    int GetClipBox(LPRECT lpRect) const;
    void SetClipBox(const RECT& rect) { m_clipBox = rect; }

    // PATCOPY fills the rectangle with the selected brush; nothing is drawn without one. Other
    // operations are not supported and give FALSE.
    BOOL PatBlt(int x, int y, int nWidth, int nHeight, DWORD dwRop);

    // The document and its pages: a job number above 0 (SP_ERROR on failure), and above 0 for the rest.
    virtual int StartDoc(LPDOCINFO lpDocInfo) { return 1; }
    virtual int EndDoc() { return 1; }
    virtual int StartPage() { return 1; }
    virtual int EndPage() { return 1; }
    // Text with tabs expanded; the width and height it took.
    virtual LONG TabbedTextOut(int x, int y, LPCTSTR lpszString, int nCount, int nTabPositions,
                               int* lpnTabStopPositions, int nTabOrigin)
    {
        return 0;
    }

protected:
    virtual void FillSolid(const RECT& rect, COLORREF crColor) {}

private:
    COLORREF m_textColor = RGB(0, 0, 0);
    COLORREF m_bkColor = RGB(255, 255, 255);
    CBrush* m_pBrush = nullptr;
    RECT m_clipBox{0, 0, 0, 0};
};
