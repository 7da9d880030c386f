// One page of a CELL layout: its areas in the order they were closed, drawn when the page is
// complete.
#pragma once

#include "print/MFileCellArea.h"

class MFileCellPage : public VhObject {
    DECLARE_DYNAMIC(MFileCellPage)
public:
    explicit MFileCellPage(MFileCellAttrib* state);
    ~MFileCellPage() override;

    // The page owns the area.
    void AddArea(MFileCellArea* area);
    MFileCellArea* GetArea(int index) const { return m_areas.at(index).get(); }
    int GetAreaCount() const { return static_cast<int>(m_areas.size()); }
    // Whether any area has anything to draw.
    int HasContent();
    // Draws each area in order; 0 at the first that fails.
    virtual int Draw();

    void SetPrintToDevice(int flag) { m_printToDevice = flag; }

private:
    std::vector<std::unique_ptr<MFileCellArea>> m_areas;
    MFileCellAttrib* m_state;
    int m_printToDevice = 0;
};
