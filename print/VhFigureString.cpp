#include "print/VhFigureString.h"

#include "print/VhMath.h"

#include <algorithm>

IMPLEMENT_SERIAL(VhFigureString, VhFigure, 0)

namespace {

struct ShapeFactors {
    double width;
    double height;
};

// Codes 1 to 8; every other code is (1, 1).
const ShapeFactors shapeFactors[] = {{0.5, 0.5}, {0.5, 0.5}, {1.0, 2.0}, {2.0, 1.0},
                                     {2.0, 2.0}, {1.0, 0.5}, {0.5, 1.0}, {0.5, 0.5}};

ShapeFactors FactorsOf(int shapeCode)
{
    if (shapeCode < 1 || shapeCode > 8)
        return {1.0, 1.0};
    return shapeFactors[shapeCode - 1];
}

} // namespace

VhFigureString::VhFigureString()
{
    SetFillFlag(1);
    SetShape(7);
}

void VhFigureString::Transform(const VhTrans& trans)
{
    trans.Apply(m_position);
    m_angle += trans.ApplyToVector(VhPoint(1, 0, 0)).Angle();
}

BOOL VhFigureString::CrossPoints(const VhFigure& other, VhPointArray& points, BOOL useEx) const { return FALSE; }

BOOL VhFigureString::GetExtent(const VhTrans* trans, VhFigureRect* extent) const
{
    VhTrans placement = PlacementTrans();
    placement.Multiply(CombinedTrans(trans));
    VhFigureRect box = GetBoxRect(FALSE);
    const VhPoint corners[] = {box.GetCorner1(), box.GetCorner2()};
    return BoundPoints(corners, 2, placement, extent);
}

BOOL VhFigureString::HitOutline(const VhPoint& point, double tolerance, BOOL is3D) const
{
    return HitInside(point, tolerance, is3D);
}

BOOL VhFigureString::HitInside(const VhPoint& point, double tolerance, BOOL is3D) const
{
    return GetBoxPolygon(FALSE).HitInside(point, tolerance, is3D);
}

void VhFigureString::SetShape(int shapeCode)
{
    m_shapeCode = shapeCode;
    if (shapeCode != 0) {
        m_width = GetWidthFactor() * m_height * 0.5;
        m_autoWidth = 0;
    } else {
        m_width = 0.0;
        m_autoWidth = 1;
    }
}

double VhFigureString::GetWidthFactor() const { return FactorsOf(m_shapeCode).width; }

double VhFigureString::GetHeightFactor() const { return FactorsOf(m_shapeCode).height; }

double VhFigureString::GetCharWidth() const { return m_autoWidth ? GetWidthFactor() * m_height * 0.5 : m_width; }

double VhFigureString::GetTextHeight() const { return GetHeightFactor() * m_height; }

double VhFigureString::GetTextWidth() const { return GetCharWidth() * m_text.GetLength(); }

VhPoint VhFigureString::GetAnchorOffset(double width, double height, BOOL downwards) const
{
    double up = downwards ? -1.0 : 1.0;
    switch (m_alignment) {
    case 1:
        return VhPoint(-width / 2, 0);
    case 2:
        return VhPoint(-width, 0);
    case 3:
        return VhPoint(-width / 2, -up * height);
    case 4:
        return VhPoint(-width / 2, -up * height / 2);
    default:
        return VhPoint(0, 0);
    }
}

VhFigureRect VhFigureString::GetBoxRect(BOOL downwards) const
{
    double width = GetTextWidth();
    double height = GetTextHeight();
    double up = downwards ? -1.0 : 1.0;
    VhPoint offset = GetAnchorOffset(width, height, downwards);
    double x2 = offset.x + width;
    double y2 = offset.y + up * height;
    return VhFigureRect(VhPoint(std::min(offset.x, x2), std::min(offset.y, y2)),
                        VhPoint(std::max(offset.x, x2), std::max(offset.y, y2)));
}

VhFigurePolygon VhFigureString::GetBoxPolygon(BOOL downwards) const
{
    VhFigureRect box = GetBoxRect(downwards);
    const VhPoint& low = box.GetCorner1();
    const VhPoint& high = box.GetCorner2();
    VhTrans placement = PlacementTrans();
    VhFigurePolygon polygon;
    for (const VhPoint& corner : {low, VhPoint(high.x, low.y), high, VhPoint(low.x, high.y)}) {
        VhPoint image = corner * placement;
        image.z = 0.0;
        polygon.AddPoint(image);
    }
    return polygon;
}

VhTrans VhFigureString::PlacementTrans() const
{
    VhTrans placement;
    placement.RotateZ(m_angle);
    placement.Translate(m_position);
    return placement;
}

BOOL VhFigureString::IsEqual(const VhObject* other) const
{
    if (!VhFigure::IsEqual(other))
        return FALSE;
    const auto* text = static_cast<const VhFigureString*>(other);
    return m_position.IsEqual(&text->m_position) && m_text.Bytes() == text->m_text.Bytes() &&
           VhIsSameValue(m_height, text->m_height) && VhIsSameValue(m_angle, text->m_angle) &&
           m_alignment == text->m_alignment && m_shapeCode == text->m_shapeCode && m_autoWidth == text->m_autoWidth &&
           VhIsSameValue(m_width, text->m_width);
}

void VhFigureString::Serialize(CArchive& ar)
{
    VhFigure::Serialize(ar);
    m_position.Serialize(ar);
    CStringArray texts;
    if (ar.IsStoring())
        texts.Add(m_text);
    texts.Serialize(ar);
    if (ar.IsLoading()) {
        if (texts.IsEmpty())
            AfxThrowArchiveException(CArchiveException::generic, ar.m_strFileName);
        m_text = texts[0];
    }
    VhValue::SerializeRecord(ar, 5, 5, {&m_alignment, &m_shapeCode, &m_autoWidth}, {&m_height, &m_angle, &m_width});
}
