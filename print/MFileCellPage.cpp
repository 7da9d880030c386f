#include "print/MFileCellPage.h"

IMPLEMENT_DYNAMIC(MFileCellPage, VhObject)

MFileCellPage::MFileCellPage(MFileCellAttrib* state) : m_state(state) {}

MFileCellPage::~MFileCellPage() = default;

void MFileCellPage::AddArea(MFileCellArea* area) { m_areas.emplace_back(area); }

int MFileCellPage::HasContent()
{
    int content = 0;
    for (const auto& area : m_areas) {
        area->SetPrintToDevice(m_printToDevice);
        if (area->HasContent())
            content = 1;
    }
    return content;
}

int MFileCellPage::Draw()
{
    for (const auto& area : m_areas) {
        area->SetPrintToDevice(m_printToDevice);
        if (!area->Draw())
            return 0;
    }
    return 1;
}
