// One block of cells of a CELL page: the texts and lines drawn into it and at most one image.
// Its own coordinates have their origin at the block's bottom-left corner, x to the right and y
// upward, in VCS units.
#pragma once

#include "print/VhFigureRect.h"
#include "print/VhTrans.h"

#include <memory>

class MFileCellAttrib;
class MPrintBitmap;
class VhDrawComposition;

class MFileCell : public VhObject {
    DECLARE_DYNAMIC(MFileCell)
public:
    // Anchor codes of a block's points (L, R, C across; T, B, C up and down).
    enum Anchor { LT = 0, LB = 1, RT = 2, RB = 3, LC = 4, RC = 5, CT = 6, CB = 7 };

    explicit MFileCell(MFileCellAttrib* state);
    ~MFileCell() override;

    // Whether a text, a line or an image has been added.
    int HasContent() const;
    // Takes the block from the state: its size, and the transform to VCS units.
    virtual void Setup();
    // The transform becomes this cell's followed by the area's (VCS to page units).
    virtual void SetTransform(const VhTrans& area);
    // Draws the texts and lines through the state's renderer, then the image; 1 when there was
    // anything to draw.
    virtual int Draw();
    // Places the text in the block by the state's alignment, position, size and offset.
    virtual void AddText(const CString& text);
    // Adds the line between two anchor points of the block (Anchor codes).
    virtual void AddLine(int from, int to);
    // Loads the BMP file (quotes around the path removed); the block gets no image when it cannot
    // be loaded.
    virtual void AddImage(const CString& path);
    // The text added with the state's settings, but this font style code and colour for it alone.
    void AddText(const CString& text, int fontStyle, int color);

    void SetPrintToDevice(int flag) { m_printToDevice = flag; }
    const VhTrans& GetTrans() const { return *m_trans; }
    const VhDrawComposition* GetDrawing() const { return m_drawing.get(); }
    const MPrintBitmap* GetImage() const { return m_image.get(); }

private:
    VhPoint AnchorPoint(int anchor) const;
    VhDrawComposition& Drawing();

    VhFigureRect m_blockRect;
    std::unique_ptr<VhTrans> m_trans;
    std::unique_ptr<VhDrawComposition> m_drawing;
    std::unique_ptr<MPrintBitmap> m_image;
    MFileCellAttrib* m_state;
    int m_printToDevice = 0;
};
