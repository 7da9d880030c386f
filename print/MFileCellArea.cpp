#include "print/MFileCellArea.h"

#include "print/MFileCellAttrib.h"

#include <cmath>

IMPLEMENT_DYNAMIC(MFileCellArea, VhObject)

namespace {

double Width(const VhFigureRect& rect) { return rect.GetCorner2().x - rect.GetCorner1().x; }
double Height(const VhFigureRect& rect) { return rect.GetCorner2().y - rect.GetCorner1().y; }

} // namespace

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
    double sx = std::fabs(Width(m_areaRect) / Width(m_vcsRect));
    double sy = std::fabs(Height(m_areaRect) / Height(m_vcsRect));
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
