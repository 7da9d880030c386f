#include "print/MFileCellAttrib.h"

#include <climits>
#include <cmath>

IMPLEMENT_DYNAMIC(MFileCellAttrib, VhObject)

MFileCellAttrib::MFileCellAttrib(CDC* pDC, VhDrawImp* renderer) : m_pDC(pDC), m_renderer(renderer) { Reset(); }

void MFileCellAttrib::Reset()
{
    m_paperSize = A4;
    m_orientation = 0;
    SetArea(0, 0, 0, 0);
    SetVcs(0, 0, 100, 100);
    SetRowCount(10);
    SetColumnCount(10);
    SetActiveCell(1, 1, 1, 1);
    m_alignVertical = m_positionVertical = Bottom;
    m_alignHorizontal = m_positionHorizontal = Left;
    m_textHeight = m_charWidth = 8.0;
    m_offsetX = m_offsetY = 0.0;
    m_fontFace = "ＭＳ 明朝";
    m_fontStyle = Normal;
    m_lineWidth = Fine;
    m_lineStyle = Solid;
    m_fontColor = 0;
}

namespace {

// The paper's portrait width and height in page units; 0 for an unknown size code.
VhPoint PortraitPaper(int sizeCode)
{
    switch (sizeCode) {
    case MFileCellAttrib::A4:
        return VhPoint(2100, 2970);
    case MFileCellAttrib::B4:
        return VhPoint(2500, 3540);
    case MFileCellAttrib::A3:
        return VhPoint(2970, 4200);
    default:
        return VhPoint(0, 0);
    }
}

} // namespace

double MFileCellAttrib::GetPaperWidth() const
{
    VhPoint paper = PortraitPaper(m_paperSize);
    return m_orientation == 1 ? paper.y : paper.x;
}

double MFileCellAttrib::GetPaperHeight() const
{
    VhPoint paper = PortraitPaper(m_paperSize);
    return m_orientation == 1 ? paper.x : paper.y;
}

void MFileCellAttrib::SetArea(double left, double top, double right, double bottom)
{
    double width = GetPaperWidth(), height = GetPaperHeight();
    m_areaRect.SetCorners(VhPoint(left * 10, height - bottom * 10), VhPoint(width - right * 10, top * 10));
}

bool MFileCellAttrib::SetVcs(double x1, double y1, double x2, double y2)
{
    if (x1 == x2 || y1 == y2 || !std::isfinite(x1) || !std::isfinite(y1) || !std::isfinite(x2) || !std::isfinite(y2))
        return false;
    m_vcsRect.SetCorners(VhPoint(x1, y2), VhPoint(x2, y1));
    return true;
}

bool MFileCellAttrib::SetRowCount(int rows)
{
    if (rows < 1)
        return false;
    m_rowCount = rows;
    m_rowPitch = std::fabs(m_vcsRect.GetHeight()) / rows;
    UpdateBlock();
    return true;
}

namespace {

// Whole units of the extent over whole units of the pitch (at least 1), as an int.
int CountOf(double extent, double pitch)
{
    double count = std::floor(std::trunc(std::fabs(extent)) / std::trunc(pitch));
    return count < INT_MAX ? static_cast<int>(count) : INT_MAX;
}

} // namespace

bool MFileCellAttrib::SetRowPitch(double pitch)
{
    if (!(pitch >= 1) || !std::isfinite(pitch))
        return false;
    m_rowPitch = pitch;
    m_rowCount = CountOf(m_vcsRect.GetHeight(), pitch);
    UpdateBlock();
    return true;
}

bool MFileCellAttrib::SetColumnCount(int columns)
{
    if (columns < 1)
        return false;
    m_columnCount = columns;
    m_columnPitch = std::fabs(m_vcsRect.GetWidth()) / columns;
    UpdateBlock();
    return true;
}

bool MFileCellAttrib::SetColumnPitch(double pitch)
{
    if (!(pitch >= 1) || !std::isfinite(pitch))
        return false;
    m_columnPitch = pitch;
    m_columnCount = CountOf(m_vcsRect.GetWidth(), pitch);
    UpdateBlock();
    return true;
}

void MFileCellAttrib::SetActiveCell(int row1, int column1, int row2, int column2)
{
    m_row1 = row1;
    m_column1 = column1;
    m_row2 = row2;
    m_column2 = column2;
    UpdateBlock();
}

void MFileCellAttrib::UpdateBlock()
{
    double columns = static_cast<double>(m_column2) - m_column1 + 1;
    double rows = static_cast<double>(m_row2) - m_row1 + 1;
    m_blockRect.SetCorners(VhPoint(0, 0), VhPoint(columns * m_columnPitch, rows * m_rowPitch));
    m_anchor = VhPoint(m_column1 * m_columnPitch, (m_row2 + 1.0) * m_rowPitch);
}
