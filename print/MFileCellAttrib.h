// The state of a CELL layout's interpreter: paper, area, virtual cell space (VCS) with its rows
// and columns, the active block of cells, and the settings of texts and lines. Page units are
// 0.1 mm from the paper's top-left corner, y downward; VCS units are the layout's own.
#pragma once

#include "print/VhFigureRect.h"

class CDC;
class VhDrawImp;

class MFileCellAttrib : public VhObject {
    DECLARE_DYNAMIC(MFileCellAttrib)
public:
    // Value-word codes of the settings.
    enum Paper { A4 = 0, B4 = 1, A3 = 2 };
    enum Align { Top = 0, Center = 1, Bottom = 2, Left = 3, Right = 4 };
    enum FontStyle { Normal = 1, StrikeOut = 2, Bold = 3, UnderLine = 4, Italic = 5 };
    enum LineWidth { Fine = 0, Thin = 1, Thick = 2 };
    enum LineStyle { Solid = 0, Dot = 1, Dash = 2, DashDot = 3 };

    // The renderer draws the cells' texts and lines; neither it nor the device context is owned.
    MFileCellAttrib(CDC* pDC, VhDrawImp* renderer);

    // Every setting back to its default: A4 portrait, no margins, a VCS of 0,0-100,100 in 10 rows
    // and 10 columns, the block of row 1, column 1.
    void Reset();
    // The paper's width and height in page units (0 for an unknown size code).
    double GetPaperWidth() const;
    double GetPaperHeight() const;
    // Margins in mm; the area is the paper less them.
    void SetArea(double left, double top, double right, double bottom);
    // False, changing nothing, when x1 = x2 or y1 = y2 (such a space has no scale) or a value is
    // not finite.
    bool SetVcs(double x1, double y1, double x2, double y2);
    // False, changing nothing, for a count below 1 or a pitch that leaves no whole row or column.
    bool SetRowCount(int rows);
    bool SetRowPitch(double pitch);
    bool SetColumnCount(int columns);
    bool SetColumnPitch(double pitch);
    // The block spans rows row1..row2 and columns column1..column2.
    void SetActiveCell(int row1, int column1, int row2, int column2);

    const VhFigureRect& GetAreaRect() const { return m_areaRect; }
    const VhFigureRect& GetVcsRect() const { return m_vcsRect; }
    const VhFigureRect& GetBlockRect() const { return m_blockRect; }
    const VhPoint& GetAnchor() const { return m_anchor; }
    double GetRowPitch() const { return m_rowPitch; }
    double GetColumnPitch() const { return m_columnPitch; }
    int GetRowCount() const { return m_rowCount; }
    int GetColumnCount() const { return m_columnCount; }
    CDC* GetDC() const { return m_pDC; }
    VhDrawImp* GetRenderer() const { return m_renderer; }

    int m_paperSize = A4;
    int m_orientation = 0;
    int m_alignVertical = Bottom;
    int m_alignHorizontal = Left;
    int m_positionVertical = Bottom;
    int m_positionHorizontal = Left;
    double m_textHeight = 8.0;
    double m_charWidth = 8.0;
    double m_offsetX = 0.0;
    double m_offsetY = 0.0;
    CString m_fontFace;
    int m_fontStyle = Normal;
    int m_lineWidth = Fine;
    int m_lineStyle = Solid;
    int m_fontColor = 0;

private:
    void UpdateBlock();

    VhFigureRect m_areaRect;
    VhFigureRect m_vcsRect;
    double m_rowPitch = 10, m_columnPitch = 10;
    int m_rowCount = 10, m_columnCount = 10;
    int m_row1 = 1, m_column1 = 1, m_row2 = 1, m_column2 = 1;
    VhFigureRect m_blockRect;
    VhPoint m_anchor;
    CDC* m_pDC;
    VhDrawImp* m_renderer;
};
