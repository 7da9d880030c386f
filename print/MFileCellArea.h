// A rectangular area of a CELL page with its virtual cell space (VCS) laid centre on centre onto
// it, and the blocks of cells drawn into it.
#pragma once

#include "print/MFileCell.h"

#include <vector>

class MFileCellArea : public VhObject {
    DECLARE_DYNAMIC(MFileCellArea)
public:
    explicit MFileCellArea(MFileCellAttrib* state);
    ~MFileCellArea() override;

    // The area owns the cell.
    void AddCell(MFileCell* cell);
    MFileCell* GetCell(int index) const { return m_cells.at(index).get(); }
    int GetCellCount() const { return static_cast<int>(m_cells.size()); }
    // Whether a cell has anything to draw; hands the print-to-device flag to each.
    int HasContent();
    // Takes the area and VCS from the state and makes the transform from VCS to page units.
    virtual void Setup();
    // Draws each cell in order; 0 at the first that draws nothing.
    virtual int Draw();

    void SetPrintToDevice(int flag) { m_printToDevice = flag; }
    const VhTrans& GetTrans() const { return *m_trans; }

private:
    VhFigureRect m_areaRect;
    VhFigureRect m_vcsRect;
    std::unique_ptr<VhTrans> m_trans;
    std::vector<std::unique_ptr<MFileCell>> m_cells;
    MFileCellAttrib* m_state;
    int m_printToDevice = 0;
};
