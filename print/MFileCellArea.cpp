#include "print/MFileCellArea.h"

#include "print/MFileCellAttrib.h"

#include <cmath>

IMPLEMENT_DYNAMIC(MFileCellArea, VhObject)

MFileCellArea::MFileCellArea(MFileCellAttrib* state) : m_trans(std::make_unique<VhTrans>()), m_state(state) {}

MFileCellArea::~MFileCellArea() = default;

void MFileCellArea::AddCell(MFileCell* cell) { m_cells.emplace_back(cell); }

int MFileCellArea::HasContent()
{
    int content = 0;
    for (const auto& cell : m_cells) {
        cell->SetPrintToDevice(m_printToDevice);
        if (cell->HasContent())
            content = 1;
    }
    return content;
}

void MFileCellArea::Setup()
{
    m_areaRect = m_state->GetAreaRect();
    m_vcsRect = m_state->GetVcsRect();
    double sx = std::fabs(m_areaRect.GetWidth() / m_vcsRect.GetWidth());
    double sy = std::fabs(m_areaRect.GetHeight() / m_vcsRect.GetHeight());
    m_trans = std::make_unique<VhTrans>();
    m_trans->TranslateBack(m_vcsRect.GetCenter());
    m_trans->Scale(1 / sx, 1 / sy, 1); // Scale takes divisors
    m_trans->Translate(m_areaRect.GetCenter());
}

int MFileCellArea::Draw()
{
    for (const auto& cell : m_cells) {
        cell->SetTransform(*m_trans);
        cell->SetPrintToDevice(m_printToDevice);
        if (!cell->Draw())
            return 0;
    }
    return 1;
}
