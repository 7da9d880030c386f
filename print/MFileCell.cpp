#include "print/MFileCell.h"

#include "print/MFileCellAttrib.h"
#include "print/MPrintBitmap.h"
#include "print/VhDrawComposition.h"
#include "print/VhDrawLine.h"
#include "print/VhDrawString.h"

#include <cmath>

IMPLEMENT_DYNAMIC(MFileCell, VhObject)

namespace {

// The font style flags of a drawable text for a FONT_STYLE code.
int FontStyleFlags(int fontStyle)
{
    switch (fontStyle) {
    case MFileCellAttrib::StrikeOut:
        return VhDrawString::StrikeOut;
    case MFileCellAttrib::Bold:
        return VhDrawString::Bold;
    case MFileCellAttrib::UnderLine:
        return VhDrawString::Underline;
    case MFileCellAttrib::Italic:
        return VhDrawString::Italic;
    default:
        return 0;
    }
}

// The pen's line type for a LINE_STYLE code: solid 0, dash 1, dot 2, dash-dot 3.
int LineType(int lineStyle)
{
    switch (lineStyle) {
    case MFileCellAttrib::Dot:
        return 2;
    case MFileCellAttrib::Dash:
        return 1;
    case MFileCellAttrib::DashDot:
        return 3;
    default:
        return 0;
    }
}

} // namespace

MFileCell::MFileCell(MFileCellAttrib* state) : m_trans(std::make_unique<VhTrans>()), m_state(state) {}

MFileCell::~MFileCell() = default;

int MFileCell::HasContent() const { return m_drawing || m_image; }

void MFileCell::Setup()
{
    m_blockRect = m_state->GetBlockRect();
    m_trans = std::make_unique<VhTrans>();
    m_trans->RotateX(M_PI);
    m_trans->Translate(m_state->GetAnchor());
}

void MFileCell::SetTransform(const VhTrans& area) { m_trans->Multiply(area); }

int MFileCell::Draw()
{
    if (m_drawing && m_state->GetRenderer())
        m_drawing->Draw(m_state->GetRenderer(), m_trans.get());
    if (m_image) {
        m_image->SetDC(m_state->GetDC());
        m_image->SetPrintToDevice(m_printToDevice);
        m_image->Draw(m_trans.get());
        return 1;
    }
    return m_drawing ? 1 : 0;
}

VhDrawComposition& MFileCell::Drawing()
{
    if (!m_drawing)
        m_drawing = std::make_unique<VhDrawComposition>();
    return *m_drawing;
}

void MFileCell::AddText(const CString& text) { AddText(text, m_state->m_fontStyle, m_state->m_fontColor); }

void MFileCell::AddText(const CString& text, int fontStyle, int color)
{
    const MFileCellAttrib& state = *m_state;
    double w = m_blockRect.GetWidth();
    double h = m_blockRect.GetHeight();
    double t = state.m_textHeight;
    double tw = text.GetLength() * state.m_charWidth;
    double x = 0, y = 0;
    int alignment = 0;
    // A word that does not belong in its place places the text as the defaults do: Bottom, Left.
    if (state.m_alignVertical == MFileCellAttrib::Top)
        y = h - t;
    else if (state.m_alignVertical == MFileCellAttrib::Center)
        y = h / 2 - t / 2;
    if (state.m_alignHorizontal == MFileCellAttrib::Center) {
        x = w / 2;
        alignment = 1;
    } else if (state.m_alignHorizontal == MFileCellAttrib::Right) {
        x = w;
        alignment = 2;
    } else {
        if (state.m_positionHorizontal == MFileCellAttrib::Center)
            x -= tw / 2;
        else if (state.m_positionHorizontal == MFileCellAttrib::Right)
            x -= tw;
        if (state.m_positionVertical == MFileCellAttrib::Top)
            y -= t;
        else if (state.m_positionVertical == MFileCellAttrib::Center)
            y -= t / 2;
    }
    x += state.m_offsetX;
    y -= state.m_offsetY;

    auto* draw = new VhDrawString;
    VhFigureString& figure = draw->GetShape();
    figure.SetPosition(VhPoint(x, y));
    figure.SetText(text);
    figure.SetHeight(t);
    figure.SetShape(7);
    figure.SetAlignment(alignment);
    figure.SetCharWidth(state.m_charWidth);
    draw->SetColor(color);
    draw->m_fontStyle = FontStyleFlags(fontStyle);
    Drawing().Add(draw);
}

VhPoint MFileCell::AnchorPoint(int anchor) const
{
    double w = m_blockRect.GetWidth();
    double h = m_blockRect.GetHeight();
    switch (anchor) {
    case LT:
        return VhPoint(0, h);
    case RT:
        return VhPoint(w, h);
    case RB:
        return VhPoint(w, 0);
    case LC:
        return VhPoint(0, h / 2);
    case RC:
        return VhPoint(w, h / 2);
    case CT:
        return VhPoint(w / 2, h);
    case CB:
        return VhPoint(w / 2, 0);
    default: // LB, and any other code
        return VhPoint(0, 0);
    }
}

void MFileCell::AddLine(int from, int to)
{
    auto* draw = new VhDrawLine;
    draw->GetShape().SetEnd1(AnchorPoint(from));
    draw->GetShape().SetEnd2(AnchorPoint(to));
    draw->SetLineType(LineType(m_state->m_lineStyle));
    int width = m_state->m_lineWidth;
    draw->SetLineWidth(width == MFileCellAttrib::Fine ? 0 : width == MFileCellAttrib::Thin ? 1 : 2);
    Drawing().Add(draw);
}

void MFileCell::AddImage(const CString& path)
{
    auto image = std::make_unique<MPrintBitmap>();
    image->SetPath(path);
    if (!image->Load())
        return;
    // The block's corners stay exact until they are mapped to page units.
    image->SetRect(0, 0, m_blockRect.GetWidth(), m_blockRect.GetHeight());
    m_image = std::move(image);
}
